#pragma once
// The numbers of a spin field for real values: its range and step, the whole-number positions of
// the arrows that stand for the range, how a value is written into the field and what one click
// of an arrow makes of the value. Numbers are written and read with C conventions, whatever the
// user's locale. No toolkit types.
#include <optional>
#include <string>
#include <string_view>

namespace controls {

class NumSpinModel {
 public:
  // The most positions the arrows have, however fine the step.
  static constexpr int kMaxRangeCount = 0x7FFF;

  // Stores the three; unless step is 0 the range count becomes |(maximum − minimum) / step|,
  // truncated and limited to kMaxRangeCount.
  void SetRangeAndDelta(double minimum, double maximum, double step);
  void SetDecimalPlaces(int decimals) { decimals_ = decimals; }
  // A printf format for one double that replaces the decimals rule; empty restores it.
  void SetFormatString(std::string format) { format_ = std::move(format); }
  void SetTrimTrailingZeros(bool trim) { trimZeros_ = trim; }

  int RangeCount() const { return rangeCount_; }

  // The arrow position of a value; none when minimum equals maximum.
  std::optional<int> PositionOf(double value) const;
  // The field text of a value: the format string, or "%g" with decimals −1, or that many
  // decimals (in exponent form when "%g" would use it), trailing zeros and point removed.
  std::string TextOf(double value) const;
  // The value after an arrow click of delta steps: past a limit (by more than a billionth) it
  // becomes that limit, or the other one when the field wraps.
  double Clicked(double value, int delta, bool wraps) const;
  // The value clamped into the range; false when it had to be.
  bool Clamp(double& value) const;

  // What a field's text reads as: its leading number, 0 when it does not start with one.
  static double ReadValue(std::string_view text);

 private:
  std::string TrimmedZeros(std::string text, bool exponentForm) const;

  double minimum_ = 0.0;
  double maximum_ = 100.0;
  double step_ = 1.0;
  int rangeCount_ = 100;
  int decimals_ = -1;
  std::string format_;
  bool trimZeros_ = true;
};

}  // namespace controls
