#include "ui/CQuorvalenDlg.h"

#include "app/StartArguments.h"
#include "engine/EngineLimits.h"
#include "macro/CGMacroChg.h"
#include "nctext/FieldSplitter.h"
#include "nctext/ProfileFile.h"
#include "nctext/StringUtil.h"
#include "nctext/TextFileReplace.h"
#include "post/CNcPostFile.h"
#include "ui/QuorvalenDlg1.h"

namespace qv {
namespace {

constexpr char16_t kDialogTitle[] = u"ＮＣデータ変換";
constexpr char16_t kSourceCaption[] = u"読み込みデータ（変換前のデータ）";
constexpr char16_t kResultFile[] = u"ERR_INFO.TXT";

// The remembered name's item when the list holds it (letter case aside), else item 0.
DropDown MakeDropDown(std::vector<std::u16string> items, const std::u16string& remembered) {
  DropDown list{std::move(items), u""};
  if (list.items.empty()) return list;
  list.text = list.items.front();
  for (const std::u16string& item : list.items) {
    if (CompareNoCase(item, remembered) == 0) {
      list.text = item;
      break;
    }
  }
  return list;
}

template <typename Table>
std::vector<std::u16string> NamesOf(const Table& table, int32_t count) {
  std::vector<std::u16string> names;
  for (int32_t i = 0; i < count && i < static_cast<int32_t>(table.size()); ++i) {
    if (table[static_cast<size_t>(i)].empty()) break;
    names.push_back(table[static_cast<size_t>(i)]);
  }
  return names;
}

int32_t IndexOf(const DropDown& list) {
  for (size_t i = 0; i < list.items.size(); ++i) {
    if (list.items[i] == list.text) return static_cast<int32_t>(i);
  }
  return -1;
}

}  // namespace

CQuorvalenDlg::CQuorvalenDlg(CQuorvalenApp& app, MainView& view)
    : app_(app), view_(view), engine_(app.Posts(), app.CurrentSettings(), app.Keep()) {}

bool CQuorvalenDlg::IsAutomatic() const { return app_.StartMode() == kStartAutomatic; }

void CQuorvalenDlg::Tell(const std::u16string& text) {
  app_.Interaction().ShowMessage({MessageKind::Information, text, kMessageCaption});
}

bool CQuorvalenDlg::Ask(QuestionKind kind, const std::u16string& text) {
  const Answer answer = app_.Interaction().Ask({kind, text, kMessageCaption});
  return answer == Answer::Yes || answer == Answer::Ok;
}

bool CQuorvalenDlg::Open() {
  view_.ShowTransfer(app_.StartMode() != kStartNormal);
  ownTitle_ = kDialogTitle;
  view_.SetTitle(ownTitle_);
  FillLists();
  SyncNameLists();
  PlaceOnOpen();
  ConversionOptions fields = view_.Fields();
  ShowOptions(app_.Posts().record, app_.CurrentSettings(), fields);
  fields.postName = posts_.text;
  fields.materialName = materials_.text;
  fields.thicknessName = thicknesses_.text;
  view_.ShowFields(fields);
  ApplyEnabling();
  if (app_.StartMode() == kStartNormal) {
    RestoreWindow();
    return false;
  }
  const int32_t input = Input();
  if (!IsAutomatic()) return false;
  if (input < kNcFileUnreadable) {
    // A file refused by a limit is a result of its own, not an empty input.
    ReportResult(ResultCode::OutOfMemory);
  } else {
    ConvertAndTransfer();
  }
  return Close() == 0;
}

void CQuorvalenDlg::FillLists() {
  const PostStore& store = app_.Posts();
  posts_ = MakeDropDown(NamesOf(store.postNames, store.postCount), store.post.newName);
  materials_ =
      MakeDropDown(NamesOf(store.materialNames, store.materialCount), store.material.newName);
  const int32_t material = IndexOf(materials_);
  std::vector<std::u16string> thicknesses;
  if (material >= 0) {
    thicknesses = NamesOf(store.thicknessNames[static_cast<size_t>(material)], kMaxThicknesses);
  }
  thicknesses_ = MakeDropDown(std::move(thicknesses), store.thickness.newName);
  postIndex_ = IndexOf(posts_);
  view_.ShowLists(posts_, materials_, thicknesses_);
}

CNcFileIO CQuorvalenDlg::FileIO() {
  const StartArguments& args = app_.Arguments();
  NcFileStart start = NcFileStart::Operator;
  if (args.startMode == kStartForwarding) start = NcFileStart::Host;
  if (args.startMode == kStartAutomatic) start = NcFileStart::Automatic;
  EngineState& state = engine_.State();
  return CNcFileIO({app_.Interaction(), app_.CurrentSettings(), fileState_, state.sourceLines,
                    state.outputLines, lastRunConverted_, postIndex_, start, args.inputPath,
                    args.outputPath});
}

// The dialog's data exchange: refused fields are said and stop what was asked.
bool CQuorvalenDlg::TakeFields() {
  switch (ValidateOptions(view_.Fields())) {
    case OptionsCheck::Valid:
      return true;
    case OptionsCheck::SequenceCodeTooLong:
      Tell(u"シーケンス番号のコードは1文字までです。");
      return false;
    case OptionsCheck::SequenceNumberOutOfRange:
      Tell(u"シーケンス番号は 0 から 100000 までです。");
      return false;
  }
  return false;
}

int32_t CQuorvalenDlg::Input() {
  if (const int32_t status = FileIO().InputNcFile(); status != 0) return status;
  const std::u16string title = ownTitle_ + u" [" + fileState_.currentInputPath + u"]";
  view_.SetTitle(title);
  app_.AnnounceWindowTitle(title);
  announcedTitle_ = title;
  // The view after loading is the program as read; the preview draws it from there.
  EngineState& state = engine_.State();
  state.viewLines = state.sourceLines;
  ShowListing(3, state.viewLines);
  const PostRecord& record = app_.Posts().record;
  CGMacroChg macro;
  macro.SetOptions({record.decimalIndex, record.macroMode, record.cutterSide});
  unconvertible_.clear();
  noMoveFigures_.clear();
  macro.SetReportLists(&unconvertible_, &noMoveFigures_);
  std::vector<std::u16string> expanded;
  const bool refused = macro.CheckAndExpand(state.sourceLines, expanded) < 0;
  ShowUnconvertible(refused);
  view_.EnableConvert(!refused);
  loadRefused_ = refused;
  runCounter_ = 0;
  convertedSinceLoad_ = false;
  return 0;
}

namespace {

// The automatic mode's unconvertible data dialog shows nothing; only its result line counts.
class NoListView : public UnconvertibleView {
 public:
  void ShowLines(const std::vector<std::u16string>&) override {}
};

}  // namespace

// The unconvertible data dialog when the check refused the program, or the figures without
// moves alone; the automatic mode only writes the refusal's result line.
void CQuorvalenDlg::ShowUnconvertible(bool refused) {
  const auto count = static_cast<int32_t>(unconvertible_.size());
  if (IsAutomatic()) {
    if (!refused) return;
    NoListView none;
    QuorvalenDlg1(none, count, unconvertible_, true, [this](const std::u16string& line) {
      WriteResultFile(line);
    }).Open();
    return;
  }
  if (refused || !noMoveFigures_.empty()) {
    view_.RunUnconvertible(refused ? count : 0, unconvertible_, noMoveFigures_);
  }
}

void CQuorvalenDlg::ShowListing(int32_t mode, const LineList& lines) {
  engine_.SetDisplayMode(mode);
  Listing listing;
  listing.caption = mode == 2 ? u"変換後のデータ" : kSourceCaption;
  const size_t n = std::min(lines.size(), static_cast<size_t>(kMaxListedLines));
  listing.lines.reserve(n);
  listing.numbers.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    if (mode == 2 && lines[i] == u"[CUT-FIG-CONDITION]") continue;
    listing.lines.push_back(lines[i]);
    listing.numbers.push_back(Sprintf("%5d", static_cast<int>(i + 1)));
  }
  view_.ShowListing(listing);
}

