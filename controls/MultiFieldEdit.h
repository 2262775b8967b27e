#pragma once
// Edits whose text is a fixed pattern of fields. The selected field is always selected in
// full; Space and the arrow keys move between fields, a click selects the field under it, Tab
// moves on to the next control. When the edit loses the focus its parent gets
// EVT_EDIT_KILL_FOCUS with the edit's id (queued, so that it arrives after the focus change).
#include <memory>
#include <string>
#include <vector>

#include "controls/ColorFieldEdit.h"
#include "controls/core/HoursMinutesText.h"
#include "controls/core/MultiFieldText.h"

namespace controls {

wxDECLARE_EVENT(EVT_EDIT_KILL_FOCUS, wxCommandEvent);

class CMultiFieldEdit : public CColorFieldEdit {
 public:
  CMultiFieldEdit(wxWindow* parent, wxWindowID id, const wxPoint& position = wxDefaultPosition,
                  const wxSize& size = wxDefaultSize);

  bool SetFields(const std::vector<std::string>& templates, const std::vector<std::string>& separators,
                 const std::string& prefix = "", const std::string& suffix = "");
  bool SetTexts(const std::vector<std::string>& texts);
  bool SetCurrentField(int field);
  int GetCurrentField() const { return fields_->CurrentField(); }
  bool IsVisited(int field) const { return fields_->IsVisited(field); }
  void SetVisited(int field, bool visited) { fields_->SetVisited(field, visited); }

 protected:
  CMultiFieldEdit(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size,
                  std::unique_ptr<MultiFieldText> fields);
  MultiFieldText& Fields() { return *fields_; }
  // Shows the fields' text with the current field selected.
  void UpdateText();

 private:
  void OnKeyDown(wxKeyEvent& event);
  void OnChar(wxKeyEvent& event);
  void OnLeftDown(wxMouseEvent& event);
  void OnKillFocus(wxFocusEvent& event);

  std::unique_ptr<MultiFieldText> fields_;
};

// The hours:minutes field, 00:00 to 71:59, read and written in seconds.
class CSTimeHM : public CMultiFieldEdit {
 public:
  CSTimeHM(wxWindow* parent, wxWindowID id, const wxPoint& position = wxDefaultPosition,
           const wxSize& size = wxDefaultSize);

  int GetSeconds() const { return time_.GetSeconds(); }
  // Ignored for a negative time or one of 72 hours or more; seconds below a minute are dropped.
  void SetSeconds(int seconds);

 private:
  HoursMinutesText& time_;
};

}  // namespace controls
