#include "engine/support/SParser.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Fields(const std::string& text, char separator = ',') {
  CSParser parser(text, separator);
  std::vector<std::string> fields;
  for (int i = 1; i <= parser.GetCount(); ++i) fields.push_back(parser.GetField(i));
  return fields;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(SParser, NumbersFieldsFromOne) {
  EXPECT_EQ(Fields("a,b"), (Strings{"a", "b"}));
  EXPECT_EQ(Fields("a,b,"), (Strings{"a", "b", ""}));
  EXPECT_EQ(Fields(",a"), (Strings{"", "a"}));
  EXPECT_EQ(Fields(""), (Strings{""}));
  EXPECT_EQ(Fields("a,,b"), (Strings{"a", "", "b"}));
  EXPECT_EQ(Fields(","), (Strings{"", ""}));
  EXPECT_EQ(Fields("100~1500~3000.00", '~'), (Strings{"100", "1500", "3000.00"}));
  EXPECT_EQ(Fields("a,b", 0), (Strings{"a,b"}));
}

TEST(SParser, FieldZeroIsTheWholeTextAndOthersAreChecked) {
  CSParser parser("021~Wreck~dive", '~');
  ASSERT_EQ(parser.GetCount(), 3);
  EXPECT_EQ(parser.GetField(0), "021~Wreck~dive");
  EXPECT_EQ(parser.GetField(3), "dive");
  EXPECT_EQ(parser.GetField(4), "ERROR: Array index out of range.");
  EXPECT_EQ(parser.GetField(-1), "ERROR: Array index out of range.");
  EXPECT_EQ(parser.GetFieldsFrom(2), "Wreck~dive");
  EXPECT_EQ(parser.GetFieldsFrom(9), "");

  parser.Clear();
  EXPECT_EQ(parser.GetCount(), 0);
  EXPECT_EQ(parser.GetField(0), "");
  EXPECT_EQ(parser.GetField(1), "ERROR: Array index out of range.");
  EXPECT_EQ(CSParser().GetField(0), "");
  EXPECT_EQ(parser.Parse("x;y", ';'), 2);
}
