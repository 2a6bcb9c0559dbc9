#include "app/ConversionOptions.h"

#include <limits>
#include <optional>

#include "app/StartArguments.h"
#include "nctext/StringUtil.h"

namespace qv {
OptionsCheck ValidateOptions(const ConversionOptions& fields) {
  if (fields.sequenceCode.size() > 1) return OptionsCheck::SequenceCodeTooLong;
  if (fields.sequenceNumber < 0 || fields.sequenceNumber > kMaxSequenceNumber) {
    return OptionsCheck::SequenceNumberOutOfRange;
  }
  return OptionsCheck::Valid;
}

int32_t TypedNumber(std::u16string_view typed) {
  const std::optional<int64_t> value = ParseInt(Trim(typed));
  if (!value || *value < 0 || *value > std::numeric_limits<int32_t>::max()) return -1;
  return static_cast<int32_t>(*value);
}

OptionEnabling EnablingFor(const ConversionOptions& fields) {
  OptionEnabling enabling;
  enabling.coordinateFields = fields.coordinateMode == 0;
  enabling.g93Group = fields.coordinateMode == 1;
  enabling.g93Code = enabling.g93Group && fields.g93Mode == 2;
  return enabling;
}

OptionsCheck TakeOptions(const ConversionOptions& fields, int32_t startMode, PostStore& store,
                         Settings& runWide) {
  if (const OptionsCheck check = ValidateOptions(fields); check != OptionsCheck::Valid) {
    return check;
  }
  PostRecord& r = store.record;
  r.sequenceMode = fields.sequenceMode;
  r.sequenceCode = fields.sequenceCode;
  r.sequenceNumber = fields.sequenceNumber;
  r.macroMode = fields.macroMode;
  r.cutterSide = fields.cutterSide;
  r.decimalIndex = fields.decimalIndex;
  r.coordinateMode = fields.coordinateMode;
  r.g92X = fields.g92X;
  r.g92Y = fields.g92Y;
  r.coordinateCode2 = fields.coordinateCode2;
  r.coordinateX2 = fields.coordinateX2;
  r.coordinateY2 = fields.coordinateY2;
  r.keepHeadComment = fields.keepHeadComment;
  r.deleteAfterM30 = fields.deleteAfterM30;
  r.addMotionCodes = fields.addMotionCodes;
  r.skipSameCondition = fields.skipSameCondition;
  r.programAddress = fields.programAddress;
  r.programNumber = fields.programNumber;
  r.comment = RemoveLineBreaks(fields.comment);
  r.subprogramCallCode = fields.subprogramCallCode;
  r.subprogramNumberWord = fields.subprogramNumberWord;
  r.subprogramAddress = fields.subprogramAddress;
  r.subprogramEndCode = fields.subprogramEndCode;
  r.breakUpSubprograms = fields.breakUpSubprograms;
  runWide.conversionType = fields.conversionType;
  runWide.g93Mode = fields.g93Mode;
  runWide.g93Code = fields.g93Code;
  r.headLine1b = DerivedHeadLine1b(r);
  r.coordinateLine = DerivedCoordinateLine(r);
  if (startMode != kStartAutomatic) {
    // The automatic run must still see names the settings gave but the post file lacks.
    const std::u16string post = CutName(fields.postName);
    const std::u16string material = CutName(fields.materialName);
    const std::u16string thickness = CutName(fields.thicknessName);
    store.post = {post, post};
    store.material = {material, material};
    store.thickness = {thickness, thickness};
  }
  return OptionsCheck::Valid;
}

void ShowOptions(const PostRecord& r, const Settings& runWide, ConversionOptions& fields) {
  fields.sequenceMode = r.sequenceMode;
  fields.sequenceCode = r.sequenceCode;
  fields.sequenceNumber = r.sequenceNumber;
  fields.macroMode = r.macroMode;
  fields.cutterSide = r.cutterSide;
  fields.decimalIndex = r.decimalIndex;
  fields.coordinateMode = r.coordinateMode;
  fields.g92X = r.g92X;
  fields.g92Y = r.g92Y;
  fields.coordinateCode2 = r.coordinateCode2;
  fields.coordinateX2 = r.coordinateX2;
  fields.coordinateY2 = r.coordinateY2;
  fields.keepHeadComment = r.keepHeadComment;
  fields.deleteAfterM30 = r.deleteAfterM30;
  fields.addMotionCodes = r.addMotionCodes;
  fields.skipSameCondition = r.skipSameCondition;
  fields.programAddress = r.programAddress;
  fields.programNumber = r.programNumber;
  fields.comment = r.comment;
  fields.subprogramCallCode = r.subprogramCallCode;
  fields.subprogramNumberWord = r.subprogramNumberWord;
  fields.subprogramAddress = r.subprogramAddress;
  fields.subprogramEndCode = r.subprogramEndCode;
  fields.breakUpSubprograms = r.breakUpSubprograms;
  fields.conversionType = runWide.conversionType;
  fields.g93Mode = runWide.g93Mode;
  fields.g93Code = runWide.g93Code;
}

}  // namespace qv
