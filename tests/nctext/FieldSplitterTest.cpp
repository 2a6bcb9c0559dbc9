#include <gtest/gtest.h>

#include "TestSupport.h"
#include "nctext/FieldSplitter.h"

namespace qv {
namespace {

TEST(FieldSplitter, SplitsAtTheSeparatorWithoutEmptyFields) {
  FieldSplitter splitter;
  splitter.text = u"AUTOCONV";
  EXPECT_EQ(splitter.SplitFields(), 1);

  splitter.text = u"A||B|";
  EXPECT_EQ(splitter.SplitFields(), 2);
  EXPECT_EQ(splitter.fieldStarts[0], 0);
  EXPECT_EQ(splitter.fieldStarts[1], 3);
  EXPECT_EQ(splitter.fieldStarts[2], -1);
  std::u16string field;
  EXPECT_EQ(splitter.GetField(1, field), 0);
  EXPECT_EQ(field, u"B");
  field = u"unchanged";
  EXPECT_EQ(splitter.GetField(2, field), -1);
  EXPECT_EQ(field, u"unchanged");

  splitter.text = u"|||";
  EXPECT_EQ(splitter.SplitFields(), 0);
  EXPECT_EQ(splitter.fieldStarts[0], -1);
}

TEST(FieldSplitter, RefusesMoreFieldsThanItRecords) {
  FieldSplitter splitter;
  std::u16string text;
  for (int i = 0; i < kMaxFields; ++i) text += u"a|";
  splitter.text = text;
  EXPECT_EQ(splitter.SplitFields(), kMaxFields);
  EXPECT_EQ(splitter.fieldStarts[kMaxFields - 1], 2 * (kMaxFields - 1));
  splitter.text = text + u"b";
  EXPECT_EQ(splitter.SplitFields(), -1);
  EXPECT_TRUE(splitter.fields.empty());
  EXPECT_EQ(splitter.fieldStarts[0], -1);
}

}  // namespace
}  // namespace qv
