#include "nctext/TextFileReplace.h"

#include "nctext/Cnltextfilerw.h"
#include "platform/FileReplace.h"

namespace qv {

int32_t ReplaceTextFile(const std::u16string& path, const std::vector<std::u16string>& lines) {
  if (const int32_t status = CheckReplaceable(path); status != kTextOk) return status;
  const std::u16string scratch = ScratchPathFor(path);
  Cnltextfilerw file;
  int32_t status = file.Open(scratch, OpenMode::CreateWrite);
  for (size_t i = 0; status == kTextOk && i < lines.size(); ++i) {
    status = file.WriteString(lines[i] + u"\n");
  }
  const int32_t closed = file.Close();
  if (status == kTextOk) status = closed;
  if (status == kTextOk) status = ReplaceFileAtomically(scratch, path);
  if (status != kTextOk) RemoveFile(scratch);
  return status;
}

}  // namespace qv
