#pragma once

// Post files written line by line, independently of the code under test, for the post tests
// and the post file benchmark. Lines are UTF-8 here and code page 932 with CR LF on disk.

#include <string>
#include <utility>
#include <vector>

namespace qv::test {

using Lines = std::vector<std::string>;
// A material and its thickness names.
using SampleMaterial = std::pair<std::string, std::vector<std::string>>;

// A post section: header with recognisable template and code rows ("<post> T1" ...), then one
// 32-line condition per (material, thickness) in table order, bodies "<m>/<t>/<row>".
Lines PostSectionLines(const std::string& post, const std::vector<SampleMaterial>& materials);

// The 32 lines of one condition as PostSectionLines writes it.
Lines SampleConditionLines(const std::string& material, const std::string& thickness,
                           int workChute);

// "Version 1.69", the quoted post names, then each post's section.
Lines PostFileLines(const std::vector<std::pair<std::string, std::vector<SampleMaterial>>>& posts);

// 10 posts x 30 materials x 20 thicknesses: 6,000 conditions.
Lines FullCapacityPostFileLines();

// Quoted names joined by one space.
std::string QuotedList(const std::vector<std::string>& names);

// Code page 932 bytes of the lines, each ended by CR LF.
std::string ToFileBytes(const Lines& lines);
void WriteLines(const std::u16string& path, const Lines& lines);
// The file's lines (split at CR LF), decoded to UTF-8.
Lines ReadLines(const std::u16string& path);

}  // namespace qv::test
