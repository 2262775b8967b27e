#include "controls/core/IntegerField.h"

namespace controls {

CIntegerField::CIntegerField(int minimum, int maximum, int step)
    : step_(step), negativesAllowed_(minimum < 0), minimum_(minimum), maximum_(maximum) {}

bool CIntegerField::OnChar(char character) {
  if (character >= '0' && character <= '9') return TypeDigit(character);
  if (character == '-' && negativesAllowed_ && InRange(-static_cast<long long>(value_))) {
    value_ = -value_;
    negative_ = !negative_;
    return true;
  }
  return false;
}

bool CIntegerField::TypeDigit(char digit) {
  // The number of the digits typed so far, with this one appended; a long run of leading
  // zeros keeps it small, and anything past the range is out of range whatever its size.
  const auto signedNumber = [this](const std::string& digits) {
    long long number = 0;
    for (char d : digits) {
      number = number * 10 + (d - '0');
      if (number > 1'000'000'000'000LL) break;
    }
    return negative_ ? -number : number;
  };
  std::string digits = typedDigits_ + digit;
  long long number = signedNumber(digits);
  if (!InRange(number)) {
    digits.assign(1, digit);
    number = signedNumber(digits);
    // A field whose limits are narrower than one digit refuses what it cannot hold.
    if (!InRange(number)) return false;
  }
  typedDigits_ = digits;
  value_ = static_cast<int>(number);
  return true;
}

void CIntegerField::Increment() {
  value_ = static_cast<long long>(value_) + step_ > maximum_ ? minimum_ : value_ + step_;
  typedDigits_.clear();
}

void CIntegerField::Decrement() {
  value_ = static_cast<long long>(value_) - step_ < minimum_ ? maximum_ : value_ - step_;
  typedDigits_.clear();
}

void CIntegerField::Reset() {
  value_ = minimum_;
  typedDigits_.clear();
}

void CIntegerField::SetValue(int value) {
  if (!InRange(value)) return;
  value_ = value;
  if (value == 0) negative_ = false;
  typedDigits_.clear();
}

}  // namespace controls
