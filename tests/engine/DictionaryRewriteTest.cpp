// The dictionary rewrite: whole conversions with and without special code II pairs, and its
// word-level steps on small hand-worked lists.
#include <random>
#include <string>

#include "EngineRun.h"
#include "TestSupport.h"
#include "engine/CQuorvalenDB.h"
#include "engine/DictionarySteps.h"
#include "engine/DictionaryWords.h"

namespace qv {
namespace {

class DictionaryRewriteTest : public ::testing::Test {
 protected:
  DictionaryRewriteTest() {
    for (const int32_t n : {0, 1, 2, 3, 90, 91, 92}) keep.remain1Codes.push_back({u'G', n});
    keep.remain1Codes.push_back({u'M', 30});
    PostRecord& r = store.record;
    r.sequenceMode = 1;
    r.headLine1a = u"%";
    r.headLine2 = u"G06";
    r.coordinateMode = 1;
    r.punchPositionSuffix = u"T1";
    r.punchCondition = u"M13";
    r.punchLine3 = u"M14";
    r.cutCondition = u"M32";
    r.cutShapeLine = u"M33";
    r.endPart = u"M30";
    MachiningCondition& c = store.condition;
    // Marking source condition 2 is empty, as it usually is: it must match no line.
    c.punch = {u"M50", u"M12"};
    c.marking = {u"M60", u"E1", u""};
    c.shapeCodes = {u"S1", u"S2", u"S3", u"S4"};
    c.longSideLimits = {u"1000.", u"2000.", u"3000."};
    store.post.newName = u"P1";
  }

  // Converts with the pair lines given for post P1 after its count line.
  int32_t Convert(std::string_view block) {
    test::WriteBytes(file, "P0\r\n1\r\nX10. X20.\r\nP1\r\n" + std::string(block));
    return test::RunEngine(engine, kProgram, false, file);
  }
  LineList Converted(std::string_view block) {
    EXPECT_EQ(Convert(block), 0);
    return engine.State().outputLines;
  }

