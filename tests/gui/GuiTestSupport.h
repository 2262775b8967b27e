#pragma once
// Helpers of the window tests: letting queued events run, waiting for a state, finding tab
// positions, reading pixels, answering message boxes.
//
// A step of a window test waits on the very state it then checks (SettleUntil, SettlesTo, Drawn),
// with a time-out generous enough for a loaded machine, never on a fixed delay: the toolkit and
// the X server may take seconds to answer when every core is busy. Settle(ms) is for the few
// checks that something does not happen within a while.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <wx/bitmap.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/testing.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "tests/gui/ScreenState.h"

// From now on a failed toolkit check fails the test instead of waiting in a dialog.
void FailTestsOnToolkitAsserts();
// How long a wait for the toolkit may take before the test fails; a wait returns as soon as its
// state is reached.
constexpr int kGenerousWaitMs = 20000;

// Runs the event loop for this long.
void Settle(int milliseconds = 50);
// Runs the event loop until done() or the time is up; the last answer of done().
bool SettleUntil(const std::function<bool()>& done, int milliseconds = kGenerousWaitMs);
// Runs the event loop until read() gives expected or the time is up; a failure says what read()
// gave last. EXPECT_TRUE(SettlesTo([&] { return field.GetValue(); }, "12"));
template <typename Read, typename Expected>
testing::AssertionResult SettlesTo(Read read, const Expected& expected, int milliseconds = kGenerousWaitMs) {
  auto last = read();
  if (SettleUntil([&] { return (last = read()) == expected; }, milliseconds)) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "still " << testing::PrintToString(last) << " after " << milliseconds
                                     << " ms, not " << testing::PrintToString(expected);
}
// Shows the window and waits until it is on the screen and drawn; false when it did not come.
bool ShowOnScreen(wxWindow& window);
// Types into a field as the user does (over its whole text) and leaves it with Tab; returns once
// the focus has left the field and what leaving it queued has run.
void TypeInto(wxWindow* field, const char* text);
// Clicks the close box in the window's title bar, as the user does.
void PressCloseBox(wxTopLevelWindow& window);
// Clicks the upper arrow of an up-down control as the user does.
void ClickUpperArrow(wxWindow& arrows);
// A point in the notebook's client coordinates that lies on the tab of page, if one is found.
bool FindTabPoint(wxNotebook& notebook, int page, wxPoint& point);
// What the window looks like on the screen now.
wxBitmap CaptureWindow(wxWindow& window);
// A bitmap of the window painted by render.
wxBitmap RenderToBitmap(const wxSize& size, const std::function<void(wxDC&)>& render);
int Brightness(const wxImage& image, const wxRect& area);

// Records the critical messages that GTK logs while it lives; they are still printed.
class GtkLogRecorder {
 public:
  GtkLogRecorder();
  ~GtkLogRecorder();
  GtkLogRecorder(const GtkLogRecorder&) = delete;
  GtkLogRecorder& operator=(const GtkLogRecorder&) = delete;

  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  unsigned handler_;
  std::vector<std::string> messages_;
};

// Answers a message box inside wxTEST_DIALOG and reports what it showed.
class ExpectMessageBox : public wxExpectModalBase<wxMessageDialogBase, ExpectMessageBox> {
 public:
  ExpectMessageBox(int answer, wxString* caption, wxString* text, long* style)
      : answer_(answer), caption_(caption), text_(text), style_(style) {}

 protected:
  int OnInvoked(wxMessageDialogBase* box) const override {
    *caption_ = box->GetCaption();
    *text_ = box->GetMessage();
    *style_ = box->GetMessageDialogStyle();
    return answer_;
  }

 private:
  int answer_;
  wxString* caption_;
  wxString* text_;
  long* style_;
};
