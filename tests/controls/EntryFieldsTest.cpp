// The logic of the multi-field edits: integer fields, field navigation and clicks, and the
// hours:minutes field's typing, keys and seconds.
#include <gtest/gtest.h>

#include "controls/core/HoursMinutesText.h"
#include "controls/core/IntegerField.h"
#include "controls/core/MultiFieldText.h"

using controls::FieldKey;
using controls::FieldRange;

namespace {

void Type(controls::MultiFieldText& fields, const std::string& characters) {
  for (char c : characters) fields.OnChar(c);
}

}  // namespace

TEST(IntegerField, TypedDigitsBuildTheNumberAndADigitPastTheMaximumStartsANewOne) {
  controls::CIntegerField field(0, 59, 1);
  EXPECT_TRUE(field.OnChar('5'));
  EXPECT_TRUE(field.OnChar('3'));
  EXPECT_EQ(field.Value(), 53);
  EXPECT_TRUE(field.OnChar('7'));  // 537 > 59
  EXPECT_EQ(field.Value(), 7);
  EXPECT_FALSE(field.OnChar('-'));  // no negatives in 0..59
  EXPECT_FALSE(field.OnChar('a'));
  EXPECT_EQ(field.Value(), 7);

  field.SetValue(60);  // outside: ignored
  EXPECT_EQ(field.Value(), 7);
  field.SetValue(59);
  field.Increment();
  EXPECT_EQ(field.Value(), 0);
  field.Decrement();
  EXPECT_EQ(field.Value(), 59);
  EXPECT_TRUE(field.OnChar('4'));  // stepping forgot the typed digits
  EXPECT_EQ(field.Value(), 4);

  // A field narrower than one digit refuses what it cannot hold instead of leaving its range.
  controls::CIntegerField small(0, 5, 1);
  EXPECT_FALSE(small.OnChar('8'));
  EXPECT_EQ(small.Value(), 0);

  // With negatives, '-' flips the sign of the value and of what is typed next.
  controls::CIntegerField signedField(-20, 20, 5);
  EXPECT_TRUE(signedField.OnChar('-'));
  EXPECT_TRUE(signedField.OnChar('1'));
  EXPECT_TRUE(signedField.OnChar('5'));
  EXPECT_EQ(signedField.Value(), -15);
  signedField.Decrement();
  EXPECT_EQ(signedField.Value(), -20);
  signedField.Decrement();  // past the minimum: round to the maximum
  EXPECT_EQ(signedField.Value(), 20);
}

TEST(MultiFieldText, PlacesFieldsBetweenPrefixSeparatorsAndSuffix) {
  controls::MultiFieldText fields;
  ASSERT_TRUE(fields.SetFields({"000", "00", "0"}, {"-", " / "}, "[", "]"));
  EXPECT_EQ(fields.Text(), "[000-00 / 0]");
  EXPECT_EQ(fields.Selection(), (FieldRange{1, 4}));
  ASSERT_TRUE(fields.SetCurrentField(2));
  EXPECT_EQ(fields.Selection(), (FieldRange{10, 11}));
  EXPECT_TRUE(fields.IsVisited(2));
  EXPECT_FALSE(fields.IsVisited(1));

  // Texts are cut to their field's width; too few texts change nothing.
  EXPECT_TRUE(fields.SetTexts({"12345", "6", "78"}));
  EXPECT_EQ(fields.Text(), "[123-6 / 7]");
  EXPECT_FALSE(fields.SetTexts({"1", "2"}));
  EXPECT_EQ(fields.Text(), "[123-6 / 7]");

  // Refused layouts leave the edit as it was.
  EXPECT_FALSE(fields.SetFields({"00", "00"}, {":", ":", ":"}, "", ""));
  EXPECT_FALSE(fields.SetFields({"00", ""}, {":"}, "", ""));
  EXPECT_FALSE(fields.SetFields({"00"}, {":"}, "", ""));
  EXPECT_EQ(fields.Text(), "[123-6 / 7]");
  EXPECT_EQ(fields.CurrentField(), 2);
  EXPECT_FALSE(fields.SetCurrentField(3));
}

