// Dialogs built from templates: control places in dialog units, data exchange, OK and Enter,
// the toolkit's number conventions and a screenshot of the sample dialog.
#include <gtest/gtest.h>

#include <cstdio>

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "framework/DataExchange.h"
#include "framework/TemplateWindows.h"
#include "tests/gui/GuiTestSupport.h"

namespace {

constexpr int kSample = 9001;

class SampleDialog : public framework::TemplateDialog {
 public:
  SampleDialog() : TemplateDialog(kSample, nullptr) {}
  std::string name = "Reef";
  int units = 1;

 protected:
  void DoDataExchange(bool save) override {
    framework::ExchangeText(this, save, 9101, name);
    framework::ExchangeRadio(this, save, 9104, units);
  }
};

// Dialog units by their definition: a quarter of the average width of the 52 letters and an
// eighth of the character height of the dialog's font.
wxPoint ByDefinition(wxWindow& window, int x, int y) {
  wxClientDC dc(&window);
  dc.SetFont(window.GetFont());
  const wxSize letters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int baseX = (letters.x / 26 + 1) / 2;
  const int baseY = dc.GetCharHeight();
  return wxPoint(x * baseX / 4, y * baseY / 8);
}

}  // namespace

TEST(TemplateDialog, ControlsStandAtTheirTemplatePlaces) {
  SampleDialog dialog;
  ASSERT_TRUE(dialog.Create());
  ASSERT_TRUE(ShowOnScreen(dialog));
  EXPECT_EQ(dialog.GetTitle(), "Sample Dialog");
  struct Place {
    int id, x, y, width, height;
  } places[] = {{9101, 40, 7, 193, 14}, {9102, 7, 26, 170, 78}, {9103, 7, 109, 50, 14}, {1, 129, 109, 50, 14}, {2, 183, 109, 50, 14}};
  for (const Place& p : places) {
    SCOPED_TRACE(p.id);
    wxWindow* control = dialog.FindWindow(p.id);
    ASSERT_NE(control, nullptr);
    const wxPoint topLeft = ByDefinition(dialog, p.x, p.y);
    const wxPoint bottomRight = ByDefinition(dialog, p.x + p.width, p.y + p.height);
    const wxRect rect = control->GetRect();
    EXPECT_NEAR(rect.x, topLeft.x, 1);
    EXPECT_NEAR(rect.y, topLeft.y, 1);
    EXPECT_NEAR(rect.GetRight() + 1, bottomRight.x, 1);
    EXPECT_NEAR(rect.GetBottom() + 1, bottomRight.y, 1);
  }
  const wxPoint client = ByDefinition(dialog, 240, 130);
  EXPECT_NEAR(dialog.GetClientSize().x, client.x, 1);
  EXPECT_NEAR(dialog.GetClientSize().y, client.y, 1);
  EXPECT_NE(dynamic_cast<wxListCtrl*>(dialog.FindWindow(9102)), nullptr);
  EXPECT_TRUE(dynamic_cast<wxRadioButton*>(dialog.FindWindow(9104))->HasFlag(wxRB_GROUP));

  const wxString file = wxString(GUI_ARTEFACT_DIR) + "/sample-dialog.png";
  EXPECT_TRUE(CaptureWindow(dialog).SaveFile(file, wxBITMAP_TYPE_PNG));
}

TEST(TemplateDialog, DataExchangeAndOkCloseTheDialogWithTheValues) {
  SampleDialog dialog;
  ASSERT_TRUE(dialog.Create());
  auto* name = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(9101));
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->GetValue(), "Reef");
  EXPECT_TRUE(dynamic_cast<wxRadioButton*>(dialog.FindWindow(9105))->GetValue());
  dialog.CallAfter([&] {
    name->ChangeValue("Wreck");
    dynamic_cast<wxRadioButton*>(dialog.FindWindow(9104))->SetValue(true);
    wxCommandEvent ok(wxEVT_BUTTON, 1);
    ok.SetEventObject(dialog.FindWindow(1));
    dialog.FindWindow(1)->GetEventHandler()->ProcessEvent(ok);
  });
  EXPECT_EQ(dialog.ShowModal(), 1);
  EXPECT_EQ(dialog.name, "Wreck");
  EXPECT_EQ(dialog.units, 0);
}

TEST(TemplateDialog, EnterPressesTheDefaultButtonAndEscapeCancels) {
  SampleDialog dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.CallAfter([&] {
    dialog.FindWindow(9101)->SetFocus();
    wxUIActionSimulator().Char(WXK_RETURN);
  });
  EXPECT_EQ(dialog.ShowModal(), 1);

  SampleDialog second;
  ASSERT_TRUE(second.Create());
  second.name = "unchanged";
  second.CallAfter([&] {
    second.FindWindow(9101)->SetFocus();
    dynamic_cast<wxTextCtrl*>(second.FindWindow(9101))->ChangeValue("typed");
    wxKeyEvent escape(wxEVT_CHAR_HOOK);
    escape.m_keyCode = WXK_ESCAPE;
    escape.SetEventObject(second.FindWindow(9101));
    second.FindWindow(9101)->GetEventHandler()->ProcessEvent(escape);
  });
  EXPECT_EQ(second.ShowModal(), 2);
  EXPECT_EQ(second.name, "unchanged");
}

TEST(TemplateDialog, AMissingTemplateShowsNothing) {
  framework::TemplateDialog dialog(4242, nullptr);
  EXPECT_FALSE(dialog.Create());
  EXPECT_EQ(dialog.ShowModal(), -1);
}

TEST(Toolkit, NumbersKeepTheCConventionsUnderAnyLocale) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", 1.5);
  EXPECT_STREQ(text, "1.50");
  EXPECT_DOUBLE_EQ(std::strtod("2.25", nullptr), 2.25);
}
