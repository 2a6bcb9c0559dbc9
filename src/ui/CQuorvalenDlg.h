#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/CQuorvalenApp.h"
#include "convert/CNcFileIO.h"
#include "engine/CQuorvalenDB.h"
#include "post/CNcPostFile.h"
#include "post/PlainNameList.h"
#include "ui/MainView.h"
#include "ui/ResultCodes.h"

namespace qv {

// How the close path was started: "終了" or the window's own close.
enum class CloseBy { Button, Window };

// Which drop-down a registration check reads.
enum class ListKind { Post, Material, Thickness };

// The main dialog's logic without a toolkit: it fills the drop-downs and fields of its view,
// loads the input, runs the conversion, reports results and writes the output. The window only
// shows what it is told and passes the operator's actions here.
class CQuorvalenDlg {
 public:
  CQuorvalenDlg(CQuorvalenApp& app, MainView& view);
  CQuorvalenDlg(const CQuorvalenDlg&) = delete;
  CQuorvalenDlg& operator=(const CQuorvalenDlg&) = delete;

  // Fills the lists and fields; the forwarding and automatic modes load the input at once, and
  // the automatic mode then converts, transfers and closes. True when the dialog has closed.
  bool Open();
  // "入力": loads the input and checks its macros. 0 loaded, -1 cancelled or failed.
  int32_t Input();
  // "変換実行".
  void RunConversion();
  // "出力": 0 when the output was written (or there was nothing to write), else -1.
  int32_t Output();
  // "変換　データ転送　実行".
  void ConvertAndTransfer();
  // "終了" and the close request of a forwarding start: 0 when the dialog may close; 1 when
  // a forwarded input was loaded instead, 2 or -1 when the dialog stays open.
  int32_t Close(CloseBy by = CloseBy::Button);

  // The "追加", "変更", "削除" buttons of the post list and of the material/thickness lists.
  void AddPost();
  void ChangePost();
  void DeletePost();
  void AddCondition();
  void ChangeCondition();
  void DeleteCondition();
  // The operator picked an item of a drop-down.
  void SelectPost(int32_t index);
  void SelectMaterial(int32_t index);
  void SelectThickness(int32_t index);

  // "入力変換", "変換表", "ポスト編集", "加工条件編集", "パラメータ" and the version entry.
  void EditInputTable();
  void EditStringTable();
  void EditPost();
  void EditConditions();
  void EditParameters();
  void ShowVersion();

  // The radio buttons that take effect at once.
  void SetCoordinateMode(int32_t mode);
  void SetG93Mode(int32_t mode);
  void SetConversionType(int32_t type);
  // Leaving the G93 code field.
  void TakeG93Code();

  // The automatic mode writes the result line; otherwise the message is shown.
  void ReportResult(ResultCode code);
  // Replaces "ERR_INFO.TXT" by the line and counts it.
  void WriteResultFile(const std::u16string& line);

  int32_t ErrorCount() const { return errorCount_; }
  const CQuorvalenDB& Engine() const { return engine_; }
  const std::vector<std::u16string>& Unconvertible() const { return unconvertible_; }
  // The figures of the last load that produce no moves.
  const std::vector<std::u16string>& NoMoveFigures() const { return noMoveFigures_; }
  // The application the dialog works for; its window opens the editors on its stores.
  CQuorvalenApp& App() { return app_; }

 private:
  CNcFileIO FileIO();
  void FillLists();
  void PlaceOnOpen();
  void RestoreWindow();
  void SavePlacement(CloseBy by);
  void ApplyEnabling();
  void AnnounceTitleAgain();
  // Whether a refresh shows the post record's options or keeps what the fields hold: the post
  // buttons, a change of post and deleting a condition show the record's; the others keep the
  // typed ones.
  enum class OptionFields { Shown, Kept };
  void Refresh(OptionFields options = OptionFields::Shown);
  void SyncNameLists();
  void LoadPost(PostLoadMode mode);
  bool SavePost(PostSaveMode mode);
  bool RequireLists(int32_t depth);
  void FinishConditionEdit(PostSaveMode mode);
  struct ConditionControls {
    PlainNameList materials;
    PlainNameList thicknesses;
  };
  ConditionControls MakeConditionControls();
  void TellConditionRefusal();
  void ShowListing(int32_t mode, const LineList& lines);
  void ShowUnconvertible(bool refused);
  int32_t CheckRegistered(ListKind which, int32_t mode);
  bool Ask(QuestionKind kind, const std::u16string& text);
  void Tell(const std::u16string& text);
  bool TakeFields();
  int32_t ForwardingRequest();
  bool IsAutomatic() const;

  // The machine conversion, one step each.
  void RunMachineConversion();
  void RunStringConversion();
  void SavePostHeader();
  bool CheckSelection();
  bool CheckRegistrations();
  bool ReloadInput();
  void FixSource();
  bool CheckSubprogramWords();
  int32_t ConvertProgram();
  bool ExpandSubprograms();
  void FinishMachineRun();
  void FilterAndShow();

  CQuorvalenApp& app_;
  MainView& view_;
  CQuorvalenDB engine_;
  NcFileState fileState_;
  DropDown posts_;
  DropDown materials_;
  DropDown thicknesses_;
  std::vector<std::u16string> unconvertible_;
  std::vector<std::u16string> noMoveFigures_;
  std::vector<int32_t> g98LineIndexes_;
  std::u16string ownTitle_;
  bool loadRefused_ = false;  // the loaded program holds lines that cannot be converted
  std::u16string announcedTitle_;  // the title with the loaded path, as a second start finds it
  int32_t postIndex_ = -1;
  int32_t lastRunConverted_ = 0;
  int32_t runCounter_ = 0;
  int32_t errorCount_ = 0;
  int32_t outputStatus_ = -1;
  bool insertedG92_ = false;
  bool convertedSinceLoad_ = false;
};

// Runs the dialog without a window (the automatic mode): opens it on a headless view.
DialogResult RunHeadlessDialog(CQuorvalenApp& app);

}  // namespace qv
