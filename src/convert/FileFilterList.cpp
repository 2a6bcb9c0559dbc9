#include "convert/FileFilterList.h"

#include "nctext/StringUtil.h"
#include "settings/Settings.h"

namespace qv {
namespace {

constexpr size_t kNone = std::u16string_view::npos;

// The end of the pair that starts at `from` (after its second "|"), or kNone.
size_t PairEnd(std::u16string_view list, size_t from) {
  const size_t first = list.find(u'|', from);
  if (first == kNone) return kNone;
  const size_t second = list.find(u'|', first + 1);
  return second == kNone ? kNone : second + 1;
}

std::u16string ExtensionOf(std::u16string_view path) {
  const size_t slash = path.rfind(u'/');
  const std::u16string_view name = slash == kNone ? path : path.substr(slash + 1);
  const size_t dot = name.rfind(u'.');
  return dot == kNone ? std::u16string() : ToUpperAscii(name.substr(dot + 1));
}

}  // namespace

std::vector<FileFilter> ParseFilterList(std::u16string_view list) {
  std::vector<FileFilter> filters;
  size_t start = 0;
  while (start < list.size() && list[start] != u'|') {
    const size_t end = PairEnd(list, start);
    if (end == kNone) break;
    const size_t bar = list.find(u'|', start);
    filters.push_back({std::u16string(list.substr(start, bar - start)),
                       std::u16string(list.substr(bar + 1, end - bar - 2))});
    start = end;
  }
  return filters;
}

FilterListUpdate UpdateFilterList(std::u16string_view list, int32_t selected,
                                  std::u16string_view chosenPath) {
  const std::u16string extension = ExtensionOf(chosenPath);
  if (extension.empty()) return {std::u16string(list), 1};
  const size_t firstEnd = std::min(PairEnd(list, 0), list.size());
  if (Contains(list.substr(firstEnd), extension)) return {std::u16string(list), selected};

  const std::u16string added = u"*." + extension + u"|*." + extension + u"|";
  std::u16string rebuilt(list.substr(0, firstEnd));
  int32_t index = 0;
  int32_t position = 2;
  size_t start = firstEnd;
  while (start < list.size() && list[start] != u'|') {
    const size_t end = PairEnd(list, start);
    if (end == kNone) break;
    const std::u16string_view pair = list.substr(start, end - start);
    if (index == 0 && CompareNoCase(pair, added) > 0) {
      rebuilt += added;
      index = position;
    }
    rebuilt += pair;
    ++position;
    start = end;
  }
  if (index == 0) {
    rebuilt += added;
    index = position;
  }
  rebuilt += list.substr(start);
  if (rebuilt.size() >= kFilterBufferSize) rebuilt.resize(kFilterBufferSize - 1);
  return {rebuilt, index};
}

}  // namespace qv
