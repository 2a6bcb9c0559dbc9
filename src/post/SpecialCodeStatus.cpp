#include "post/SpecialCodeStatus.h"

#include <string_view>
#include <utility>

namespace qv {
namespace {

constexpr std::pair<SpecialCodeStatus, std::u16string_view> kMessages[] = {
    {SpecialCodeStatus::InitFailed, u"初期化に失敗しました"},
    {SpecialCodeStatus::PostNotInFile, u"ポストデータが存在しませんでした"},
    {SpecialCodeStatus::ReadFailed, u"データの読み込みに失敗しました"},
    {SpecialCodeStatus::PostDataNotFound, u"POSTデータが見つかりません"},
    {SpecialCodeStatus::WriteFailed, u"POSTデータの書き込みに失敗しました"},
    {SpecialCodeStatus::NoPosts, u"POSTが存在しません"},
    {SpecialCodeStatus::FileNotFound, u"追加特殊コードファイルが見つかりません"},
};

}  // namespace

std::u16string SpecialCodeMessage(SpecialCodeStatus status) {
  for (const auto& [code, text] : kMessages) {
    if (code == status) return std::u16string(text);
  }
  return {};
}

}  // namespace qv
