// The main dialog's controls beyond the run: the enabling rules, the editors it opens, and the
// window placement it reads on opening and writes on closing.
#include <algorithm>

#include "app/StartArguments.h"
#include "nctext/ProfileFile.h"
#include "ui/CQuorvalenDlg.h"

namespace qv {
namespace {

constexpr char16_t kRect[] = u"rect";

// The controls "文字列のみ変換" disables and "機種変換" enables again.
constexpr MainControl kMachineControls[] = {
    MainControl::PostGroup,       MainControl::ConditionGroup, MainControl::ProgramGroup,
    MainControl::CoordinateGroup, MainControl::AddDeleteGroup, MainControl::DecimalPlaces,
    MainControl::SameCondition,   MainControl::MacroGroup,     MainControl::SubprogramWords,
};

ScreenRect RectOf(const DialogPlacement& placement) {
  return {placement.left, placement.top, placement.right, placement.bottom};
}

}  // namespace

void CQuorvalenDlg::ApplyEnabling() {
  const ConversionOptions fields = view_.Fields();
  const bool machine = fields.conversionType != 1;
  for (const MainControl control : kMachineControls) view_.EnableControl(control, machine);
  view_.EnableControl(MainControl::StringTable, !machine);
  const OptionEnabling enabling = EnablingFor(fields);
  view_.EnableControl(MainControl::CoordinateFields, machine && enabling.coordinateFields);
  view_.EnableControl(MainControl::G93Group, enabling.g93Group);
  view_.EnableControl(MainControl::G93Code, enabling.g93Code);
}

void CQuorvalenDlg::SetCoordinateMode(int32_t mode) {
  ConversionOptions fields = view_.Fields();
  fields.coordinateMode = mode;
  view_.ShowFields(fields);
  ApplyEnabling();
}

void CQuorvalenDlg::SetG93Mode(int32_t mode) {
  ConversionOptions fields = view_.Fields();
  fields.g93Mode = mode;
  app_.CurrentSettings().g93Mode = mode;
  view_.ShowFields(fields);
  ApplyEnabling();
}

void CQuorvalenDlg::TakeG93Code() { app_.CurrentSettings().g93Code = view_.Fields().g93Code; }

void CQuorvalenDlg::SetConversionType(int32_t type) {
  if (!TakeFields()) return;
  ConversionOptions fields = view_.Fields();
  fields.conversionType = type;
  app_.CurrentSettings().conversionType = type;
  view_.ShowFields(fields);
  ApplyEnabling();
}

void CQuorvalenDlg::EditInputTable() {
  if (postIndex_ < 0 || postIndex_ >= kInputConversionSets) return;
  Settings& settings = app_.CurrentSettings();
  const auto first = static_cast<ptrdiff_t>(postIndex_ * kConversionRows);
  const auto rows = [&](std::vector<std::u16string>& column) {
    return std::vector<std::u16string>(column.begin() + first,
                                       column.begin() + first + kConversionRows);
  };
  std::vector<std::u16string> a = rows(settings.inputConversionA);
  std::vector<std::u16string> b = rows(settings.inputConversionB);
  if (!view_.RunInputTable(postIndex_, a, b)) return;
  AnnounceTitleAgain();
  std::copy(a.begin(), a.end(), settings.inputConversionA.begin() + first);
  std::copy(b.begin(), b.end(), settings.inputConversionB.begin() + first);
  // A string-only load reads through the working table without choosing it again.
  SelectInputSet(settings, postIndex_, fileState_.inputTable);
}

void CQuorvalenDlg::EditStringTable() {
  if (view_.RunStringTable()) AnnounceTitleAgain();
}

// A table editor's OK saves the settings, which empties the title a second start looks for. A
// window that takes forwarded requests names itself again, or the host's next request is lost.
void CQuorvalenDlg::AnnounceTitleAgain() {
  if (app_.StartMode() != kStartForwarding || announcedTitle_.empty()) return;
  app_.AnnounceWindowTitle(announcedTitle_);
}

void CQuorvalenDlg::EditPost() {
  if (posts_.items.empty()) return Tell(u"ポストが未登録です。");
  if (CheckRegistered(ListKind::Post, 1) != 0) return;
  TakeOptions(view_.Fields(), app_.StartMode(), app_.Posts(), app_.CurrentSettings());
  view_.RunPostEditor();
  Refresh(OptionFields::Kept);
}

void CQuorvalenDlg::EditConditions() {
  if (!RequireLists(3)) return;
  for (ListKind which : {ListKind::Post, ListKind::Material, ListKind::Thickness}) {
    if (CheckRegistered(which, 1) != 0) return;
  }
  TakeOptions(view_.Fields(), app_.StartMode(), app_.Posts(), app_.CurrentSettings());
  view_.RunConditionEditor();
  Refresh(OptionFields::Kept);
}

void CQuorvalenDlg::EditParameters() { view_.RunParameters(); }

void CQuorvalenDlg::ShowVersion() { view_.RunAbout(); }

// The saved position; a normal start then takes the saved rectangle (RestoreWindow).
void CQuorvalenDlg::PlaceOnOpen() {
  ProfileFile profile(app_.CurrentSettings().profilePath);
  profile.Load();
  const ScreenPoint saved{profile.GetInt(kRect, u"X", 0), profile.GetInt(kRect, u"Y", 0)};
  view_.MoveTo(OpeningPosition(saved, view_.Screen().screen));
}

void CQuorvalenDlg::RestoreWindow() {
  const DialogPlacement& placement = app_.CurrentSettings().dialog;
  WindowFrame frame = view_.Frame();
  frame.rect = RestoredRect(RectOf(placement), view_.Screen());
  frame.position = {frame.rect.left, frame.rect.top};
  frame.maximized = placement.isZoomed != 0;
  frame.splitter = placement.boundary;
  view_.PlaceWindow(frame);
}

void CQuorvalenDlg::SavePlacement(CloseBy by) {
  const WindowFrame frame = view_.Frame();
  const int32_t type = app_.CurrentSettings().conversionType;
  UpdateProfile(app_.CurrentSettings().profilePath, [&](ProfileFile& file) {
    file.SetInt(kRect, u"X", frame.position.x);
    file.SetInt(kRect, u"Y", frame.position.y);
    file.SetInt(u"HenkanType", u"type", type);
  });
  if (by != CloseBy::Window) return;
  DialogPlacement& placement = app_.CurrentSettings().dialog;
  placement.isZoomed = frame.maximized ? 1 : 0;
  placement.boundary = frame.splitter;
  if (!frame.maximized && CornersInside(frame.rect, view_.Screen().workArea)) {
    placement = {frame.rect.top,    frame.rect.left,    frame.rect.right,
                 frame.rect.bottom, placement.boundary, placement.isZoomed};
  }
}

}  // namespace qv