  // A head comment, two punching blocks and a cut square.
  const LineList kProgram{u"(HEAD)",      u"G90G92X1000.Y1000.",
                          u"G00X10.Y10.", u"M50",
                          u"G00X20.Y10.", u"M50",
                          u"G00X50.Y50.", u"G01X60.",
                          u"Y60.",        u"X50.",
                          u"Y50.",        u"G00X0Y0",
                          u"M30"};
  PostStore store;
  Settings settings;
  KeepLists keep;
  CQuorvalenDB engine{store, settings, keep};
  test::TempDir dir;
  std::u16string file = dir.File("Quorvalen1.pst");
};

TEST_F(DictionaryRewriteTest, WithoutPairsTheBlockOutputStays) {
  const LineList blocks{u"%",
                        u"G06",
                        u"G90G92X1000.Y1000.",
                        u"G00X10.Y10.T1",
                        u"M13",
                        u"M14",
                        u"G00X20.Y10.T1",
                        u"M13",
                        u"M14",
                        u"G00X50.Y50.",
                        u"S1M32",
                        u"G01X60.",
                        u"Y60.",
                        u"X50.",
                        u"Y50.",
                        u"M33",
                        u"G00X0Y0",
                        u"M30"};
  EXPECT_EQ(Converted("0\r\n"), blocks);
  EXPECT_EQ(test::RunEngine(engine, kProgram, false, dir.File("absent.pst")), 0);
  EXPECT_EQ(engine.State().outputLines, blocks);
  store.post.newName = u"P2";
  EXPECT_EQ(Converted("0\r\n"), blocks);
  store.post.newName = u"P1";
  // Pairs that occur nowhere, and a pair line without a blank (an empty left text), rebuild
  // the output from the program and keep every converted line.
  EXPECT_EQ(Converted("2\r\nQ7 R7\r\nG90\r\n"), blocks);
}

// Worked by hand: the stripped program is one line ahead of the expanded one (the head comment),
// so every stripped line goes in as a source-only line at the front; the one the pair changes
// ("G01X60.") survives there as well as in its place. M50 becomes the punch converted condition
// M12 and those lines go; each converted G00 line takes the place of the program line it holds;
// M13, M14, S1M32 and M33 find no place and go in before the next placed line.
TEST_F(DictionaryRewriteTest, PairsRewriteTheLinesTheyOccurIn) {
  EXPECT_EQ(Converted("2\r\nX60. X66.\r\nM12 M99\r\n"),
            (LineList{u"%", u"G06", u"G01X66.", u"G90G92X1000.Y1000.", u"G00X10.Y10.T1", u"M13",
                      u"M14", u"G00X20.Y10.T1", u"M13", u"M14", u"G00X50.Y50.", u"S1M32",
                      u"G01X66.", u"Y60.", u"X50.", u"Y50.", u"M33", u"G00X0Y0", u"M30"}));
}

TEST_F(DictionaryRewriteTest, AStringCodeThatNeverStopsReplacingFailsTheConversion) {
  store.record.stringCodeFrom[0] = u"Y";
  store.record.stringCodeTo[0] = u"YY";
  EXPECT_EQ(Convert("1\r\nQ7 R7\r\n"), -1);
}

TEST(DictionaryWordsTest, SplitByTag) {
  // '8' and '5' give empty words before the segment their start ends; '7' glues; a tag that
  // runs out leaves the rest as the last word, and the last segment takes no tag character.
  EXPECT_EQ(SplitByTag(u"X1.Y2.", u"800"), (Words{u"", u"X1.", u"Y2."}));
  EXPECT_EQ(SplitByTag(u"G01X1.Y2.Z3.", u"037758"), (Words{u"G01", u"X1.Y2.", u"Z3."}));
  EXPECT_EQ(SplitByTag(u"G01X1.Y2.", u"0"), (Words{u"G01", u"X1.Y2."}));
  EXPECT_EQ(SplitWords(u"(A)X-1.5*2"), (Words{u"(", u"A", u")", u"X-1.5*2"}));
  // Word removal: '5' and '8' stand for no word; words past the tag stay.
  EXPECT_EQ(RemoveSourceWords(u"G01X1.Y2.", u"0584"), u"G01Y2.");
  EXPECT_EQ(RemoveSourceWords(u"(AB)", u"4"), u"AB)");
}

TEST(DictionaryStepsTest, LineCodesTagTheWordsTheyReplace) {
  const TaggedLines work =
      TagByLineCodes({u"G01X10.Y5.M50", u"Y5.X10."}, {{u"X10.Y5.", u"X1.Y2.Z3."}, {u"M50", u""}});
  EXPECT_EQ(work, (TaggedLines{{u"G01X1.Y2.Z3.", u"Y5.X10."}, {u"037758", u"00"}}));
}

TEST(DictionaryStepsTest, AlignmentMarksWhatTheNormalizedProgramLacks) {
  TaggedLines work{{u"G01X1.Y2.", u"M12", u"G00X5.", u"G00X5.Y6.", u"M30"},
                   {u"000", u"0", u"00", u"000", u"0"}};
  AlignWithNormalized(work, {u"G01X1.Y3.", u"G00X5.", u"G00"});
  // "M12" is source only, so "G00X5." is compared with the same normalized line and matches.
  EXPECT_EQ(work.tags, (LineList{u"004", u"4", u"00", u"044", u"4"}));
}

TEST(DictionaryStepsTest, StringCodesByWordRetagChangedWords) {
  TaggedLines work{{u"G01X1.Y2.", u"X1."}, {u"000", u"3"}};
  EXPECT_EQ(ApplyStringCodesByWord(work, {u"X1.", u"", u"Y"}, {u"X1.Z9.", u"Q", u"V"}), 0);
  // The '7' inserted after word 1 stands at index 2, which word 2's change then marks.
  EXPECT_EQ(work, (TaggedLines{{u"G01X1.Z9.V2.", u"X1.Z9."}, {u"0660", u"37"}}));
}

TEST(DictionaryStepsTest, SourceLinesGoInAtTheirIndexAsTheListThenStands) {
  TaggedLines work{{u"G90", u"X1.", u"Y2."}, {u"0", u"0", u"0"}};
  InsertSourceLines(work, {u"G90", u"G111A1.", u"Y2.", u"M30"}, {u"G90", u"X1.", u"Y2."});
  EXPECT_EQ(work, (TaggedLines{{u"G90", u"G111A1.", u"X1.", u"M30", u"Y2."},
                               {u"0", u"44", u"0", u"4", u"0"}}));
}

TEST(DictionaryStepsTest, SubstitutionLongestFirstWithoutOverlap) {
  TaggedLines work{
      {u"(A)", u"G93X5.", u"G90", u"(B)X10.", u"X10.Y10.", u"X10.Y10.", u"X10.Y5.", u"G01Y12."},
      {u"000", u"00", u"0", u"0000", u"30", u"04", u"00", u"00"}};
  SubstitutePairs(work, {{u"X10.", u"X20."}, {u"X10.Y10.", u"X10."}, {u"Y1", u""}, {u"", u"Z"}},
                  true);
  EXPECT_EQ(work, (TaggedLines{{u"(A)", u"G93X5.", u"G90", u"(B)X20.", u"X10.Y10.", u"X10.",
                                u"X20.Y5.", u"G01Y12."},
                               {u"4", u"4", u"0", u"2222", u"30", u"22", u"22", u"22"}}));
}

TEST(DictionaryStepsTest, ConvertedLinesFindTheirPlaces) {
  const TaggedLines aligned = AlignConverted(
      {u"(C)", u"G90", u"G00X1.", u"M12", u"X5.", u"G01X9."},
      {u"4", u"0", u"000", u"0", u"0", u"000"},
      {u"%", u"G90", u"G00X1.T1", u"M13", u"", u"X5.", u"Y7.", u"G01X9.", u"M30", u"M02"});
  EXPECT_EQ(aligned, (TaggedLines{{u"%", u"(C)", u"G90", u"G00X1.T1", u"", u"M12", u"M13", u"",
                                   u"X5.", u"Y7.", u"G01X9.", u"M30", u"M02"},
                                  {u"9", u"4", u"0", u"9", u"4", u"0", u"9", u"9", u"0", u"9",
                                   u"000", u"9", u"9"}}));
  // An empty converted line takes the place of the line a converted line blanked.
  EXPECT_EQ(AlignConverted({u"G90", u"G00X1.", u"M12"}, {u"0", u"000", u"0"},
                           {u"G90", u"G00X1.T1", u"", u"M12"}),
            (TaggedLines{{u"G90", u"G00X1.T1", u"", u"M12"}, {u"0", u"9", u"4", u"0"}}));
}

// The alignment as a plain walk over one list, inserting as it goes: slow, but a direct reading
// of the rules, so the indexed alignment must give the same lists on any input.
TaggedLines NaiveAlign(LineList lines, LineList tags, const LineList& converted) {
  const auto code = [](const std::u16string& l) {
    return Contains(l, u"G90") || Contains(l, u"G91") || Contains(l, u"G92");
  };
  size_t c = 0;
  for (; c < converted.size() && !code(converted[c]); ++c) {
    lines.insert(lines.begin() + static_cast<ptrdiff_t>(c), converted[c]);
    tags.insert(tags.begin() + static_cast<ptrdiff_t>(c), u"9");
  }
  size_t restart = c;
  while (restart < lines.size() && !code(lines[restart])) ++restart;
  if (restart == lines.size()) restart = c;
  size_t pos = restart;
  LineList unplaced;
  auto insert = [&](size_t at, const std::u16string& line) {
    lines.insert(lines.begin() + static_cast<ptrdiff_t>(at), line);
    tags.insert(tags.begin() + static_cast<ptrdiff_t>(at), u"9");
  };
  for (; c < converted.size(); ++c) {
    const std::u16string& line = converted[c];
    if (pos >= lines.size()) {
      insert(lines.size(), line);
      continue;
    }
    bool matched = false;
    while (!matched) {
      const std::u16string aligned = lines[pos];
      if (line == aligned) {
        matched = true;
      } else if (Contains(line, aligned) && !aligned.empty() && aligned != u"G00" &&
                 aligned != u"G01") {
        lines[pos].clear();
        tags[pos] = u"4";
        insert(pos, line);
        matched = true;
      } else if (++pos == lines.size()) {
        break;
      }
    }
    if (!matched) {
      unplaced.push_back(line);
      pos = restart;
      if (c + 1 < converted.size() && converted[c + 1].empty()) unplaced.push_back(converted[++c]);
      if (c + 1 == converted.size()) pos = lines.size();
      continue;
    }
    for (const std::u16string& u : unplaced) insert(pos++, u);
    unplaced.clear();
    restart = pos = pos + 1;
  }
  for (const std::u16string& u : unplaced) insert(pos++, u);
  return {lines, tags};
}

TEST(DictionaryStepsTest, AlignmentAgreesWithAPlainWalk) {
  std::mt19937 random(7);
  const char16_t* const texts[] = {u"",       u"G90",      u"G00", u"G01",    u"X1.",
                                   u"G00X1.", u"G00X1.T1", u"M12", u"M12M13", u"Y2."};
  auto pick = [&](size_t count) {
    LineList lines;
    for (size_t i = random() % count; i > 0; --i) lines.push_back(texts[random() % 10]);
    return lines;
  };
  for (int32_t round = 0; round < 3000; ++round) {
    const LineList plain = pick(10);
    const LineList tags(plain.size(), u"0");
    const LineList converted = pick(12);
    ASSERT_EQ(AlignConverted(plain, tags, converted), NaiveAlign(plain, tags, converted));
  }
}

}  // namespace
}  // namespace qv
