#include "ui/QuorvalenDlg1.h"

#include <utility>

#include "nctext/StringUtil.h"
#include "ui/ResultCodes.h"

namespace qv {

std::vector<std::u16string> UnconvertibleLines(int32_t count,
                                               const std::vector<std::u16string>& entries) {
  std::vector<std::u16string> lines;
  lines.reserve(entries.size() + 5);
  lines.push_back(
      Sprintf("変換できないマクロまたはコードが %d 個あります", static_cast<int>(count)));
  lines.emplace_back(u" ");
  lines.emplace_back(u"「ポスト編集」内の「特殊変換コード」の設定で対応して下さい");
  lines.emplace_back(u" ");
  lines.emplace_back(u"[LINE]  [CODE]");
  lines.insert(lines.end(), entries.begin(), entries.end());
  return lines;
}

QuorvalenDlg1::QuorvalenDlg1(UnconvertibleView& view, int32_t count,
                             const std::vector<std::u16string>& entries, bool automatic,
                             ResultWriter writeResult)
    : view_(view),
      count_(count),
      entries_(entries),
      automatic_(automatic),
      writeResult_(std::move(writeResult)) {}

bool QuorvalenDlg1::Open() {
  if (automatic_) {
    writeResult_(ResultLine(ResultCode::Unconvertible, count_));
    return true;
  }
  view_.ShowLines(UnconvertibleLines(count_, entries_));
  return false;
}

}  // namespace qv
