#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/AppHost.h"
#include "app/StartArguments.h"
#include "platform/FileLock.h"
#include "platform/InstanceChannel.h"
#include "platform/SilentInteraction.h"
#include "platform/SystemFiles.h"
#include "post/CCBControl.h"
#include "post/CMTControl.h"
#include "post/PostStore.h"
#include "settings/KeepLists.h"
#include "settings/Settings.h"

namespace qv {

// The name of the single-instance lock.
inline constexpr char16_t kInstanceMutexName[] = u"Quorvalen for Win Application";

// Where start-up finds its files: the program folder (System\...) and the folder of the
// single-instance lock and socket.
struct AppPaths {
  std::u16string programFolder;
  std::string runtimeFolder;
};

// The application object: checks the start arguments, keeps a single running instance, hands a
// forwarding request to the running instance, loads the settings, the keep lists and the post
// data, runs the main dialog and saves the settings when it ends.
class CQuorvalenApp {
 public:
  CQuorvalenApp(AppHost& host, AppPaths paths);
  CQuorvalenApp(const CQuorvalenApp&) = delete;
  CQuorvalenApp& operator=(const CQuorvalenApp&) = delete;

  // The whole life of the program for one argument string; returns the process exit code.
  int32_t Run(std::u16string_view commandLine);

  int32_t StartMode() const { return arguments_.startMode; }
  // The start arguments; in the automatic mode the paths are the settings' "InName"/"OutName".
  const StartArguments& Arguments() const { return arguments_; }
  // A forwarding request the running instance took up: its input and output paths.
  void SetForwardedPaths(std::u16string input, std::u16string output) {
    arguments_.inputPath = std::move(input);
    arguments_.outputPath = std::move(output);
  }
  Settings& CurrentSettings() { return settings_; }
  // The post store: the post name list, the tables and the current post of the selection.
  PostStore& Posts() { return store_; }
  // The post name list class, with room for the ten posts.
  CCBControl& PostList() { return postList_; }
  // The material and thickness name lists, on the tables and the selection of the loaded post.
  CMTControl& MaterialLists() { return materialLists_; }
  // The post file's version text, as the start-up load found it.
  const std::u16string& PostFileVersion() const { return postFileVersion_; }
  // The keep lists; a run adds an entry for the length of one conversion.
  KeepLists& Keep() { return keepLists_; }
  // The program folder's files.
  const SystemFiles& Files() const { return files_; }
  // Where messages, questions and file dialogs go: the host's, or in the automatic mode a
  // silent one that asks nothing (what it would have said goes to standard error).
  UserInteraction& Interaction();
  // True once this process holds the single-instance lock.
  bool IsRunningInstance() const { return lock_.IsHeld(); }

  // The listening descriptor of the instance messages (-1 when none), for an event loop.
  int InstanceMessageFd() const { return listener_.Fd(); }
  // Waits up to timeoutMs for an instance message; true when one is waiting.
  bool WaitForInstanceMessage(int timeoutMs) const { return listener_.WaitForMessage(timeoutMs); }
  // Takes the waiting messages; true when one asked to close the window titled windowTitle.
  bool TakeCloseRequest(std::u16string_view windowTitle);
  // Stores the title under which a forwarding start looks for the running window.
  void AnnounceWindowTitle(std::u16string_view title);

 private:
  bool TakeInstanceLock();
  void HandOver();
  void SaveAtExit();
  void LoadStartData();
  void LoadPostData();
  void ShowForwardingNotice(std::u16string_view heading, int32_t debug);
  std::u16string ResolveProgramPath(const std::u16string& path) const;

  AppHost& host_;
  AppPaths paths_;
  SystemFiles files_;
  StartArguments arguments_;
  Settings settings_;
  KeepLists keepLists_;
  PostStore store_;
  CCBControl postList_;
  CMTControl materialLists_;
  std::u16string postFileVersion_;
  FileLock lock_;
  InstanceListener listener_;
  SilentInteraction silent_;
};

}  // namespace qv