int32_t CQuorvalenDlg::Output() {
  outputStatus_ = -1;
  if (posts_.items.empty()) return ReportResult(ResultCode::NoPost), -1;
  if (materials_.items.empty()) return ReportResult(ResultCode::NoMaterial), -1;
  if (thicknesses_.items.empty()) return ReportResult(ResultCode::NoThickness), -1;
  if (engine_.GetOutputLineCount() == 0) return ReportResult(ResultCode::NoOutput), -1;
  const int32_t written = FileIO().OutputNcFile();
  outputStatus_ = 0;
  return written;
}

void CQuorvalenDlg::ConvertAndTransfer() {
  // A program with lines that cannot be converted is not converted and handed on as if it
  // were whole: the window lists them again (the automatic mode reports 112 from the run).
  if (loadRefused_ && !IsAutomatic()) return ShowUnconvertible(true);
  RunConversion();
  int32_t written = -1;
  if (errorCount_ == 0) written = Output();
  convertedSinceLoad_ = true;
  if (outputStatus_ != 0) return;
  if (written != 0) {
    // Success is never claimed for an output that is not on disk.
    if (IsAutomatic()) Tell(u"出力ファイルを書き込めませんでした: " + app_.Arguments().outputPath);
    return;
  }
  if (!IsAutomatic()) {
    Tell(u"変換及び転送が終了しました");
  } else if (errorCount_ == 0) {
    WriteResultFile(ResultLine(ResultCode::Ok));
  }
}

