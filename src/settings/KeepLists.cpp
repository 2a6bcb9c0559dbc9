#include "settings/KeepLists.h"

#include "nctext/CnlStringAnlyss.h"
#include "nctext/Cnltextfilerw.h"
#include "nctext/StringUtil.h"

namespace qv {
namespace {

void TakeValue(const std::u16string& key, const std::u16string& value, KeepLists& lists) {
  if (key == u"OCodeCheckCounter") {
    lists.oCodeCheckCounter = ToInt(value);
  } else if (key == u"Remain1Code") {
    if (value.empty() || (value[0] != u'G' && value[0] != u'M')) return;
    if (lists.remain1Codes.size() >= kMaxRemain1Codes) return;
    lists.remain1Codes.push_back({value[0], ToInt(TrimLeft(std::u16string_view(value).substr(1)))});
  } else if (key == u"Remain1String") {
    lists.remain1Strings.push_back(value);
  }
}

}  // namespace

int32_t LoadKeepLists(const std::u16string& path, KeepLists& lists) {
  lists = KeepLists{};
  Cnltextfilerw file;
  if (file.Open(path, OpenMode::Read) != 0) return -1;
  std::u16string line;
  if (file.ReadString(line) != 0) {
    file.Close();
    return -1;
  }
  CnlStringAnlyss splitter;
  splitter.AddSeparator(u' ');
  while (file.ReadString(line) == 0) {
    splitter.ClearTokens();
    const int32_t count = splitter.Split(line);
    std::u16string key;
    splitter.GetToken(0, key);
    for (int32_t i = 1; i < count; ++i) {
      std::u16string value;
      splitter.GetToken(i, value);
      TakeValue(key, value, lists);
    }
  }
  return file.Close() == 0 ? 0 : -1;
}

}  // namespace qv
