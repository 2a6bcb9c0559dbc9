#include "PostFileSamples.h"

#include <fstream>
#include <iterator>

#include "nctext/StringUtil.h"
#include "platform/Codec.h"

namespace qv::test {

std::string QuotedList(const std::vector<std::string>& names) {
  std::string line;
  for (const std::string& name : names) {
    if (!line.empty()) line += ' ';
    line += '"' + name + '"';
  }
  return line;
}

Lines SampleConditionLines(const std::string& material, const std::string& thickness,
                           int workChute) {
  Lines lines = {"HeadManuCond \"" + material + "\" \"" + thickness + "\" " +
                 std::to_string(workChute) + " 4 2 3 3 4 3 3 4 1 0 0 0 0 0 0"};
  for (int row = 1; row <= 31; ++row) {
    if (row == 27 || row == 31) {
      lines.push_back("1");  // autoConditionBasis and conditionIsModal
    } else {
      lines.push_back(material + "/" + thickness + "/" + std::to_string(row));
    }
  }
  return lines;
}

Lines PostSectionLines(const std::string& post, const std::vector<SampleMaterial>& materials) {
  Lines lines = {"HeadPostName \"" + post + "\""};
  std::vector<std::string> materialNames;
  for (const SampleMaterial& m : materials) materialNames.push_back(m.first);
  lines.push_back(QuotedList(materialNames));
  for (const SampleMaterial& m : materials) lines.push_back(QuotedList(m.second));
  if (materials.empty()) lines.emplace_back();
  std::string cond = "HeadPostCond 0 20 20 1 2 3 0 1 0 1 0 1";
  for (int i = 0; i < 19; ++i) cond += " 0";
  lines.push_back(cond);
  for (const char* line : {"M98", "P", "O", "M99", "N", "10"}) lines.emplace_back(line);
  for (int t = 1; t <= 28; ++t) lines.push_back(post + " T" + std::to_string(t));
  for (const char* list : {"LF", "LT", "SF", "ST"}) {
    for (int row = 1; row <= 20; ++row) {
      lines.push_back(row <= 2 ? post + " " + list + std::to_string(row) : std::string());
    }
  }
  int chute = 0;
  for (const SampleMaterial& m : materials) {
    for (const std::string& t : m.second) {
      Lines condition = SampleConditionLines(m.first, t, chute++ % 2);
      lines.insert(lines.end(), std::make_move_iterator(condition.begin()),
                   std::make_move_iterator(condition.end()));
    }
  }
  return lines;
}

Lines PostFileLines(const std::vector<std::pair<std::string, std::vector<SampleMaterial>>>& posts) {
  std::vector<std::string> names;
  for (const auto& post : posts) names.push_back(post.first);
  Lines lines = {"Version 1.69", QuotedList(names)};
  for (const auto& post : posts) {
    Lines section = PostSectionLines(post.first, post.second);
    lines.insert(lines.end(), std::make_move_iterator(section.begin()),
                 std::make_move_iterator(section.end()));
  }
  return lines;
}

Lines FullCapacityPostFileLines() {
  std::vector<SampleMaterial> materials;
  for (int m = 1; m <= 30; ++m) {
    std::vector<std::string> thicknesses;
    for (int t = 1; t <= 20; ++t) thicknesses.push_back(std::to_string(t) + ".0");
    std::string name = "材質 " + std::to_string(m);
    materials.emplace_back(name, thicknesses);
  }
  // One name of exactly the longest length the tables hold.
  materials.back().first = std::string(38, 'X') + "材質";
  std::vector<std::pair<std::string, std::vector<SampleMaterial>>> posts;
  for (int p = 1; p <= 10; ++p) posts.emplace_back("Post " + std::to_string(p), materials);
  return PostFileLines(posts);
}

std::string ToFileBytes(const Lines& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += EncodeCp932(FromUtf8(line));
    bytes += "\r\n";
  }
  return bytes;
}

void WriteLines(const std::u16string& path, const Lines& lines) {
  std::ofstream out(ToUtf8(path), std::ios::binary);
  const std::string bytes = ToFileBytes(lines);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Lines ReadLines(const std::u16string& path) {
  std::ifstream in(ToUtf8(path), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Lines lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(ToUtf8(DecodeCp932(bytes.substr(start, end - start))));
    start = end + 2;
  }
  return lines;
}

}  // namespace qv::test
