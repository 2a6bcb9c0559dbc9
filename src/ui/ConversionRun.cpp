// The conversion run of the main dialog: the machine conversion through the post, one function
// per step, and the string-only run.
#include "app/StartArguments.h"
#include "convert/ConversionRules.h"
#include "convert/ConversionTable.h"
#include "convert/Csubpro_rep.h"
#include "engine/G98Patterns.h"
#include "nctext/StringUtil.h"
#include "post/CNcPostFile.h"
#include "ui/CQuorvalenDlg.h"
#include "ui/RunSteps.h"

namespace qv {
namespace {

constexpr char16_t kKeepSequenceNumbers[] = u"N????";

// The "N????" keep entry of sequence mode 2 lives exactly as long as the conversion.
class KeepSequenceNumbers {
 public:
  KeepSequenceNumbers(KeepLists& lists, bool active) : lists_(lists), active_(active) {
    if (active_) lists_.remain1Strings.push_back(kKeepSequenceNumbers);
  }
  ~KeepSequenceNumbers() { Remove(); }
  KeepSequenceNumbers(const KeepSequenceNumbers&) = delete;
  KeepSequenceNumbers& operator=(const KeepSequenceNumbers&) = delete;
  void Remove() {
    if (active_ && !lists_.remain1Strings.empty()) lists_.remain1Strings.pop_back();
    active_ = false;
  }

