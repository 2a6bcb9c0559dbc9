#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "convert/ConversionTable.h"
#include "convert/TableEditor.h"
#include "nctext/ProfileFile.h"
#include "platform/UserInteraction.h"
#include "settings/Settings.h"

namespace qv {

// Window titles of the two table editors.
inline constexpr char16_t kInputTableTitle[] = u"入力変換設定";
inline constexpr char16_t kStringTableTitle[] = u"文字列変換設定";
// Said when OK could not write the settings file; the editor stays open with its rows.
inline constexpr char16_t kTableSaveFailed[] =
    u"設定ファイルを保存できませんでした。\n変換表は変更されていません。";

// The 40 numbered rows of a table editor, a search and a replacement field each.
class TableEditorView {
 public:
  virtual ~TableEditorView() = default;
  // Fills the rows; fieldLimit is the characters a field takes (npos: no limit).
  virtual void ShowRows(const ConversionTable& table, size_t fieldLimit) = 0;
  // The rows as the operator left them.
  virtual ConversionTable Rows() const = 0;
};

// What both table editors do: show a table, and on OK store the edited rows and write the
// settings file; a failed write is told, the table stays as it was and the editor stays open.
class TableEditorDlg {
 public:
  virtual ~TableEditorDlg() = default;
  TableEditorDlg(const TableEditorDlg&) = delete;
  TableEditorDlg& operator=(const TableEditorDlg&) = delete;

  // Shows the table.
  void Open();
  // "OK": true when the table was stored and saved and the dialog closes.
  bool Ok();
  // "ｷｬﾝｾﾙ" and closing the window: nothing changes.
  bool Cancel() { return true; }
  // The window title.
  const std::u16string& Title() const { return title_; }

 protected:
  TableEditorDlg(Settings& settings, UserInteraction& interaction, TableEditorView& view,
                 std::u16string title)
      : settings_(settings), interaction_(interaction), view_(view), title_(std::move(title)) {}

  // The table as the settings hold it now.
  virtual ConversionTable Stored() const = 0;
  // An editor on that table (with its field limit).
  virtual TableEditor Editor() const = 0;
  // The characters a field takes (npos: no limit).
  virtual size_t FieldLimit() const = 0;
  // Puts a table into the settings.
  virtual void Store(const ConversionTable& table) = 0;

  Settings& settings_;

 private:
  UserInteraction& interaction_;
  TableEditorView& view_;
  std::u16string title_;
};

// "入力変換設定": the input conversion set of the selected post, through the working table.
class CMaeHenkan : public TableEditorDlg {
 public:
  // Copies set `set` into working; the editor edits it.
  CMaeHenkan(Settings& settings, int set, WorkingInputTable& working, UserInteraction& interaction,
             TableEditorView& view);

 protected:
  ConversionTable Stored() const override { return working_.table; }
  TableEditor Editor() const override { return TableEditor::ForInputTable(working_.table); }
  size_t FieldLimit() const override { return kInputTableFieldLimit; }
  void Store(const ConversionTable& table) override;

 private:
  int set_;
  WorkingInputTable& working_;
};

// "文字列変換設定": the string conversion table.
class CMojiretuHenkan : public TableEditorDlg {
 public:
  CMojiretuHenkan(Settings& settings, UserInteraction& interaction, TableEditorView& view)
      : TableEditorDlg(settings, interaction, view, kStringTableTitle) {}

 protected:
  ConversionTable Stored() const override { return StringTable(settings_); }
  TableEditor Editor() const override { return TableEditor::ForStringTable(Stored()); }
  // No limit of its own, but no more than the settings file gives back on the next start.
  size_t FieldLimit() const override { return kProfileBufferSize - 1; }
  void Store(const ConversionTable& table) override { StoreStringTable(settings_, table); }
};

}  // namespace qv
