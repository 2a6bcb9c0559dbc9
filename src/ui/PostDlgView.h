#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The post editor's fields: the 14 code templates, then the four special-code columns of 20
// rows each.
enum class PostField : int32_t {
  HeadLine1a,
  HeadLine1b,  // read-only: derived from the program number and comment
  HeadLine2,
  CoordinateSettingLine,
  PunchPositionSuffix,
  PunchCondition,
  PunchLine3,
  MarkPositionSuffix,
  MarkCondition,
  MarkShapeLine,
  CutPositionSuffix,
  CutCondition,
  CutShapeLine,
  EndPart,
  LineCodeFrom,
  LineCodeTo,
  StringCodeFrom,
  StringCodeTo,
};

// The template fields come first in PostField.
inline constexpr int32_t kPostTemplateFields = 14;

// One field of the post editor: a template (row 0) or a row of a special-code column.
struct PostFieldId {
  PostField field = PostField::HeadLine1a;
  int32_t row = 0;

  bool operator==(const PostFieldId&) const = default;
};

// True for the 14 template fields, whose typed letters become upper case.
bool IsTemplateField(PostField field);
// Text typed into a field as the field keeps it: upper case in the templates, as typed in the
// special codes.
std::u16string TypedText(PostField field, std::u16string_view typed);

// What the post editor's logic reads from and shows on its window.
class PostDlgView {
 public:
  virtual ~PostDlgView() = default;
  // The field's text as the operator left it.
  virtual std::u16string Text(PostFieldId id) const = 0;
  virtual void SetText(PostFieldId id, std::u16string_view text) = 0;
  // Takes the operator's input from the controls; false when the toolkit could not.
  virtual bool TakeValues() = 0;
  // Runs the special code II dialog for the post modally.
  virtual void RunSpecialCodes(std::u16string_view postName) = 0;
  // Ends the dialog: accepted for OK.
  virtual void Close(bool accepted) = 0;
};

}  // namespace qv
