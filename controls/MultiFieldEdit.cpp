#include "controls/MultiFieldEdit.h"

namespace controls {

wxDEFINE_EVENT(EVT_EDIT_KILL_FOCUS, wxCommandEvent);

namespace {

FieldKey ToFieldKey(int keyCode) {
  switch (keyCode) {
    case WXK_SPACE: return FieldKey::kSpace;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT: return FieldKey::kLeft;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT: return FieldKey::kRight;
    case WXK_UP:
    case WXK_NUMPAD_UP: return FieldKey::kUp;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN: return FieldKey::kDown;
    case WXK_BACK: return FieldKey::kBackspace;
    case WXK_DELETE:
    case WXK_NUMPAD_DELETE: return FieldKey::kDelete;
    default: return FieldKey::kOther;
  }
}

bool IsShortcut(const wxKeyEvent& event) { return event.ControlDown() || event.AltDown() || event.MetaDown(); }

}  // namespace

CMultiFieldEdit::CMultiFieldEdit(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size)
    : CMultiFieldEdit(parent, id, position, size, std::make_unique<MultiFieldText>()) {}

CMultiFieldEdit::CMultiFieldEdit(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size,
                                 std::unique_ptr<MultiFieldText> fields)
    : CColorFieldEdit(parent, id, position, size), fields_(std::move(fields)) {
  Bind(wxEVT_KEY_DOWN, &CMultiFieldEdit::OnKeyDown, this);
  Bind(wxEVT_CHAR, &CMultiFieldEdit::OnChar, this);
  Bind(wxEVT_LEFT_DOWN, &CMultiFieldEdit::OnLeftDown, this);
  // Double clicks, right clicks and moves do nothing here.
  Bind(wxEVT_LEFT_DCLICK, [](wxMouseEvent&) {});
  Bind(wxEVT_RIGHT_DOWN, [](wxMouseEvent&) {});
  Bind(wxEVT_RIGHT_UP, [](wxMouseEvent&) {});
  Bind(wxEVT_MOTION, [](wxMouseEvent&) {});
  Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
    UpdateText();
    event.Skip();
  });
  Bind(wxEVT_KILL_FOCUS, &CMultiFieldEdit::OnKillFocus, this);
  UpdateText();
}

bool CMultiFieldEdit::SetFields(const std::vector<std::string>& templates, const std::vector<std::string>& separators,
                                const std::string& prefix, const std::string& suffix) {
  if (!fields_->SetFields(templates, separators, prefix, suffix)) return false;
  UpdateText();
  return true;
}

bool CMultiFieldEdit::SetTexts(const std::vector<std::string>& texts) {
  if (!fields_->SetTexts(texts)) return false;
  UpdateText();
  return true;
}

bool CMultiFieldEdit::SetCurrentField(int field) {
  if (!fields_->SetCurrentField(field)) return false;
  UpdateText();
  return true;
}

void CMultiFieldEdit::UpdateText() {
  const FieldRange selection = fields_->Selection();
  ShowText(wxString::FromUTF8(fields_->Text()), selection.start, selection.end);
}

void CMultiFieldEdit::OnKeyDown(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  if (key == WXK_TAB) {
    Navigate(event.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
    return;
  }
  // Enter and Escape belong to the dialog, shortcuts to the menus and buttons.
  if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_ESCAPE || IsShortcut(event)) {
    event.Skip();
    return;
  }
  const FieldKey fieldKey = ToFieldKey(key);
  fields_->OnKey(fieldKey);
  UpdateText();
  // A key that types a character goes on to become one.
  if (fieldKey == FieldKey::kOther && event.GetUnicodeKey() != WXK_NONE) event.Skip();
}

void CMultiFieldEdit::OnChar(wxKeyEvent& event) {
  if (IsShortcut(event)) {
    event.Skip();
    return;
  }
  const wxChar character = event.GetUnicodeKey();
  fields_->OnChar(character < 0x80 ? static_cast<char>(character) : '?');
  UpdateText();
}

void CMultiFieldEdit::OnLeftDown(wxMouseEvent& event) {
  SetFocus();
  fields_->OnClick(CharacterIndexAt(event.GetX()));
  UpdateText();
}

void CMultiFieldEdit::OnKillFocus(wxFocusEvent& event) {
  Refresh();
  auto* notification = new wxCommandEvent(EVT_EDIT_KILL_FOCUS, GetId());
  notification->SetEventObject(this);
  wxQueueEvent(this, notification);
  event.Skip();
}

CSTimeHM::CSTimeHM(wxWindow* parent, wxWindowID id, const wxPoint& position, const wxSize& size)
    : CMultiFieldEdit(parent, id, position, size, std::make_unique<HoursMinutesText>()),
      time_(static_cast<HoursMinutesText&>(Fields())) {}

void CSTimeHM::SetSeconds(int seconds) {
  time_.SetSeconds(seconds);
  UpdateText();
}

}  // namespace controls