TEST(MultiFieldText, ClicksSelectTheFieldUnderThemAndASeparatorKeepsTheCurrentOne) {
  controls::MultiFieldText fields;
  // "ab:cd - ef": fields at 0-1, 3-4 and 8-9.
  ASSERT_TRUE(fields.SetFields({"ab", "cd", "ef"}, {":", " - "}, "", ""));
  fields.OnClick(4);
  EXPECT_EQ(fields.CurrentField(), 1);
  fields.OnClick(6);  // on " - "
  EXPECT_EQ(fields.CurrentField(), 1);
  fields.OnClick(2);  // on ":"
  EXPECT_EQ(fields.CurrentField(), 1);
  fields.OnClick(-1);  // left of the text
  EXPECT_EQ(fields.CurrentField(), 0);
  fields.OnClick(10);  // right of the text
  EXPECT_EQ(fields.CurrentField(), 2);
  fields.OnClick(8);
  EXPECT_EQ(fields.CurrentField(), 2);

  // Keys go round in a circle.
  fields.OnKey(FieldKey::kRight);
  EXPECT_EQ(fields.CurrentField(), 0);
  fields.OnKey(FieldKey::kLeft);
  EXPECT_EQ(fields.CurrentField(), 2);
  fields.OnKey(FieldKey::kSpace);
  EXPECT_EQ(fields.CurrentField(), 0);
  fields.OnKey(FieldKey::kUp);  // moves nothing in a plain multi-field edit
  EXPECT_EQ(fields.CurrentField(), 0);
}

TEST(HoursMinutesText, TwoDigitsFillAFieldAndMoveToTheOther) {
  controls::HoursMinutesText time;
  EXPECT_EQ(time.Text(), "00:00");
  EXPECT_EQ(time.Selection(), (FieldRange{0, 2}));
  Type(time, "1345");
  EXPECT_EQ(time.Text(), "13:45");
  EXPECT_EQ(time.GetSeconds(), 13 * 3600 + 45 * 60);
  EXPECT_EQ(time.CurrentField(), 0);

  // Into the minutes, 8 then 0: 80 is past 59, so the 0 starts again.
  time.OnKey(FieldKey::kRight);
  Type(time, "8");
  EXPECT_EQ(time.Text(), "13:08");
  Type(time, "0");
  EXPECT_EQ(time.Text(), "13:00");
  EXPECT_EQ(time.CurrentField(), 0);

  // A field entered anew is cleared by the first character, even one it refuses.
  Type(time, "x");
  EXPECT_EQ(time.Text(), "00:00");
  Type(time, "9");
  EXPECT_EQ(time.Text(), "09:00");
  Type(time, "9");
  EXPECT_EQ(time.Text(), "09:00");  // 99 hours is too many: the second 9 starts again, the field is full
  EXPECT_EQ(time.CurrentField(), 1);
}

TEST(HoursMinutesText, SecondsAreSetWithinSeventyOneHoursFiftyNineAndKeysStepTheField) {
  controls::HoursMinutesText time;
  time.SetSeconds(12 * 3600 + 30 * 60);
  EXPECT_EQ(time.Text(), "12:30");
  time.SetSeconds(72 * 3600);  // ignored
  time.SetSeconds(-60);        // ignored
  EXPECT_EQ(time.Text(), "12:30");
  // A digit after SetSeconds replaces the value instead of extending it.
  Type(time, "1");
  EXPECT_EQ(time.Text(), "01:30");
  Type(time, "5");
  EXPECT_EQ(time.Text(), "15:30");
  EXPECT_EQ(time.CurrentField(), 1);

  time.SetSeconds(71 * 3600 + 59 * 60 + 59);
  EXPECT_EQ(time.Text(), "71:59");
  EXPECT_EQ(time.GetSeconds(), 259140);  // the 59 seconds are dropped
  time.OnKey(FieldKey::kUp);  // minutes 59 → 0
  EXPECT_EQ(time.Text(), "71:00");
  time.OnKey(FieldKey::kLeft);
  EXPECT_EQ(time.CurrentField(), 0);
  time.OnKey(FieldKey::kLeft);  // from the hours round to the minutes
  EXPECT_EQ(time.CurrentField(), 1);
  time.OnKey(FieldKey::kRight);  // from the minutes round to the hours
  time.OnKey(FieldKey::kUp);     // hours 71 → 0
  EXPECT_EQ(time.Text(), "00:00");
  time.OnKey(FieldKey::kDown);  // 0 → 71
  EXPECT_EQ(time.Text(), "71:00");
  time.OnKey(FieldKey::kSpace);
  time.OnKey(FieldKey::kDown);  // minutes 0 → 59
  EXPECT_EQ(time.Text(), "71:59");
  time.OnKey(FieldKey::kBackspace);
  EXPECT_EQ(time.Text(), "71:00");
  time.OnKey(FieldKey::kLeft);
  time.OnKey(FieldKey::kDelete);
  EXPECT_EQ(time.Text(), "00:00");
  EXPECT_EQ(time.GetSeconds(), 0);
}
