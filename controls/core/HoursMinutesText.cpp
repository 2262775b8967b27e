#include "controls/core/HoursMinutesText.h"

#include <cstdio>

namespace controls {
namespace {

std::string TwoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

}  // namespace

HoursMinutesText::HoursMinutesText() { SetFields({"00", "00"}, {":"}, "", ""); }

int HoursMinutesText::GetSeconds() const { return hours_.Value() * 3600 + minutes_.Value() * 60; }

void HoursMinutesText::SetSeconds(int seconds) {
  if (seconds < 0 || seconds / 3600 > kMaxHours) return;
  hours_.SetValue(seconds / 3600);
  minutes_.SetValue(seconds % 3600 / 60);
  WriteText();
}

void HoursMinutesText::OnKey(FieldKey key) {
  bool changed = true;
  switch (key) {
    case FieldKey::kBackspace:
    case FieldKey::kDelete: CurrentValue().SetValue(0); break;
    case FieldKey::kUp: CurrentValue().Increment(); break;
    case FieldKey::kDown: CurrentValue().Decrement(); break;
    default: changed = false; break;
  }
  if (changed) {
    CurrentDigitCount() = 0;
    WriteText();
  }
  MultiFieldText::OnKey(key);
}

void HoursMinutesText::OnChar(char character) {
  if (IsVisited(CurrentField())) {
    CurrentValue().Reset();
    SetVisited(CurrentField(), false);
    CurrentDigitCount() = 0;
  }
  if (CurrentValue().OnChar(character) && ++CurrentDigitCount() == 2) {
    CurrentDigitCount() = 0;
    SetCurrentField(1 - CurrentField());
  }
  WriteText();
}

void HoursMinutesText::WriteText() { SetTexts({TwoDigits(hours_.Value()), TwoDigits(minutes_.Value())}); }

}  // namespace controls
