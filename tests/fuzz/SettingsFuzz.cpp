// libFuzzer target for the settings file and its tables: the fuzzer's bytes are
// "System/Quorvalen.ini"; the settings, the input conversion sets and the string table are
// read, applied to the sample program and written back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "convert/ConversionRules.h"
#include "convert/ConversionTable.h"
#include "settings/SettingsFile.h"

namespace {

const std::vector<std::u16string> kProgram = {u"%",
                                              u"O1000(SAMPLE)",
                                              u"G92X2500.Y1250.",
                                              u"G90",
                                              u"T102",
                                              u"G00X100.Y100.",
                                              u"G01X200.Y100.F1000",
                                              u"G02X250.Y150.I0J50.",
                                              u"M30",
                                              u"%"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::fuzz::FuzzInput input = qv::fuzz::Split(data, size);
  const qv::SystemFiles& files = qv::fuzz::ScratchProgramFolder();
  qv::fuzz::WriteBytes(qv::SettingsPath(files), input.bytes);
  qv::Settings settings;
  qv::LoadSettings(settings, files);
  qv::LoadInputConversionTables(settings, input.pick % 11, (input.pick & 0x10) ? 150 : 169);
  qv::WorkingInputTable working;
  qv::SelectInputSet(settings, input.pick % 10, working);
  std::vector<std::u16string> lines = kProgram;
  const qv::LineRules rules(working.table);
  for (std::u16string& line : lines) rules.Apply(line);
  qv::ApplyProgramRules(working.table, lines);
  qv::ApplyStringTable(qv::StringTable(settings), kProgram);
  // A save is slow (each of its keys is looked up through the whole file): one input in eight.
  if ((input.pick & 0xE0) == 0xE0) qv::SaveSettings(settings);
  return 0;
}
