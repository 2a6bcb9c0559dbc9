#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The two texts of a special code II pair on screen.
enum class PairColumn : int32_t { From, To };

// What the special code II dialog's logic reads from and shows on its window: one page of 60
// pairs (rows 0 to 59) and the page number with the page count.
class SpecialCodeView {
 public:
  virtual ~SpecialCodeView() = default;
  // The text of a visible pair field as the operator left it.
  virtual std::u16string Text(PairColumn column, int32_t row) const = 0;
  virtual void SetText(PairColumn column, int32_t row, std::u16string_view text) = 0;
  // Shows "current / count" (1-based).
  virtual void ShowPage(int32_t current, int32_t count) = 0;
  // Takes the operator's input from the controls; false when the toolkit could not.
  virtual bool TakeValues() = 0;
  // Ends the dialog: accepted for OK.
  virtual void Close(bool accepted) = 0;
};

}  // namespace qv
