#include "ui/NcPostDlg2.h"

#include <new>
#include <utility>

#include "post/PostLimits.h"

namespace qv {
namespace {

constexpr size_t kPage = static_cast<size_t>(kSpecialCodePageSize);

// Codes are stored without blanks: an operator's "G 28" or "G　28" is the code G28.
std::u16string WithoutBlanks(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (const char16_t c : text) {
    if (c != u' ' && c != u'\u3000') out.push_back(c);
  }
  return out;
}

}  // namespace

NcPostDlg2::NcPostDlg2(SpecialCodeView& view, const SystemFiles& files,
                       UserInteraction& interaction, std::u16string postName)
    : NcPostDlg2(view, files, interaction, std::move(postName), disk_) {}

// Binds file_ to disk_ only; disk_ holds no state, so its later construction changes nothing.
NcPostDlg2::NcPostDlg2(SpecialCodeView& view, const SystemFiles& files,
                       UserInteraction& interaction, std::u16string postName, LineFiles& lines)
    : view_(view),
      interaction_(interaction),
      postName_(std::move(postName)),
      file_(files, lines),
      pairs_(kPage) {}

void NcPostDlg2::Open() {
  std::vector<SpecialCodePair> read;
  const SpecialCodeStatus status = file_.ReadSpecialCodes(postName_, read);
  if (status != SpecialCodeStatus::Ok) Tell(SpecialCodeMessage(status));
  pairs_ = PadToPages(std::move(read));
  pageCount_ = static_cast<int32_t>(pairs_.size() / kPage);
  currentPage_ = 1;
  ShowPage();
}

void NcPostDlg2::OnNext() {
  if (!view_.TakeValues()) return;
  if (currentPage_ == pageCount_ && !VisiblePageIsEmpty() && !AppendPage()) return;
  if (currentPage_ >= pageCount_) return;
  StorePage();
  ++currentPage_;
  ShowPage();
}

void NcPostDlg2::OnPrevious() {
  if (!view_.TakeValues() || currentPage_ == 1) return;
  if (currentPage_ == pageCount_ && VisiblePageIsEmpty()) --pageCount_;
  StorePage();
  --currentPage_;
  ShowPage();
}

void NcPostDlg2::OnOk() {
  if (!view_.TakeValues()) return;
  StorePage();
  const SpecialCodeStatus status = file_.WriteSpecialCodes(postName_, pairs_);
  if (status != SpecialCodeStatus::Ok) {
    Tell(SpecialCodeMessage(status));
    return;
  }
  view_.Close(true);
}

void NcPostDlg2::OnCancel() { view_.Close(false); }

void NcPostDlg2::StorePage() {
  const size_t first = static_cast<size_t>(currentPage_ - 1) * kPage;
  for (int32_t row = 0; row < kSpecialCodePageSize; ++row) {
    pairs_[first + static_cast<size_t>(row)] = {WithoutBlanks(view_.Text(PairColumn::From, row)),
                                                WithoutBlanks(view_.Text(PairColumn::To, row))};
  }
}

void NcPostDlg2::ShowPage() {
  const size_t first = static_cast<size_t>(currentPage_ - 1) * kPage;
  for (int32_t row = 0; row < kSpecialCodePageSize; ++row) {
    const SpecialCodePair& pair = pairs_[first + static_cast<size_t>(row)];
    view_.SetText(PairColumn::From, row, pair.from);
    view_.SetText(PairColumn::To, row, pair.to);
  }
  view_.ShowPage(currentPage_, pageCount_);
}

bool NcPostDlg2::VisiblePageIsEmpty() const {
  for (int32_t row = 0; row < kSpecialCodePageSize; ++row) {
    if (!WithoutBlanks(view_.Text(PairColumn::From, row)).empty()) return false;
  }
  return true;
}

// A page appended after a dropped one starts empty, not with the dropped page's leftovers.
bool NcPostDlg2::AppendPage() {
  try {
    pairs_.resize(static_cast<size_t>(pageCount_) * kPage);
    pairs_.resize(static_cast<size_t>(pageCount_ + 1) * kPage);
  } catch (const std::bad_alloc&) {
    Tell(kPageMemoryMessage);
    return false;
  }
  ++pageCount_;
  return true;
}

void NcPostDlg2::Tell(std::u16string_view text) {
  interaction_.ShowMessage({MessageKind::Exclamation, std::u16string(text), kMessageCaption});
}

}  // namespace qv
