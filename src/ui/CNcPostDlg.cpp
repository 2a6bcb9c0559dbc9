#include "ui/CNcPostDlg.h"

#include <utility>

#include "nctext/StringUtil.h"
#include "post/CNcPostFile.h"

namespace qv {
namespace {

struct TemplateBinding {
  PostField field;
  std::u16string PostRecord::*value;
};

constexpr TemplateBinding kTemplates[] = {
    {PostField::HeadLine1a, &PostRecord::headLine1a},
    {PostField::HeadLine1b, &PostRecord::headLine1b},
    {PostField::HeadLine2, &PostRecord::headLine2},
    {PostField::CoordinateSettingLine, &PostRecord::coordinateSettingLine},
    {PostField::PunchPositionSuffix, &PostRecord::punchPositionSuffix},
    {PostField::PunchCondition, &PostRecord::punchCondition},
    {PostField::PunchLine3, &PostRecord::punchLine3},
    {PostField::MarkPositionSuffix, &PostRecord::markPositionSuffix},
    {PostField::MarkCondition, &PostRecord::markCondition},
    {PostField::MarkShapeLine, &PostRecord::markShapeLine},
    {PostField::CutPositionSuffix, &PostRecord::cutPositionSuffix},
    {PostField::CutCondition, &PostRecord::cutCondition},
    {PostField::CutShapeLine, &PostRecord::cutShapeLine},
    {PostField::EndPart, &PostRecord::endPart},
};

struct CodeListBinding {
  PostField field;
  SpecialCodeList PostRecord::*rows;
};

constexpr CodeListBinding kCodeLists[] = {
    {PostField::LineCodeFrom, &PostRecord::lineCodeFrom},
    {PostField::LineCodeTo, &PostRecord::lineCodeTo},
    {PostField::StringCodeFrom, &PostRecord::stringCodeFrom},
    {PostField::StringCodeTo, &PostRecord::stringCodeTo},
};

constexpr std::u16string_view kCutConditionMarker = u"[CUT-FIG-CONDITION]";

// The selection pairs as the main dialog holds them.
void GiveSelection(const PostStore& store, CNcPostFile& file) {
  file.SetPostNames(store.post.oldName, store.post.newName);
  file.SetMaterialNames(store.material.oldName, store.material.newName);
  file.SetThicknessNames(store.thickness.oldName, store.thickness.newName);
}

}  // namespace

bool IsTemplateField(PostField field) { return static_cast<int32_t>(field) < kPostTemplateFields; }

std::u16string TypedText(PostField field, std::u16string_view typed) {
  return IsTemplateField(field) ? ToUpperAscii(typed) : std::u16string(typed);
}

CNcPostDlg::CNcPostDlg(PostDlgView& view, PostStore& store, const SystemFiles& files,
                       UserInteraction& interaction, std::u16string listedPost)
    : CNcPostDlg(view, store, files, interaction, std::move(listedPost), disk_) {}

// Binds lines_ to disk_ only; disk_ holds no state, so its later construction changes nothing.
CNcPostDlg::CNcPostDlg(PostDlgView& view, PostStore& store, const SystemFiles& files,
                       UserInteraction& interaction, std::u16string listedPost, LineFiles& lines)
    : view_(view),
      store_(store),
      files_(files),
      interaction_(interaction),
      listedPost_(std::move(listedPost)),
      lines_(lines) {}

void CNcPostDlg::Open() {
  const PostRecord& record = store_.record;
  for (const TemplateBinding& binding : kTemplates) {
    view_.SetText({binding.field, 0}, record.*binding.value);
  }
  for (const CodeListBinding& binding : kCodeLists) {
    const SpecialCodeList& rows = record.*binding.rows;
    for (int32_t row = 0; row < kSpecialCodeRows; ++row) {
      view_.SetText({binding.field, row}, rows[static_cast<size_t>(row)]);
    }
  }
}

void CNcPostDlg::OnOk() {
  if (!view_.TakeValues()) return;
  TakeFields();
  if (!SaveHeader()) {
    interaction_.ShowMessage(
        {MessageKind::Exclamation, std::u16string(kPostSaveFailedMessage), kMessageCaption});
    return;
  }
  view_.Close(true);
}

void CNcPostDlg::OnCancel() {
  CNcPostFile file(store_, files_, lines_);
  GiveSelection(store_, file);
  file.Load(PostLoadMode::PostEditorCancel);
  view_.Close(false);
}

void CNcPostDlg::OnSpecialCodes() { view_.RunSpecialCodes(listedPost_); }

void CNcPostDlg::TakeFields() {
  PostRecord& record = store_.record;
  for (const TemplateBinding& binding : kTemplates) {
    record.*binding.value = view_.Text({binding.field, 0});
  }
  for (const CodeListBinding& binding : kCodeLists) {
    SpecialCodeList& rows = record.*binding.rows;
    for (int32_t row = 0; row < kSpecialCodeRows; ++row) {
      rows[static_cast<size_t>(row)] = view_.Text({binding.field, row});
    }
  }
  record.punchConvertedCondition = store_.condition.punch[1];
  record.markConvertedCondition = store_.condition.marking[1];
  record.cutConditionMarker = kCutConditionMarker;
}

bool CNcPostDlg::SaveHeader() {
  CNcPostFile file(store_, files_, lines_);
  GiveSelection(store_, file);
  return file.Save(PostSaveMode::SaveHeaderEditorOk) == PostFileStatus::Ok;
}

}  // namespace qv
