#pragma once

// Line-level pieces of the post file shared by loading, saving and upgrading.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "post/PostStore.h"

namespace qv {

inline constexpr std::u16string_view kHeadPostName = u"HeadPostName";
inline constexpr std::u16string_view kHeadPostCond = u"HeadPostCond";
inline constexpr std::u16string_view kHeadManuCond = u"HeadManuCond";

// The fields of a post file line: split at spaces, double quotes grouping and removed.
std::vector<std::u16string> SplitPostLine(std::u16string_view line);

// Whether the first field of line is keyword (cheap for the many lines that are not).
bool FirstFieldIs(std::u16string_view line, std::u16string_view keyword);

// The field at index, or an empty string when the line has fewer fields.
std::u16string FieldAt(const std::vector<std::u16string>& fields, size_t index);

// A name in double quotes; an empty name is written as nothing.
std::u16string QuoteName(std::u16string_view name);

// Names quoted and joined by one space.
std::u16string JoinQuoted(const std::u16string* names, int32_t count);

// "Version 1.69".
std::u16string CurrentVersionLine();

// The version of a post file's first line (or of the text after "Version "), as the upgrade
// and the conversion tables compare it: its last four characters, times 100 ("1.13" -> 113).
int32_t PostFileVersion100(std::u16string_view line);

// "HeadPostCond" with coordinateMode and the 30 values, each after one space.
std::u16string PostConditionLine(int32_t coordinateMode, const int32_t* values, size_t count);

// The 30 HeadPostCond values of a record: its row counts and options, reserved values 0.
std::vector<int32_t> PostValuesOf(const PostRecord& record);

// The 31 lines of a machining condition after its HeadManuCond line.
std::vector<std::u16string> ConditionBodyLines(const MachiningCondition& condition);

// The raw-line fields of a record in file order: the 4 subprogram lines, then the 28 template
// lines (the two sequence lines sit between them in the file and are handled apart).
std::vector<std::u16string*> RecordTemplateFields(PostRecord& record);

}  // namespace qv
