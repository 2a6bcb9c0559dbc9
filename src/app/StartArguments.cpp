#include "app/StartArguments.h"

#include "nctext/FieldSplitter.h"
#include "nctext/StringUtil.h"
#include "platform/Codec.h"

namespace qv {

std::u16string JoinArguments(int argc, const char* const* argv) {
  std::u16string joined;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) joined.push_back(u' ');
    joined.append(FromUtf8(argv[i]));
  }
  return joined;
}

StartArguments ParseStartArguments(std::u16string_view commandLine) {
  StartArguments arguments;
  arguments.commandLine = std::u16string(commandLine);
  FieldSplitter splitter;
  splitter.text = arguments.commandLine;
  const int32_t count = splitter.SplitFields();
  if (count == 3 && splitter.fields[0] == u"TARVELIS") {
    arguments.startMode = kStartForwarding;
    arguments.inputPath = splitter.fields[1];
    arguments.outputPath = splitter.fields[2];
  } else if (count == 1 && splitter.fields[0] == u"AUTOCONV") {
    arguments.startMode = kStartAutomatic;
  }
  return arguments;
}

}  // namespace qv
