#pragma once

#include <string>
#include <string_view>

namespace qv {

// Where the program's own files are: "System\<name>" and files directly in the program
// folder. Built once from the program folder that the executable's start-up finds, then passed
// to everything that reads or writes those files, so a test can point them at a folder of its
// own.
class SystemFiles {
 public:
  explicit SystemFiles(std::u16string programFolder);

  // The program folder as given (the default folder of the file dialogs).
  const std::u16string& Folder() const { return folder_; }
  // "<program folder>/System/<name>".
  std::u16string System(std::u16string_view name) const;
  // "<program folder>/<name>" ("ERR_INFO.TXT", relative paths the settings name).
  std::u16string InProgramFolder(std::u16string_view name) const;

  bool operator==(const SystemFiles&) const = default;

 private:
  std::u16string folder_;
};

}  // namespace qv
