#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "post/PostLimits.h"

namespace qv {

// One list of special conversion codes (line-unit or string-unit, "from" or "to").
using SpecialCodeList = std::array<std::u16string, kSpecialCodeRows>;

// The current post: options, templates and special codes, fields in post file order. The
// 19 reserved values of the HeadPostCond line are not held; a save writes them as 0.
struct PostRecord {
  int32_t coordinateMode = 0;  // 0 set G92 from g92X/g92Y, 1 leave G92 (G93 handling)
  int32_t fromRowCount = kSpecialCodeRows;
  int32_t toRowCount = kSpecialCodeRows;
  int32_t macroMode = 0;     // 0 G09, 1 G00, 2 none
  int32_t sequenceMode = 0;  // radio index: number them / do not add / keep
  int32_t decimalIndex = 0;
  int32_t deleteAfterM30 = 0;
  int32_t cutterSide = 0;  // 0 left (G41), 1 right (G42)
  int32_t skipSameCondition = 0;
  int32_t addMotionCodes = 0;
  int32_t keepHeadComment = 0;
  int32_t breakUpSubprograms = 0;

  std::u16string subprogramCallCode = u"M98";
  std::u16string subprogramNumberWord = u"P";
  std::u16string subprogramAddress = u"O";
  std::u16string subprogramEndCode = u"M99";

  std::u16string sequenceCode;
  int32_t sequenceNumber = 0;

  std::u16string programAddress;
  std::u16string programNumber;
  std::u16string comment;
  std::u16string g92X;
  std::u16string g92Y;
  std::u16string coordinateCode2;
  std::u16string coordinateX2;
  std::u16string coordinateY2;
  std::u16string headLine1a;
  std::u16string headLine1b;  // derived from programAddress, programNumber and comment
  std::u16string headLine2;
  std::u16string coordinateLine;  // derived from the coordinate fields
  std::u16string coordinateSettingLine;
  std::u16string punchPositionSuffix;
  std::u16string punchConvertedCondition;
  std::u16string punchCondition;
  std::u16string punchLine3;
  std::u16string markPositionSuffix;
  std::u16string markConvertedCondition;
  std::u16string markCondition;
  std::u16string markShapeMarker;
  std::u16string markShapeLine;
  std::u16string cutPositionSuffix;
  std::u16string cutConditionMarker;
  std::u16string cutCondition;
  std::u16string cutShapeMarker;
  std::u16string cutShapeLine;
  std::u16string endPart;

  SpecialCodeList lineCodeFrom;
  SpecialCodeList lineCodeTo;
  SpecialCodeList stringCodeFrom;
  SpecialCodeList stringCodeTo;

  bool operator==(const PostRecord&) const = default;
};

}  // namespace qv
