#pragma once

#include <cstdint>

namespace qv {

// Fixed capacities of the post data. Data entering the store (file lines, typed names, list
// rows) is cut to these sizes; nothing beyond them is ever stored.
inline constexpr int32_t kMaxPosts = 10;
inline constexpr int32_t kMaxMaterials = 30;
inline constexpr int32_t kMaxThicknesses = 20;
// Rows of each line-unit and string-unit special-code list.
inline constexpr int32_t kSpecialCodeRows = 20;
// Blocks in the additional special code file.
inline constexpr int32_t kSpecialCodeBlocks = 10;
// The special code II editor shows its pairs in pages of this size.
inline constexpr int32_t kSpecialCodePageSize = 60;

// Values on the HeadPostCond line after coordinateMode, and on the HeadManuCond line after
// workChute.
inline constexpr int32_t kPostValueCount = 30;
inline constexpr int32_t kLayoutValueCount = 15;
// Lines of a machining condition after its HeadManuCond line.
inline constexpr int32_t kConditionBodyLines = 31;
// Template lines of a post header after the two sequence lines.
inline constexpr int32_t kTemplateLineCount = 28;

}  // namespace qv
