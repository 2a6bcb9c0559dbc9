#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qv {

// The window title of the unconvertible data list.
inline constexpr char16_t kUnconvertibleTitle[] = u"変換不可データ";
// The caption of the list of figures that produce no moves, shown beside the unconvertible data.
inline constexpr char16_t kNoMoveFiguresCaption[] = u"移動の生じない図形（警告）  [LINE]  [CODE]";

// The list box of the unconvertible data dialog.
class UnconvertibleView {
 public:
  virtual ~UnconvertibleView() = default;
  // Replaces the list box's lines.
  virtual void ShowLines(const std::vector<std::u16string>& lines) = 0;
};

// The unconvertible data dialog ("変換不可データ"): the count and the list that the input step's
// macro check found. In the automatic mode it only writes the result line and closes.
class QuorvalenDlg1 {
 public:
  // Writes a result line to "ERR_INFO.TXT" and counts it (the main dialog's WriteResultFile).
  using ResultWriter = std::function<void(const std::u16string&)>;

  QuorvalenDlg1(UnconvertibleView& view, int32_t count, const std::vector<std::u16string>& entries,
                bool automatic, ResultWriter writeResult);

  // Fills the list, or in the automatic mode writes the 112 line. True when the dialog has
  // closed at once (nothing is shown then).
  bool Open();
  // "OK": closes; nothing else happens.
  bool Ok() { return true; }

 private:
  UnconvertibleView& view_;
  int32_t count_;
  const std::vector<std::u16string>& entries_;
  bool automatic_;
  ResultWriter writeResult_;
};

// The five head lines and then every entry, as the list box shows them.
std::vector<std::u16string> UnconvertibleLines(int32_t count,
                                               const std::vector<std::u16string>& entries);

}  // namespace qv
