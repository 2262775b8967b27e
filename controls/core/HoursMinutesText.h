#pragma once
// The hours:minutes field: "hh:mm" with hours 0 to 71 and minutes 0 to 59, read and written in
// seconds. Two typed digits fill a field and move on to the other one; a field entered anew is
// cleared by the first character typed into it.
#include "controls/core/IntegerField.h"
#include "controls/core/MultiFieldText.h"

namespace controls {

class HoursMinutesText : public MultiFieldText {
 public:
  static constexpr int kMaxHours = 71;

  HoursMinutesText();

  int GetSeconds() const;
  // Seconds below a minute are dropped; a negative time or one of 72 hours or more is ignored.
  void SetSeconds(int seconds);

  // Backspace and Delete clear the field, Up and Down step it round its range.
  void OnKey(FieldKey key) override;
  void OnChar(char character) override;

 private:
  CIntegerField& CurrentValue() { return CurrentField() == 0 ? hours_ : minutes_; }
  int& CurrentDigitCount() { return CurrentField() == 0 ? hourDigits_ : minuteDigits_; }
  void WriteText();

  int hourDigits_ = 0;
  int minuteDigits_ = 0;
  CIntegerField hours_{0, kMaxHours, 1};
  CIntegerField minutes_{0, 59, 1};
};

}  // namespace controls
