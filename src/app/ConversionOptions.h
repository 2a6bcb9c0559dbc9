#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "post/PostRecord.h"
#include "post/PostStore.h"
#include "settings/Settings.h"

namespace qv {

// Largest sequence start number the dialog accepts.
inline constexpr int32_t kMaxSequenceNumber = 100000;

// The option values of a run as the main dialog's fields hold them: radio groups as the index of
// the selected button (-1 when none is selected), check boxes as 0 or 1.
struct ConversionOptions {
  int32_t sequenceMode = -1;  // 0 number the blocks, 1 add none, 2 keep the input's
  std::u16string sequenceCode;
  int32_t sequenceNumber = 0;
  int32_t macroMode = -1;       // exact stop: 0 G09, 1 G00, 2 nothing
  int32_t cutterSide = -1;      // 0 G41, 1 G42
  int32_t decimalIndex = -1;    // 0 "1/10" .. 3 "1/10000"
  int32_t coordinateMode = -1;  // 0 write G92, 1 leave the program's G92
  std::u16string g92X;
  std::u16string g92Y;
  std::u16string coordinateCode2;
  std::u16string coordinateX2;
  std::u16string coordinateY2;
  int32_t keepHeadComment = 0;
  int32_t deleteAfterM30 = 0;
  int32_t addMotionCodes = 0;
  int32_t skipSameCondition = 0;
  std::u16string programAddress;
  std::u16string programNumber;
  std::u16string comment;
  std::u16string subprogramCallCode;
  std::u16string subprogramNumberWord;
  std::u16string subprogramAddress;
  std::u16string subprogramEndCode;
  int32_t breakUpSubprograms = 0;
  int32_t conversionType = -1;  // run-wide: 0 machine conversion, 1 string conversion only
  int32_t g93Mode = -1;         // run-wide: 0 convert, 1 delete, 2 change to g93Code
  std::u16string g93Code;       // run-wide
  // The texts of the post, material and thickness drop-down lists.
  std::u16string postName;
  std::u16string materialName;
  std::u16string thicknessName;

  bool operator==(const ConversionOptions&) const = default;
};

// Why the dialog's validation refuses the fields.
enum class OptionsCheck { Valid, SequenceCodeTooLong, SequenceNumberOutOfRange };

// Which option controls are enabled for the current field values.
struct OptionEnabling {
  bool coordinateFields = false;  // G92 X/Y and the second row: coordinate mode 0
  bool g93Group = false;          // the "G93変換" group: coordinate mode 1
  bool g93Code = false;           // the G93 code field: G93 mode 2 (within an enabled group)
  bool operator==(const OptionEnabling&) const = default;
};

OptionsCheck ValidateOptions(const ConversionOptions& fields);
// A number field as the operator typed it (blanks around it allowed). Anything but the digits of
// a number from 0 (a typo, an empty field, a value too large to hold) reads as -1, which
// validation refuses: a typo must stop the run, not number the blocks from 0.
int32_t TypedNumber(std::u16string_view typed);
OptionEnabling EnablingFor(const ConversionOptions& fields);

// Validates the fields, then writes every option into the store's post record and the run-wide
// settings, and forms the derived texts. In the normal and forwarding modes the three list texts
// become the current selection; in the automatic mode the selection stays as the settings gave
// it. Refused fields change nothing.
OptionsCheck TakeOptions(const ConversionOptions& fields, int32_t startMode, PostStore& store,
                         Settings& runWide);

// The reverse, after a post is selected or loaded: the record's and the run-wide values into
// the fields (the three list texts are left alone).
void ShowOptions(const PostRecord& record, const Settings& runWide, ConversionOptions& fields);

}  // namespace qv
