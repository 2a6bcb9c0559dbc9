// The sample programs shipped in samples/ converted with the shipped System data (the post,
// material and thickness the settings name), as a run converts them.
#include <algorithm>
#include <string>
#include <vector>

#include "EngineRun.h"
#include "TestSupport.h"
#include "engine/CQuorvalenDB.h"
#include "engine/G98Patterns.h"
#include "macro/CGMacroChg.h"
#include "nctext/Cnltextfilerw.h"
#include "platform/SystemFiles.h"
#include "post/CNcPostFile.h"
#include "settings/KeepLists.h"
#include "settings/SettingsFile.h"

namespace qv {
namespace {

class ShippedSamplesTest : public ::testing::Test {
 protected:
  ShippedSamplesTest() : files_(FromUtf8(QV_SHIPPED_DATA_DIR "/..")) {
    EXPECT_EQ(LoadSettings(settings_, files_), 0);
    EXPECT_EQ(LoadKeepLists(files_.System(u"ReadOnly.dat"), keep_), 0);
    CNcPostFile loader(store_, files_);
    loader.SetPostNames(settings_.post.oldName, settings_.post.newName);
    loader.SetMaterialNames(settings_.material.oldName, settings_.material.newName);
    loader.SetThicknessNames(settings_.thickness.oldName, settings_.thickness.newName);
    EXPECT_EQ(loader.Load(PostLoadMode::StartUp), PostFileStatus::Ok);
  }

  LineList ReadSample(const char* name) const {
    Cnltextfilerw file;
    LineList lines;
    EXPECT_EQ(file.Open(files_.InProgramFolder(u"../samples/") + FromUtf8(name), OpenMode::Read),
              0);
    std::u16string line;
    while (file.ReadString(line) == 0) lines.push_back(line);
    file.Close();
    return lines;
  }

  // The macro check the input runs: the unconvertible lines of the program.
  LineList Unconvertible(const LineList& program) const {
    CGMacroChg macro;
    const PostRecord& r = store_.record;
    macro.SetOptions({r.decimalIndex, r.macroMode, r.cutterSide});
    LineList unconvertible;
    macro.SetReportLists(&unconvertible, nullptr);
    LineList expanded;
    macro.CheckAndExpand(program, expanded);
    return unconvertible;
  }

  // The program converted as a run converts it; the engine's result goes to `result`. A program
  // with "G98" grids goes through the pattern conversion first. The origin and shift lines that
  // conversion also makes are not handed to the engine (the run's step that does so is not
  // built yet), so the calls, subprograms and origin lines are not looked at.
  LineList Convert(const LineList& source, int32_t& result) const {
    const bool g98AfterG92 = !FindG98Lines(source).empty();
    const PostRecord& r = store_.record;
    const G98Options options{r.programNumber,      r.subprogramAddress,    r.subprogramEndCode,
                             r.subprogramCallCode, r.subprogramNumberWord, r.decimalIndex,
                             r.coordinateMode,     settings_.g93Mode};
    const LineList program = g98AfterG92 ? ConvertG98Patterns(source, options).sourceLines : source;
    LineList headComments;
    CQuorvalenDB engine(store_, settings_, keep_);
    engine.SetHeadCommentList(&headComments);
    result = test::RunEngine(engine, program, g98AfterG92, files_.System(u"Quorvalen1.pst"));
    return engine.State().outputLines;
  }

  SystemFiles files_;
  Settings settings_;
  KeepLists keep_;
  PostStore store_;
};

// The lines that follow the first line equal to `anchor` (at most `count`).
LineList LinesAfter(const LineList& output, std::u16string_view anchor, size_t count) {
  auto at = std::find(output.begin(), output.end(), anchor);
  if (at == output.end()) return {};
  ++at;
  return LineList(at, at + static_cast<std::ptrdiff_t>(
                               std::min<size_t>(count, static_cast<size_t>(output.end() - at))));
}

TEST_F(ShippedSamplesTest, EachSampleConvertsCleanlyIntoItsBlocks) {
  struct Expectation {
    const char* sample;
    std::u16string anchor;  // a positioning line of the output
    LineList next;          // worked out by hand from the shipped post and condition
  };
  const Expectation expectations[] = {
      {"sample1.nc", u"G00X600.Y400.", {u"E114M102", u"G01X800."}},
      // The grid's first point gets the punching condition.
      {"sample2_punch.nc", u"G90G00X400.000Y300.000T102", {u"M12", u"M13"}},
      // The outline's long side 200 takes the H code; its G41 moves to the first G01.
      {"sample3_cut.nc", u"G00X10.Y10.", {u"E114M102", u"G41G01X210."}},
      // The rounded rectangle (long side 30, M code) starts its contour with G41 as well.
      {"sample3_cut.nc", u"G00X67.5Y70.", {u"E113M102", u"G91", u"G41G01X7.5Y0."}},
      {"sample4_mark.nc", u"G00X50.Y200.", {u"E111M102"}},
      // The 700 mm outline is longer than 250 mm, so the work chute code closes it.
      {"sample4_mark.nc", u"G01Y25.", {u"M103M660", u"G01G40"}}};
  for (const Expectation& e : expectations) {
    SCOPED_TRACE(e.sample);
    const LineList program = ReadSample(e.sample);
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(Unconvertible(program), LineList{});
    int32_t result = -1;
    const LineList output = Convert(program, result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(LinesAfter(output, e.anchor, e.next.size()), e.next);
    for (const std::u16string& line : output) {
      EXPECT_EQ(line.find_first_of(u"[\r"), std::u16string::npos) << ToUtf8(line);
    }
  }
}

}  // namespace
}  // namespace qv
