#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include "tests/support/ScriptedUserInterface.h"

using namespace platform;

TEST(UserInterface, DefaultAnswerIsTheDefaultButton) {
  EXPECT_EQ(DefaultAnswer(mb::kOk | mb::kIconExclamation), answer::kOk);
  EXPECT_EQ(DefaultAnswer(mb::kYesNo | mb::kIconQuestion), answer::kYes);
  EXPECT_EQ(DefaultAnswer(mb::kYesNo | mb::kDefaultButton2), answer::kNo);
  EXPECT_EQ(DefaultAnswer(mb::kOkCancel | mb::kDefaultButton2), answer::kCancel);
  EXPECT_EQ(DefaultAnswer(mb::kYesNoCancel | mb::kDefaultButton3), answer::kCancel);
  EXPECT_EQ(DefaultAnswer(mb::kYesNoCancel | mb::kDefaultButton2), answer::kNo);
}

TEST(UserInterface, WithoutAnImplementationNothingHappens) {
  EXPECT_EQ(AskUser("Continue?", mb::kYesNo | mb::kDefaultButton2), answer::kNo);
  PostToMainWindow(0x8000, 1, 2);  // goes nowhere
  WaitCursor wait;
}

TEST(UserInterface, ScriptedDoubleRecordsAndAnswers) {
  ScriptedUserInterface ui;
  ui.QueueAnswer(answer::kYes);
  EXPECT_EQ(AskUser("Extend?", mb::kYesNo | mb::kDefaultButton2), answer::kYes);
  EXPECT_EQ(AskUser("Again?", mb::kYesNo | mb::kDefaultButton2), answer::kNo);  // queue empty
  ASSERT_EQ(ui.questions.size(), 2u);
  EXPECT_EQ(ui.questions[0].caption, "Velmar Tessaline");
  EXPECT_EQ(ui.questions[0].text, "Extend?");

  PostToMainWindow(0x800A, 1);
  PostToMainWindow(0x8001, 3, 4);
  EXPECT_EQ(ui.posted, (std::vector<PostedMessage>{{0x800A, 1, 0}, {0x8001, 3, 4}}));
  {
    WaitCursor outer;
    WaitCursor inner;
    EXPECT_EQ(ui.waitDepth, 2);
  }
  EXPECT_EQ(ui.waitDepth, 0);
  EXPECT_EQ(ui.waitCount, 2);
}

TEST(UserInterface, UninstallingRestoresTheSilentDefault) {
  {
    ScriptedUserInterface ui;
    PostToMainWindow(1);
    EXPECT_EQ(ui.posted.size(), 1u);
  }
  EXPECT_EQ(AskUser("?", mb::kOkCancel | mb::kDefaultButton2), answer::kCancel);
}
