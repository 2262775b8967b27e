#include "views/Details.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/settings.h>

#include "controls/ImageButton.h"
#include "controls/MemDC.h"
#include "engine/AppSettings.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace views {
namespace {

constexpr int kReadoutFontHeight = 12;
constexpr int kFirstRowY = 10;
constexpr int kRowSpacing = 16;
constexpr int kLabelGap = 6;

// The read-out panel: four columns of labels and values over the control that marks its place.
class ReadoutPanelWindow : public wxWindow {
 public:
  ReadoutPanelWindow(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size, const CDetails& details)
      : details_(details) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, position, size, wxFULL_REPAINT_ON_RESIZE);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { Paint(); });
  }

 private:
  void Paint() {
    wxPaintDC window(this);
    const wxSize size = GetClientSize();
    controls::CMemDC offScreen(window, wxRect(size));
    wxDC& dc = offScreen.Dc();
    dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW)));
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.DrawRectangle(0, 0, size.x, size.y);
    dc.SetBackgroundMode(wxTRANSPARENT);
    dc.SetFont(wxFontInfo(wxSize(0, CharacterHeight(kReadoutFontHeight))));
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
    const int column = size.x / 4;
    for (int k = 1; k < 4; ++k) dc.DrawLine(k * column, 5, k * column, size.y - 5);
    for (const DetailsReadout& readout : DetailsReadouts(details_.values, DisplayUnits())) {
      const int left = readout.column * column;
      const int y = kFirstRowY + readout.row * kRowSpacing;
      const wxString label = wxString::FromUTF8(readout.label);
      dc.DrawText(label, left + 5, y);
      // A label wider than its place pushes its value on rather than under it.
      const int valueX = std::max(readout.valueOffset, 5 + dc.GetTextExtent(label).x + kLabelGap);
      dc.DrawText(wxString::FromUTF8(readout.value), left + valueX, y);
    }
  }

  const CDetails& details_;
};

}  // namespace

CDetails::CDetails(wxWindow* owner) : CHelpDlg(IDD_DETAILS, owner) {
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    if (UpdateData(true)) Destroy();
  }, framework::kIdOk);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Destroy(); });
}

wxWindow* CDetails::CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                                  const wxSize& size) {
  if (control.id == IDC_DETAILS_READOUTS) return new ReadoutPanelWindow(parent, control.id, position, size, *this);
  if (control.id == framework::kIdOk) {
    return new controls::CShadedButton(parent, control.id, framework::TemplateText(control.text), position, size);
  }
  return nullptr;
}

wxWindow* CDetails::ReadoutPanel() const { return FindWindow(IDC_DETAILS_READOUTS); }

bool CDetails::OnInitDialog() {
  CHelpDlg::OnInitDialog();
  // Escape cancels the window; bound after the dialog's own keys, so that it is asked first.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers()) Destroy();
    else event.Skip();
  });
  if (auto* ok = dynamic_cast<controls::CShadedButton*>(FindWindow(framework::kIdOk))) {
    ok->SetShadeStyle(6, 8, 10, 0, *wxBLACK);
    ok->SetIcon(IDI_OK, 0);
    ok->SetButtonCursor(IDC_HAND_POINTER, true);
    ok->SetTooltipTextId(framework::kIdOk, true);
  }
  if (barGraph_ == nullptr) {
    wxWindow* frame = FindWindow(IDC_DETAILS_GRAPH_FRAME);
    const wxRect place = frame != nullptr ? frame->GetRect() : wxRect(GetClientSize());
    if (frame != nullptr) frame->Hide();
    barGraph_ = new CBarGraph;
    barGraph_->Create(this, IDC_DETAILS_BAR_GRAPH, place.GetPosition(), place.GetSize());
  }
  LoadCoefficients();
  SetupBarGraph();
  return true;
}

void CDetails::LoadCoefficients() { coefficients_ = LoadCompartmentCoefficients(coefficientSet_); }

void CDetails::SetupBarGraph() { SetUpCompartmentGraph(*barGraph_); }

void CDetails::SetCoefficientSet(int coefficientSet) {
  coefficientSet_ = coefficientSet;
  LoadCoefficients();
  DrawReadouts();
}

void CDetails::RefreshTexts() {
  ReloadTemplateTexts();
  if (auto* ok = dynamic_cast<controls::CShadedButton*>(FindWindow(framework::kIdOk))) {
    ok->SetTooltipTextId(framework::kIdOk, true);
  }
  DrawReadouts();
}

void CDetails::FillBarGraph() { FillCompartmentGraph(*barGraph_, values, coefficients_); }

void CDetails::DrawReadouts() {
  if (barGraph_ == nullptr) return;  // not made yet: its initialisation paints
  if (wxWindow* panel = ReadoutPanel()) {
    panel->Refresh(false);
    panel->Update();
  }
  barGraph_->SetDrawData(true);
  barGraph_->SetUnits(ResourceString(IDS_GRAPH_COMPARTMENT));
  FillBarGraph();
  barGraph_->Draw();
}

}  // namespace views
