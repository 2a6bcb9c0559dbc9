// The dictionary rewrite's alignment: the converted lines placed among the plain lines. The
// forward search for a converted line's place is answered from an index of the aligned lines
// by content (equal lines) and a keyword automaton (aligned lines the converted line contains),
// so a program whose lines mostly find no place costs no rescans.
#include <algorithm>
#include <limits>
#include <optional>
#include <unordered_map>

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
  // `plain` must outlive the aligner: its lines are the index's keys.
  Aligner(const LineList& plain, LineList tags);
  TaggedLines Run(const LineList& converted);

 private:
  int32_t IdOf(std::u16string_view content);
  Place FindPlace(const std::u16string& line, size_t from) const;
  void Blank(size_t index);
  void Emit(size_t upTo);
  void EmitUnplaced(size_t at);
  void Match(const std::u16string& line, const Place& place);

  TaggedLines rest_;  // the aligned lines not yet emitted, plus the converted lines appended
  size_t plainCount_;
  std::unordered_map<std::u16string_view, int32_t> ids_;
  std::vector<std::vector<size_t>> positions_;  // by id, ascending
  LineAutomaton automaton_;
  TaggedLines done_;
  // The plain line blanked last: the index still lists it under its old text. A line is blanked
  // where it is placed, and the search never goes back before that, so no earlier one counts.
  size_t blanked_ = kNone;
  size_t emitted_ = 0;  // rest_ lines before this are in done_
  size_t position_ = 0;
  size_t restart_ = 0;
  LineList unplaced_;
};

Aligner::Aligner(const LineList& plain, LineList tags)
    : rest_{plain, std::move(tags)}, plainCount_(plain.size()) {
  ids_.reserve(plain.size());
  for (size_t i = 0; i < plain.size(); ++i) {
    const int32_t id = IdOf(plain[i]);
    if (positions_[id].empty() && Containable(plain[i])) automaton_.Add(plain[i], id);
    positions_[id].push_back(i);
  }
  automaton_.Build();
}

int32_t Aligner::IdOf(std::u16string_view content) {
  const auto [it, added] = ids_.try_emplace(content, static_cast<int32_t>(positions_.size()));
  if (added) positions_.emplace_back();
  return it->second;
}

Place Aligner::FindPlace(const std::u16string& line, size_t from) const {
  Place best;
  auto consider = [&](size_t index, bool equal) {
    if (index < best.index || (index == best.index && equal)) best = {index, equal};
  };
  auto considerId = [&](int32_t id, bool equal) {
    const std::vector<size_t>& at = positions_[static_cast<size_t>(id)];
    auto it = std::lower_bound(at.begin(), at.end(), from);
    if (it != at.end() && *it == blanked_) ++it;
    if (it != at.end()) consider(*it, equal);
  };
  if (const auto it = ids_.find(std::u16string_view(line)); it != ids_.end()) {
    considerId(it->second, true);
  }
  if (line.empty() && blanked_ != kNone && blanked_ >= from) consider(blanked_, true);
  automaton_.Scan(line, [&](int32_t id) { considerId(id, false); });
  for (size_t i = std::max(from, plainCount_); i < rest_.lines.size() && i < best.index; ++i) {
    const std::u16string& aligned = rest_.lines[i];
    if (aligned == line || (Containable(aligned) && Contains(line, aligned))) {
      return {i, aligned == line};
    }
  }
  return best;
}

void Aligner::Blank(size_t index) {
  if (index < plainCount_) blanked_ = index;
  rest_.lines[index].clear();
  rest_.tags[index] = u"4";
}

void Aligner::Emit(size_t upTo) {
  for (; emitted_ < upTo; ++emitted_) {
    done_.lines.push_back(std::move(rest_.lines[emitted_]));
    done_.tags.push_back(std::move(rest_.tags[emitted_]));
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
  restart_ = static_cast<size_t>(
      std::find_if(rest_.lines.begin(), rest_.lines.end(), HoldsCoordinateCode) -
      rest_.lines.begin());
  if (restart_ == rest_.lines.size()) restart_ = 0;
  position_ = restart_;
  for (auto it = firstCode; it != converted.end(); ++it) {
    if (position_ >= rest_.lines.size()) {
      // Placed past the end, the next converted line is compared with this one first.
      rest_.lines.push_back(*it);
      rest_.tags.emplace_back(u"9");
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
    if (it + 1 == converted.end()) position_ = rest_.lines.size();
  }
  EmitUnplaced(std::min(position_, rest_.lines.size()));
  Emit(rest_.lines.size());
  return std::move(done_);
}

}  // namespace

TaggedLines AlignConverted(const LineList& plain, LineList tags, const LineList& converted) {
  return Aligner(plain, std::move(tags)).Run(converted);
}

}  // namespace qv
