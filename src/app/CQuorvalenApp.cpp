#include "app/CQuorvalenApp.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "nctext/ProfileFile.h"
#include "nctext/StringUtil.h"
#include "platform/Codec.h"
#include "platform/FileStatus.h"
#include "post/CNcPostFile.h"
#include "post/PostFileFormat.h"
#include "post/SpecialCodeFile.h"
#include "settings/SettingsFile.h"

namespace qv {
namespace {

constexpr char16_t kForwarding[] = u"Forwarding";

// The debugger output of this platform: standard error when QUORVALEN_DEBUG is set.
void DebugTrace(std::u16string_view text) {
  if (std::getenv("QUORVALEN_DEBUG") == nullptr) return;
  std::fprintf(stderr, "%s\n", ToUtf8(text).c_str());
}

}  // namespace

CQuorvalenApp::CQuorvalenApp(AppHost& host, AppPaths paths)
    : host_(host), paths_(std::move(paths)), files_(paths_.programFolder), silent_(&std::cerr) {}

UserInteraction& CQuorvalenApp::Interaction() {
  if (arguments_.startMode == kStartAutomatic) return silent_;
  return host_.Interaction();
}

int32_t CQuorvalenApp::Run(std::u16string_view commandLine) {
  arguments_ = ParseStartArguments(commandLine);
  DebugTrace(Sprintf("start mode %d", static_cast<int>(arguments_.startMode)));
  if (arguments_.startMode == kStartAutomatic) {
    // A run that ends without a result line, even one that ends at once because another
    // instance runs, must not leave the last run's result for the host. (A host that starts a
    // second automatic run before reading the first one's result loses that result.)
    std::remove(ToUtf8(files_.InProgramFolder(u"ERR_INFO.TXT")).c_str());
  }
  if (!TakeInstanceLock()) {
    if (arguments_.startMode == kStartForwarding) HandOver();
    DebugTrace(u"another instance runs: this one ends");
    return 0;
  }
  LoadStartData();
  const DialogResult result = host_.RunMainDialog(*this);
  if (result == DialogResult::Ok || result == DialogResult::Cancel) SaveAtExit();
  return 0;
}

void CQuorvalenApp::SaveAtExit() {
  // The settings remember the selection as the store holds it at the end.
  settings_.post = {store_.post.oldName, store_.post.newName};
  settings_.material = {store_.material.oldName, store_.material.newName};
  settings_.thickness = {store_.thickness.oldName, store_.thickness.newName};
  const WaitCursor waiting(Interaction());
  if (const int32_t status = SaveSettings(settings_); status != 0) {
    // A lost save must not pass unnoticed (a read-only program folder, a full disk).
    std::fprintf(stderr, "quorvalen: the settings could not be saved in %s: %s\n",
                 ToUtf8(settings_.profilePath).c_str(),
                 std::string(FileStatusText(status)).c_str());
  }
}

bool CQuorvalenApp::TakeInstanceLock() {
  if (paths_.runtimeFolder.empty()) {
    // Without a private folder there is no lock to share: run alone rather than not at all.
    DebugTrace(u"no runtime folder: single-instance check skipped");
    return true;
  }
  const LockResult result =
      lock_.TryAcquire(InstanceLockPath(paths_.runtimeFolder, kInstanceMutexName));
  if (result == LockResult::HeldElsewhere) return false;
  if (result == LockResult::Acquired) {
    if (listener_.Listen(InstanceSocketPath(paths_.runtimeFolder, kInstanceMutexName)) != 0) {
      DebugTrace(u"the instance socket could not be opened");
    }
  }
  return true;
}

void CQuorvalenApp::HandOver() {
  const std::u16string path = SettingsPath(files_);
  const std::u16string title = ReadProfileString(path, kForwarding, u"Name", u"");
  // The request goes into the settings first; the close request only tells the running
  // instance to look there.
  WriteProfileString(path, kForwarding, u"CmdName", arguments_.commandLine);
  ShowForwardingNotice(u"debug mode\u3000多重起動モード\n\n",
                       ReadProfileInt(path, u"Quorvalen_Data", u"Debug", 0));
  const std::string socket = InstanceSocketPath(paths_.runtimeFolder, kInstanceMutexName);
  if (SendCloseRequest(socket, title) != 0) DebugTrace(u"no running window took the request");
}

void CQuorvalenApp::ShowForwardingNotice(std::u16string_view heading, int32_t debug) {
  if (arguments_.startMode != kStartForwarding || debug != 1) return;
  std::u16string text(heading);
  text += u"起動\u3000[ " + arguments_.commandLine + u" ]\n";
  text += u"入力\u3000[ " + arguments_.inputPath + u" ]\n";
  text += u"出力\u3000[ " + arguments_.outputPath + u" ]";
  DebugTrace(text);
  Interaction().ShowMessage({MessageKind::Exclamation, text, kMessageCaption});
}

void CQuorvalenApp::LoadStartData() {
  LoadSettings(settings_, files_);
  // The additional special code file must exist and follow the post names before any post
  // is loaded; its messages are for the editors, start-up goes on without them.
  SpecialCodeFile specialCodes(files_);
  specialCodes.CreateSpecialCodeFile();
  specialCodes.SyncSpecialCodeFile();
  if (LoadKeepLists(files_.System(u"ReadOnly.dat"), keepLists_) != 0) {
    DebugTrace(u"no keep lists");
  }
  ShowForwardingNotice(u"debug mode\u3000通常起動モード\n\n", settings_.debug);
  LoadPostData();
}

// Settings written on this platform may name program files relative to the program folder.
std::u16string CQuorvalenApp::ResolveProgramPath(const std::u16string& path) const {
  if (path.empty() || path.front() == u'/') return path;
  return files_.InProgramFolder(path);
}

void CQuorvalenApp::LoadPostData() {
  {
    CNcPostFile upgrade(store_, files_);
    if (upgrade.UpgradePostFile() != PostFileStatus::Ok) {
      DebugTrace(u"the post file could not be upgraded");
    }
  }
  if (arguments_.startMode == kStartAutomatic) {
    arguments_.inputPath = ResolveProgramPath(settings_.inName);
    arguments_.outputPath = ResolveProgramPath(settings_.outName);
  }
  CNcPostFile loader(store_, files_);
  loader.SetPostNames(settings_.post.oldName, settings_.post.newName);
  loader.SetMaterialNames(settings_.material.oldName, settings_.material.newName);
  loader.SetThicknessNames(settings_.thickness.oldName, settings_.thickness.newName);
  store_.post = {settings_.post.oldName, settings_.post.newName};
  store_.material = {CutName(settings_.material.oldName), CutName(settings_.material.newName)};
  store_.thickness = {CutName(settings_.thickness.oldName), CutName(settings_.thickness.newName)};
  if (loader.Load(PostLoadMode::StartUp) != PostFileStatus::Ok) {
    DebugTrace(u"the post file could not be loaded");
  }
  postFileVersion_ = loader.FileVersion();

  postList_.SetCapacity(kMaxPosts);
  postList_.SetSelection(store_.post.oldName, store_.post.newName);
  materialLists_.SetTables(store_.materialNames, store_.thicknessNames);
  materialLists_.SetMaterialSelection(store_.material.oldName, store_.material.newName);
  materialLists_.SetThicknessSelection(store_.thickness.oldName, store_.thickness.newName);
  LoadInputConversionTables(settings_, store_.postCount, PostFileVersion100(postFileVersion_));
}

bool CQuorvalenApp::TakeCloseRequest(std::u16string_view windowTitle) {
  // A second start read the title from the settings file, which holds code page 932 only.
  const std::u16string findable = DecodeCp932(EncodeCp932(windowTitle));
  bool asked = false;
  for (const std::u16string& title : listener_.ReceiveCloseRequests()) {
    if (title == findable) asked = true;
  }
  return asked;
}

void CQuorvalenApp::AnnounceWindowTitle(std::u16string_view title) {
  WriteProfileString(settings_.profilePath, kForwarding, u"Name", title);
}

}  // namespace qv
