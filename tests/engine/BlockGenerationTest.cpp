#include <string>
#include <vector>

#include "EngineRun.h"
#include "TestSupport.h"
#include "engine/CQuorvalenDB.h"

namespace qv {
namespace {

class BlockGenerationTest : public ::testing::Test {
 protected:
  BlockGenerationTest() {
    for (const int32_t n : {0, 1, 2, 3, 4, 40, 41, 42, 90, 91})
      keep.remain1Codes.push_back({u'G', n});
    keep.remain1Codes.push_back({u'M', 30});
    PostRecord& r = store.record;
    r.sequenceMode = 1;
    r.headLine1a = u"%";
    r.headLine2 = u"G06";
    r.coordinateSettingLine = u"G90";
    r.punchPositionSuffix = u"T1";
    r.punchConvertedCondition = u"M12";
    r.punchCondition = u"M13";
    r.punchLine3 = u"M14";
    r.markPositionSuffix = u"T2";
    r.markConvertedCondition = u"E1";
    r.markCondition = u"M22";
    r.markShapeLine = u"M23";
    r.cutPositionSuffix = u"T3";
    r.cutCondition = u"M32";
    r.cutShapeLine = u"M33[W]";
    r.endPart = u"M30";
    MachiningCondition& c = store.condition;
    c.punch = {u"M50", u"M12"};
    c.marking = {u"M60", u"E1", u"M61"};
    c.elementCodes = {u"E11", u"E12", u"E13", u"E14"};
    c.shapeCodes = {u"S1", u"S2", u"S3", u"S4"};
    c.lineLengthLimits = {u"10.", u"20.", u"30."};
    c.arcRadiusLimits = {u"1.", u"2.", u"3."};
    c.longSideLimits = {u"10.", u"20.", u"30."};
  }

  LineList Converted(const LineList& program) {
    EXPECT_EQ(test::RunEngine(engine, program), 0);
    return engine.State().outputLines;
  }

  PostStore store;
  Settings settings;
  KeepLists keep;
  CQuorvalenDB engine{store, settings, keep};
};

}  // namespace
}  // namespace qv
