#pragma once
// The values behind the fields of a multi-field edit. A field takes typed characters one at a
// time; a number field also steps up and down, wrapping at its limits.
#include <string>

namespace controls {

class CFieldBase {
 public:
  virtual ~CFieldBase() = default;
  // True when the character was used.
  virtual bool OnChar(char character) = 0;
  virtual void SetToMin() = 0;
};

class CNumFieldBase : public CFieldBase {
 public:
  virtual void Increment() = 0;
  virtual void Decrement() = 0;
  virtual double GetValue() const = 0;

  bool IsGreater(double other) const { return GetValue() > other; }
  bool IsLess(double other) const { return GetValue() < other; }
  bool IsGreaterOrEqual(double other) const { return GetValue() >= other; }
  bool IsLessOrEqual(double other) const { return GetValue() <= other; }
  bool IsEqual(double other) const { return GetValue() == other; }
};

// A whole number between a minimum and a maximum. Typed digits build the number; a digit that
// would take it past the maximum starts a new number instead, so typing never leaves the range.
class CIntegerField : public CNumFieldBase {
 public:
  CIntegerField(int minimum, int maximum, int step);

  // Digits, and '-' (which flips the sign) when the minimum is below 0.
  bool OnChar(char character) override;
  void SetToMin() override { value_ = minimum_; }
  void Increment() override;
  void Decrement() override;
  double GetValue() const override { return value_; }

  int Value() const { return value_; }
  // The minimum, and the next digit starts a new number.
  void Reset();
  // Ignored outside the range; the next digit starts a new number.
  void SetValue(int value);

 private:
  bool TypeDigit(char digit);
  bool InRange(long long value) const { return value >= minimum_ && value <= maximum_; }

  int step_;
  bool negative_ = false;
  bool negativesAllowed_;
  int value_ = 0;
  std::string typedDigits_;
  int minimum_;
  int maximum_;
};

}  // namespace controls
