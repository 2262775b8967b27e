// Posted and sent messages between windows, and the message boxes of the user-interface bridge.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "framework/Messages.h"
#include "framework/WxUserInterface.h"
#include "platform/UserInterface.h"
#include "tests/gui/GuiTestSupport.h"

TEST(Messages, PostedMessagesArriveLaterInOrderAndSentOnesAtOnce) {
  wxFrame frame(nullptr, wxID_ANY, "Messages");
  std::vector<std::pair<std::intptr_t, std::intptr_t>> received;
  framework::BindMessage(frame, 0x800B, [&](std::intptr_t w, std::intptr_t l) {
    received.emplace_back(w, l);
    return std::intptr_t{0};
  });
  framework::BindMessage(frame, 0x800C, [&](std::intptr_t w, std::intptr_t l) { return w * 100 + l; });
  framework::PostMessage(&frame, 0x800B, 21, 35);
  framework::PostMessage(&frame, 0x800B, 18, 45);
  framework::PostMessage(&frame, 0x800D, 1, 1);  // nobody listens
  EXPECT_TRUE(received.empty());
  EXPECT_EQ(framework::SendMessage(&frame, 0x800C, 32, 5), 3205);
  EXPECT_EQ(framework::SendMessage(&frame, 0x800D), 0);
  EXPECT_TRUE(SettlesTo([&] { return received; }, std::vector<std::pair<std::intptr_t, std::intptr_t>>{{21, 35}, {18, 45}}));
  EXPECT_NE(framework::MessageEventType(0x800B), framework::MessageEventType(0x800C));
  EXPECT_EQ(framework::MessageEventType(0x800B), framework::MessageEventType(0x800B));
}

TEST(Messages, AMessageToAWindowDestroyedMeanwhileIsDropped) {
  int handled = 0;
  auto* frame = new wxFrame(nullptr, wxID_ANY, "Gone");
  framework::BindMessage(*frame, 0x8015, [&](std::intptr_t, std::intptr_t) { return std::intptr_t{++handled}; });
  framework::PostMessage(frame, 0x8015, 3, 0);
  delete frame;
  Settle();
  EXPECT_EQ(handled, 0);
  framework::PostMessage(nullptr, 0x8015);
  Settle();
}

TEST(UserInterfaceBridge, PostsToTheMainWindowAndAsksInAMessageBox) {
  framework::WxUserInterface ui;
  auto* frame = new wxFrame(nullptr, wxID_ANY, "Main");
  wxTheApp->SetTopWindow(frame);
  std::vector<std::intptr_t> indexes;
  framework::BindMessage(*frame, 0x8015, [&](std::intptr_t w, std::intptr_t) {
    indexes.push_back(w);
    return std::intptr_t{0};
  });
  platform::PostToMainWindow(0x8015, 2, 0);
  EXPECT_TRUE(SettlesTo([&] { return indexes; }, std::vector<std::intptr_t>{2}));

  wxString caption, text;
  long style = 0;
  int answer = 0;
  wxTEST_DIALOG(answer = platform::AskUser("Delete Dive 2?", platform::mb::kYesNo | platform::mb::kIconExclamation |
                                                                  platform::mb::kDefaultButton2),
                ExpectMessageBox(wxID_YES, &caption, &text, &style));
  EXPECT_EQ(answer, platform::answer::kYes);
  EXPECT_EQ(caption, "Velmar Tessaline");
  EXPECT_EQ(text, "Delete Dive 2?");
  EXPECT_TRUE(style & wxYES_NO);
  EXPECT_TRUE(style & wxICON_WARNING);
  EXPECT_TRUE(style & wxNO_DEFAULT);

  {
    platform::WaitCursor wait;
    EXPECT_TRUE(wxIsBusy());
  }
  EXPECT_FALSE(wxIsBusy());
  wxTheApp->SetTopWindow(nullptr);
  frame->Destroy();
  Settle();
}

TEST(UserInterfaceBridge, ButtonsAndAnswersMapBothWays) {
  namespace mb = platform::mb;
  EXPECT_EQ(framework::MessageBoxStyle(mb::kOk | mb::kIconExclamation), wxOK | wxICON_WARNING);
  EXPECT_EQ(framework::MessageBoxStyle(mb::kOkCancel | mb::kIconQuestion | mb::kDefaultButton2),
            wxOK | wxCANCEL | wxICON_QUESTION | wxCANCEL_DEFAULT);
  EXPECT_EQ(framework::MessageBoxStyle(mb::kYesNoCancel | mb::kIconError), wxYES_NO | wxCANCEL | wxICON_ERROR);
  EXPECT_EQ(framework::MessageBoxAnswer(wxID_NO, mb::kYesNo), platform::answer::kNo);
  EXPECT_EQ(framework::MessageBoxAnswer(wxID_CANCEL, mb::kYesNoCancel), platform::answer::kCancel);
  // A yes/no box closed by its frame counts as its default button.
  EXPECT_EQ(framework::MessageBoxAnswer(wxID_CANCEL, mb::kYesNo | mb::kDefaultButton2), platform::answer::kNo);
  EXPECT_EQ(framework::MessageBoxAnswer(wxID_CANCEL, mb::kOk), platform::answer::kOk);
}

namespace {

// Counts the dialogs shown modally and closes each at once with OK.
class ShownDialogs : public wxModalDialogHook {
 public:
  ShownDialogs() { Register(); }
  ~ShownDialogs() override { Unregister(); }
  int Count() const { return count_; }

 protected:
  int Enter(wxDialog*) override {
    ++count_;
    return wxID_OK;
  }
  void Exit(wxDialog*) override {}

 private:
  int count_ = 0;
};

constexpr unsigned kDeleteQuestion = platform::mb::kYesNo | platform::mb::kDefaultButton2;

// A main window that asks a question while it is destroyed, as its parts may when they fail to
// save what they keep.
class AskingWhileDestroyed : public wxFrame {
 public:
  explicit AskingWhileDestroyed(int& answer) : wxFrame(nullptr, wxID_ANY, "Main"), answer_(answer) {}
  ~AskingWhileDestroyed() override {
    SendDestroyEvent();
    answer_ = platform::AskUser("Delete Dive 2?", kDeleteQuestion);
  }

 private:
  int& answer_;
};

}  // namespace

// The program ends with its main window: a question asked after the window's close shows no box
// (it would have no window to stand over) and gets the default button.
TEST(UserInterfaceBridge, OnceTheMainWindowGoesAQuestionGetsItsDefaultAnswerWithoutABox) {
  framework::WxUserInterface ui;
  ShownDialogs shown;
  int answerWhileDestroyed = 0;
  auto* frame = new AskingWhileDestroyed(answerWhileDestroyed);
  ui.FollowMainWindow(*frame);
  frame->Show();
  EXPECT_EQ(platform::AskUser("Delete Dive 2?", kDeleteQuestion), platform::answer::kOk);  // the hook's OK
  EXPECT_EQ(shown.Count(), 1);

  frame->Destroy();
  EXPECT_EQ(platform::AskUser("Delete Dive 2?", kDeleteQuestion), platform::answer::kNo);
  EXPECT_EQ(platform::AskUser("Saved?", platform::mb::kOk), platform::answer::kOk);
  EXPECT_EQ(shown.Count(), 1);
  EXPECT_TRUE(SettlesTo([&] { return answerWhileDestroyed; }, platform::answer::kNo));
  // After the window has gone.
  EXPECT_EQ(platform::AskUser("Saved?", platform::mb::kOk), platform::answer::kOk);
  EXPECT_EQ(shown.Count(), 1);
}
