// The dictionary rewrite's alignment: the converted lines placed among the plain lines. The
// forward search for a converted line's place is answered from an index of the plain lines by
// content: a keyword automaton finds the plain texts equal to the converted line or contained in
// it, and each text's positions give the first one at or after the search's start. So a program
// whose lines mostly find no place costs no rescans.
#include <algorithm>
#include <limits>
#include <optional>

#include "engine/DictionarySteps.h"
#include "engine/LineAutomaton.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

constexpr size_t kNone = std::numeric_limits<size_t>::max();

// An aligned line that a converted line holding it takes the place of.
bool Containable(std::u16string_view line) {
  return !line.empty() && line != u"G00" && line != u"G01";
}

// Where a converted line goes.
struct Place {
  size_t index = kNone;
  bool equal = false;
};

class Aligner {
 public:
  // `plain` must outlive the aligner.
  Aligner(const LineList& plain, LineList tags);
  TaggedLines Run(const LineList& converted);

 private:
  size_t Size() const { return plain_.size() + extra_.lines.size(); }
  const std::u16string& LineAt(size_t index) const;
  // The first listed position of text id at or after `from`, or kNone.
  size_t NextOf(int32_t id, size_t from) const;
  Place FindPlace(const std::u16string& line, size_t from) const;
  void Blank(size_t index);
  void Emit(size_t upTo);
  void EmitUnplaced(size_t at);
  void Match(const std::u16string& line, const Place& place);

  const LineList& plain_;
  LineList tags_;
  std::vector<char> blank_;  // by plain line
  TaggedLines extra_;        // the converted lines appended past the plain lines
  // The plain lines by text: ids from the automaton, the positions of each id in one array.
  LineAutomaton automaton_;
  std::vector<size_t> firstPosition_;  // by id, and one past the last
  std::vector<size_t> positions_;
  TaggedLines done_;
  // The plain line blanked last: the index still lists it under its old text. A line is blanked
  // where it is placed, and the search never goes back before that, so no earlier one counts.
  size_t blanked_ = kNone;
  size_t emitted_ = 0;  // aligned lines before this are in done_
  size_t position_ = 0;
  size_t restart_ = 0;
  LineList unplaced_;
};

Aligner::Aligner(const LineList& plain, LineList tags)
    : plain_(plain), tags_(std::move(tags)), blank_(plain.size(), 0) {
  std::vector<int32_t> ids(plain.size());
  int32_t idCount = 0;
  for (size_t i = 0; i < plain.size(); ++i) {
    ids[i] = automaton_.Add(plain[i], idCount, Containable(plain[i]));
    if (ids[i] == idCount) ++idCount;
  }
  automaton_.Build();
  firstPosition_.assign(static_cast<size_t>(idCount) + 1, 0);
  for (const int32_t id : ids) ++firstPosition_[static_cast<size_t>(id) + 1];
  for (size_t id = 1; id < firstPosition_.size(); ++id)
    firstPosition_[id] += firstPosition_[id - 1];
  positions_.resize(plain.size());
  std::vector<size_t> next(firstPosition_.begin(), firstPosition_.end() - 1);
  for (size_t i = 0; i < plain.size(); ++i) positions_[next[static_cast<size_t>(ids[i])]++] = i;
}

const std::u16string& Aligner::LineAt(size_t index) const {
  static const std::u16string kEmpty;
  if (index >= plain_.size()) return extra_.lines[index - plain_.size()];
  return blank_[index] != 0 ? kEmpty : plain_[index];
}

size_t Aligner::NextOf(int32_t id, size_t from) const {
  const auto first = positions_.begin() + static_cast<ptrdiff_t>(firstPosition_[id]);
  const auto last = positions_.begin() + static_cast<ptrdiff_t>(firstPosition_[id + 1]);
  auto it = std::lower_bound(first, last, from);
  if (it != last && *it == blanked_) ++it;
  return it == last ? kNone : *it;
}

Place Aligner::FindPlace(const std::u16string& line, size_t from) const {
  Place best;
  auto consider = [&](size_t index, bool equal) {
    if (index < best.index || (index == best.index && equal)) best = {index, equal};
  };
  if (const int32_t id = automaton_.Find(line); id >= 0) consider(NextOf(id, from), true);
  if (line.empty() && blanked_ != kNone && blanked_ >= from) consider(blanked_, true);
  automaton_.Scan(line, [&](int32_t id) { consider(NextOf(id, from), false); });
  for (size_t i = std::max(from, plain_.size()); i < Size() && i < best.index; ++i) {
    const std::u16string& aligned = LineAt(i);
    if (aligned == line || (Containable(aligned) && Contains(line, aligned))) {
      return {i, aligned == line};
    }
  }
  return best;
}

void Aligner::Blank(size_t index) {
  if (index < plain_.size()) {
    blank_[index] = 1;
    blanked_ = index;
    tags_[index] = u"4";
  } else {
    extra_.lines[index - plain_.size()].clear();
    extra_.tags[index - plain_.size()] = u"4";
  }
}

void Aligner::Emit(size_t upTo) {
  for (; emitted_ < upTo; ++emitted_) {
    done_.lines.push_back(LineAt(emitted_));
    done_.tags.push_back(emitted_ < plain_.size() ? std::move(tags_[emitted_])
                                                  : extra_.tags[emitted_ - plain_.size()]);
  }
}

// Emits what stands before `at`, then the unplaced lines.
void Aligner::EmitUnplaced(size_t at) {
  Emit(at);
  for (std::u16string& waiting : unplaced_) {
    done_.lines.push_back(std::move(waiting));
    done_.tags.emplace_back(u"9");
  }
  unplaced_.clear();
}

// Emits what stands before the place, the unplaced lines and the matched line.
void Aligner::Match(const std::u16string& line, const Place& place) {
  EmitUnplaced(place.index);
  if (place.equal) {
    Emit(place.index + 1);
  } else {
    done_.lines.push_back(line);
    done_.tags.emplace_back(u"9");
    Blank(place.index);
  }
  position_ = restart_ = emitted_;
}

TaggedLines Aligner::Run(const LineList& converted) {
  const auto firstCode = std::find_if(converted.begin(), converted.end(), HoldsCoordinateCode);
  for (auto it = converted.begin(); it != firstCode; ++it) {
    done_.lines.push_back(*it);
    done_.tags.emplace_back(u"9");
  }
  restart_ = static_cast<size_t>(std::find_if(plain_.begin(), plain_.end(), HoldsCoordinateCode) -
                                 plain_.begin());
  if (restart_ == plain_.size()) restart_ = 0;
  position_ = restart_;
  for (auto it = firstCode; it != converted.end(); ++it) {
    if (position_ >= Size()) {
      // Placed past the end, the next converted line is compared with this one first.
      extra_.lines.push_back(*it);
      extra_.tags.emplace_back(u"9");
      continue;
    }
    const Place place = FindPlace(*it, position_);
    if (place.index != kNone) {
      Match(*it, place);
      continue;
    }
    unplaced_.push_back(*it);
    position_ = restart_;
    if (it + 1 != converted.end() && (it + 1)->empty()) unplaced_.push_back(*++it);
    if (it + 1 == converted.end()) position_ = Size();
  }
  EmitUnplaced(std::min(position_, Size()));
  Emit(Size());
  return std::move(done_);
}

}  // namespace

TaggedLines AlignConverted(const LineList& plain, LineList tags, const LineList& converted) {
  return Aligner(plain, std::move(tags)).Run(converted);
}

}  // namespace qv