int32_t CQuorvalenDlg::Close(CloseBy by) {
  if (!TakeFields()) return -1;
  if (const int32_t request = ForwardingRequest(); request != 0) {
    if (request == 1) Input();
    return request;
  }
  TakeOptions(view_.Fields(), app_.StartMode(), app_.Posts(), app_.CurrentSettings());
  if (!IsAutomatic()) {
    // The automatic mode closes without questions.
    for (ListKind which : {ListKind::Post, ListKind::Material, ListKind::Thickness}) {
      if (const int32_t result = CheckRegistered(which, 0); result < 0) return result;
    }
    if (!Ask(QuestionKind::OkCancel, u"終了しますか？")) return -1;
  }
  PostStore& store = app_.Posts();
  CNcPostFile saver(store, app_.Files());
  saver.SetPostNames(store.post.oldName, store.post.newName);
  saver.SetMaterialNames(store.material.oldName, store.material.newName);
  saver.SetThicknessNames(store.thickness.oldName, store.thickness.newName);
  saver.Save(PostSaveMode::SaveHeader);
  unconvertible_.clear();
  // The automatic mode shows no window: its placement stays as the operator left it.
  if (!IsAutomatic()) SavePlacement(by);
  return 0;
}

// A request another start left in the settings: 1 take its paths, 2 keep the current data, 0
// no request.
int32_t CQuorvalenDlg::ForwardingRequest() {
  if (app_.StartMode() != kStartForwarding) return 0;
  const std::u16string& settings = app_.CurrentSettings().profilePath;
  FieldSplitter request;
  request.text = ReadProfileString(settings, u"Forwarding", u"CmdName", u"");
  WriteProfileString(settings, u"Forwarding", u"CmdName", u"");
  if (request.SplitFields() != 3) return 0;
  if (request.fields[0] != u"TARVELIS") {
    Tell(u"データ名称が不正です\nデータを読み込みできません");
    return 2;
  }
  if (!convertedSinceLoad_ && !Ask(QuestionKind::OkCancel,
                                   u"変換されていないのに次のデータを読み込もうとしています\n"
                                   u"現在のデータを破棄し新しいデータを読み込みますか？")) {
    return 2;
  }
  app_.SetForwardedPaths(request.fields[1], request.fields[2]);
  if (app_.CurrentSettings().debug == 1) {
    Tell(u"debug mode\u3000起動中の多重起動モード\n\n起動\u3000[ " + request.text +
         u" ]\n入力\u3000[ " + request.fields[1] + u" ]\n出力\u3000[ " + request.fields[2] + u" ]");
  }
  return 1;
}

int32_t CQuorvalenDlg::CheckRegistered(ListKind which, int32_t mode) {
  static constexpr const char16_t* kNames[] = {u"ポスト", u"材質", u"板厚"};
  const auto kind = static_cast<size_t>(which);
  const DropDown& list = which == ListKind::Post       ? posts_
                         : which == ListKind::Material ? materials_
                                                       : thicknesses_;
  const ConversionOptions fields = view_.Fields();
  const std::u16string& text = which == ListKind::Post       ? fields.postName
                               : which == ListKind::Material ? fields.materialName
                                                             : fields.thicknessName;
  const std::u16string name = kNames[kind];
  if (text.empty()) {
    if (mode == 0) return 0;
    Tell(name + u"が選択されていません。");
    return 1;
  }
  for (const std::u16string& item : list.items) {
    if (item == text) return 0;
  }
  if (mode == 1) {
    Tell(u"この" + name + u"はまだ登録されていません。");
    return 1;
  }
  const std::u16string question =
      which == ListKind::Thickness ? u"この板厚は登録していませんが\n終了しますか？"
                                   : u"この" + name + u"はまだ登録していませんが\n終了しますか？";
  return Ask(QuestionKind::OkCancel, question) ? 1 : -1;
}

void CQuorvalenDlg::ReportResult(ResultCode code) {
  if (IsAutomatic()) {
    WriteResultFile(ResultLine(code));
  } else {
    Tell(ResultMessage(code));
  }
}

void CQuorvalenDlg::WriteResultFile(const std::u16string& line) {
  // A result that cannot be written is not reported further: there is no one to tell.
  ReplaceTextFile(app_.Files().InProgramFolder(kResultFile), {line});
  ++errorCount_;
}

DialogResult RunHeadlessDialog(CQuorvalenApp& app) {
  HeadlessView view;
  CQuorvalenDlg dialog(app, view);
  return dialog.Open() ? DialogResult::Ok : DialogResult::Cancel;
}

}  // namespace qv
