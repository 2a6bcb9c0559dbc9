#include "ui/ResultCodes.h"

#include "nctext/StringUtil.h"

namespace qv {

std::u16string ResultMessage(ResultCode code) {
  switch (code) {
    case ResultCode::Ok:
      return u"正常終了";
    case ResultCode::NoPost:
      return u"ポストが未登録です";
    case ResultCode::NoMaterial:
      return u"材質が未登録です";
    case ResultCode::NoThickness:
      return u"板厚が未登録です";
    case ResultCode::NoOutput:
      return u"出力データがありません";
    case ResultCode::NoInput:
      return u"入力データがありません";
    case ResultCode::NoProgramNumber:
      return u"プログラム番号が未登録です";
    case ResultCode::NoSubprogram:
      return u"サブプロが未登録です";
    case ResultCode::NoSubprogramCall:
      return u"サブプロ呼出が未登録です";
    case ResultCode::OutOfMemory:
      return u"変換用メモリが容量を超えました";
    case ResultCode::Unconvertible:
      return u"変換できないマクロまたはコードが %d "
             u"個あります。「ポスト編集」内の「特殊変換コード」の設定で対応して下さい";
  }
  return u"";
}

std::u16string ResultLine(ResultCode code, int32_t unconvertibleCount) {
  std::u16string line = Sprintf("%d ", static_cast<int>(code)) + ResultMessage(code);
  const size_t slot = line.find(u"%d");
  if (slot != std::u16string::npos) {
    line.replace(slot, 2, Sprintf("%d", static_cast<int>(unconvertibleCount)));
  }
  return line;
}

}  // namespace qv