 private:
  KeepLists& lists_;
  bool active_;
};

}  // namespace

void CQuorvalenDlg::RunConversion() {
  if (!TakeFields()) return;
  PostStore& store = app_.Posts();
  TakeOptions(view_.Fields(), app_.StartMode(), store, app_.CurrentSettings());
  SavePostHeader();
  TakeOptions(view_.Fields(), app_.StartMode(), store, app_.CurrentSettings());
  engine_.PrepareDictionary(app_.Files().System(u"Quorvalen1.pst"));
  if (app_.CurrentSettings().conversionType == 1) {
    RunStringConversion();
    return;
  }
  if (runCounter_ > 0 && !IsAutomatic() &&
      !Ask(QuestionKind::YesNo, u"入力した元データを変換します。")) {
    return;
  }
  RunMachineConversion();
}

// Step 3: the post header with the options just taken, and a fresh load of the post. The
// converted conditions stay as they were: only the post editor refreshes them.
void CQuorvalenDlg::SavePostHeader() {
  PostStore& store = app_.Posts();
  const std::u16string punchConverted = store.record.punchConvertedCondition;
  const std::u16string markConverted = store.record.markConvertedCondition;
  for (const bool saving : {true, false}) {
    CNcPostFile file(store, app_.Files());
    file.SetPostNames(store.post.oldName, store.post.newName);
    file.SetMaterialNames(store.material.oldName, store.material.newName);
    file.SetThicknessNames(store.thickness.oldName, store.thickness.newName);
    if (saving) {
      file.Save(PostSaveMode::SaveHeader);
    } else {
      file.Load(PostLoadMode::PostChosen);
    }
  }
  store.record.punchConvertedCondition = punchConverted;
  store.record.markConvertedCondition = markConverted;
}

void CQuorvalenDlg::RunMachineConversion() {
  if (!CheckSelection()) return;
  if (engine_.GetSourceLineCount() == 0) return ReportResult(ResultCode::NoInput);
  if (!CheckRegistrations()) return;
  KeepSequenceNumbers keep(app_.Keep(), app_.Posts().record.sequenceMode == 2);
  const WaitCursor waiting(app_.Interaction());
  if (!ReloadInput()) return;
  FixSource();
  g98LineIndexes_ = FindG98Lines(engine_.State().sourceLines);
  engine_.State().subprogramOrigins = {};
  if (!g98LineIndexes_.empty()) {
    if (!CheckSubprogramWords()) return;
    const PostStore& store = app_.Posts();
    ApplyG98Conversion(engine_.State(),
                       ConvertG98Patterns(engine_.State().sourceLines,
                                          G98OptionsFor(store.record, app_.CurrentSettings())));
  }
  const int32_t converted = ConvertProgram();
  keep.Remove();
  if (converted != 0 || !ExpandSubprograms()) return ReportResult(ResultCode::OutOfMemory);
  FinishMachineRun();
}

// Steps 7 to 9: the shown texts must be the remembered names (both cut to 40 characters).
bool CQuorvalenDlg::CheckSelection() {
  const PostStore& store = app_.Posts();
  const ConversionOptions fields = view_.Fields();
  const auto differs = [](const DropDown& list, const std::u16string& shown,
                          const std::u16string& remembered) {
    return list.items.empty() || CutName(shown) != CutName(remembered);
  };
  if (differs(posts_, fields.postName, store.post.newName)) {
    return ReportResult(ResultCode::NoPost), false;
  }
  if (differs(materials_, fields.materialName, store.material.newName)) {
    return ReportResult(ResultCode::NoMaterial), false;
  }
  if (differs(thicknesses_, fields.thicknessName, store.thickness.newName)) {
    return ReportResult(ResultCode::NoThickness), false;
  }
  return true;
}

bool CQuorvalenDlg::CheckRegistrations() {
  for (ListKind which : {ListKind::Post, ListKind::Material, ListKind::Thickness}) {
    if (CheckRegistered(which, 1) != 0) return false;
  }
  return true;
}

bool CQuorvalenDlg::ReloadInput() {
  if (FileIO().LoadNcFile(u"") == 0) return true;
  app_.Interaction().ShowMessage(
      {MessageKind::Exclamation,
       FormatText(u"NCファイルの読み込みに失敗しました。\n[%s]", {fileState_.currentInputPath}),
       kMessageCaption});
  return false;
}

// Step 14: a coordinate line the program can rely on, and the post's own when it sets one.
void CQuorvalenDlg::FixSource() {
  LineList& source = engine_.State().sourceLines;
  insertedG92_ = EnsureG92Line(source);
  const PostRecord& record = app_.Posts().record;
  if (record.coordinateMode == 0) SetG92Lines(source, record);
  engine_.ResetForRun();
}

bool CQuorvalenDlg::CheckSubprogramWords() {
  const PostRecord& r = app_.Posts().record;
  if (r.programAddress.empty() || r.programNumber.empty()) {
    return ReportResult(ResultCode::NoProgramNumber), false;
  }
  if (r.subprogramAddress.empty() || r.subprogramEndCode.empty()) {
    return ReportResult(ResultCode::NoSubprogram), false;
  }
  if (r.subprogramCallCode.empty() || r.subprogramNumberWord.empty()) {
    return ReportResult(ResultCode::NoSubprogramCall), false;
  }
  return true;
}

int32_t CQuorvalenDlg::ConvertProgram() {
  TakeOptions(view_.Fields(), app_.StartMode(), app_.Posts(), app_.CurrentSettings());
  FeedCodePairs(engine_, app_.Posts(), app_.CurrentSettings(), !g98LineIndexes_.empty());
  engine_.LoadClassLimits();
  engine_.LoadWorkChuteSize();
  return engine_.Convert();
}

// "ばらし": five replacement passes; false when one would pass the line limit.
bool CQuorvalenDlg::ExpandSubprograms() {
  const PostRecord& r = app_.Posts().record;
  if (r.breakUpSubprograms != 1) return true;
  const std::u16string call = r.subprogramCallCode + r.subprogramNumberWord;
  Csubpro_rep replacer;
  for (int pass = 0; pass < 5; ++pass) {
    if (replacer.ReplaceCalls(engine_.State().outputLines, call, r.subprogramAddress,
                              r.subprogramEndCode) == ReplaceStatus::TooManyLines) {
      return false;
    }
  }
  return true;
}

void CQuorvalenDlg::FinishMachineRun() {
  ++runCounter_;
  lastRunConverted_ = 1;
  if (insertedG92_) {
    std::erase_if(engine_.State().outputLines,
                  [](const std::u16string& line) { return Contains(line, u"G92"); });
  }
  FilterAndShow();
}

void CQuorvalenDlg::RunStringConversion() {
  EngineState& state = engine_.State();
  if (engine_.GetSourceLineCount() == 0) return ReportResult(ResultCode::NoInput);
  {
    const WaitCursor waiting(app_.Interaction());
    if (lastRunConverted_ == 1) state.sourceLines = state.outputLines;
    engine_.ResetForRun();
    const ConversionTable table = StringTable(app_.CurrentSettings());
    for (const std::u16string& source : state.sourceLines) {
      std::u16string line = source;
      ApplyTableToLine(table, line);
      if (!line.empty()) state.outputLines.push_back(std::move(line));
    }
    ApplyPairRules(table, state.outputLines);
    state.sourceLines = state.outputLines;
    lastRunConverted_ = 0;
  }
  FilterAndShow();
}

// Step 24: lines holding ";" are dropped, and the listing shows the output.
void CQuorvalenDlg::FilterAndShow() {
  LineList& output = engine_.State().outputLines;
  std::erase_if(output, [](const std::u16string& line) { return Contains(line, u";"); });
  ShowListing(2, output);
}

}  // namespace qv
