// Every figure placed by every pattern must still be one closed cut, one per position: the
// expanded program is read back figure by figure.
#include <string>
#include <vector>

#include "ContourWalker.h"
#include "TestSupport.h"
#include "macro/CGMacroChg.h"
#include "platform/Codec.h"

namespace qv {
namespace {

using Lines = std::vector<std::u16string>;

// Figure definitions (no position), with a negative I where the figure may follow the pattern.
const char16_t* const kFigures[] = {
    u"G111I30.J12.",
    u"G111I-30.J12.R2.",
    u"G111I30.J12.C1.5K30.",
    u"G112I9.",
    u"G112I-20.J6.",
    u"G113I20.J12.",
    u"G113I-20.J-15.",
    u"G113I20.",
    u"G114I8.J5",
    u"G114I-8.J7R1.5",
    u"G114I8.J8C1.K-45.",
    u"G115I60.J4.R25.",
    u"G115I-60.J4.R25.Q-1.",
    u"G116I100.J5.R30.",
    u"G116I-45.J5.R30.K200.",
};

struct PatternCase {
  const char16_t* line;
  size_t positions;
};

const PatternCase kPatterns[] = {
    {u"G126X10.Y20.I50.J15.K5", 5},
    {u"G126I50.K3", 3},
    {u"G129X0Y0I40.J-30.K4P-100.", 4},
    {u"G129I40.J350.K4P20.", 4},
    {u"G129X5.I40.J10.K3", 3},
    {u"G128X1.Y1.I12.J30.K3", 4},
    {u"G128I-12.J0K2", 2},
    {u"G136X0Y0I20.J15.P2K2Q10.", 9},
    {u"G136I20.J15.P1K2", 5},
    {u"G137Y3.I20.J-15.P2K1Q-90.", 6},
    {u"G137I20.J15.P3K1", 7},
};

TEST(MacroPatternClosureTest, EveryPatternCutsOneClosedFigurePerPosition) {
  int walked = 0;
  for (const char16_t* figure : kFigures) {
    for (const PatternCase& pattern : kPatterns) {
      for (const int32_t incremental : {0, 1}) {
        for (const int32_t side : {0, 1}) {
          CGMacroChg macro;
          macro.SetOptions({0, incremental == 1 ? 1 : 2, side});
          Lines unconvertible;
          Lines warnings;
          macro.SetReportLists(&unconvertible, &warnings);
          Lines program{incremental == 1 ? u"G91" : u"G90", figure, pattern.line};
          ASSERT_EQ(macro.ExpandInPlace(program), 1);
          const std::string context = ToUtf8(figure) + " " + ToUtf8(pattern.line) +
                                      (incremental == 1 ? " G91" : " G90") + " side " +
                                      std::to_string(side);
          ASSERT_TRUE(unconvertible.empty() && warnings.empty()) << context;
          size_t at = 1;
          size_t figures = 0;
          while (at < program.size()) {
            const test::ContourWalk walk = test::WalkContour(program, at);
            ASSERT_EQ(walk.problem, "") << context << " figure " << figures;
            EXPECT_EQ(test::ClosedContourProblem(walk, incremental == 1), "")
                << context << " figure " << figures;
            ASSERT_GT(walk.next, at);
            at = walk.next;
            ++figures;
            ++walked;
          }
          EXPECT_EQ(figures, pattern.positions) << context;
        }
      }
    }
  }
  EXPECT_EQ(walked, 4 * 15 * (5 + 3 + 4 + 4 + 3 + 4 + 2 + 9 + 5 + 6 + 7));
}

}  // namespace
}  // namespace qv
