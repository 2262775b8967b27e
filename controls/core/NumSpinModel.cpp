#include "controls/core/NumSpinModel.h"

#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"
#include "engine/support/Rounding.h"

namespace controls {
namespace {

constexpr char kDecimalPoint = '.';  // the C conventions' point, which every field uses
constexpr double kRelativeTolerance = 1e-9;

void RemoveTrailingZerosAndPoint(std::string& number) {
  if (number.find(kDecimalPoint) == std::string::npos) return;
  while (!number.empty() && number.back() == '0') number.pop_back();
  if (!number.empty() && number.back() == kDecimalPoint) number.pop_back();
}

}  // namespace

void NumSpinModel::SetRangeAndDelta(double minimum, double maximum, double step) {
  minimum_ = minimum;
  maximum_ = maximum;
  step_ = step;
  if (step == 0) return;
  const double count = std::fabs((maximum - minimum) / step);
  rangeCount_ = count < kMaxRangeCount ? static_cast<int>(count) : kMaxRangeCount;
}

std::optional<int> NumSpinModel::PositionOf(double value) const {
  if (minimum_ == maximum_) return std::nullopt;
  if (value < minimum_) return 0;
  if (value > maximum_) return rangeCount_;
  const double position = (value - minimum_) / (maximum_ - minimum_) * rangeCount_ + 0.5;
  if (!(position >= 0)) return 0;
  return position < rangeCount_ ? static_cast<int>(position) : rangeCount_;
}

std::string NumSpinModel::TextOf(double value) const {
  if (!format_.empty()) return FormatC(format_.c_str(), value);
  const std::string general = FormatC("%g", value);
  if (decimals_ == -1) return general;
  const bool exponentForm = general.find('e') != std::string::npos;
  std::string text = exponentForm ? FormatC("%.*e", decimals_, value) : FormatC("%.*f", decimals_, value);
  return trimZeros_ ? TrimmedZeros(std::move(text), exponentForm) : text;
}

std::string NumSpinModel::TrimmedZeros(std::string text, bool exponentForm) const {
  if (!exponentForm) {
    RemoveTrailingZerosAndPoint(text);
    return text;
  }
  const std::size_t exponent = text.find('e');
  std::string mantissa = text.substr(0, exponent);
  RemoveTrailingZerosAndPoint(mantissa);
  return mantissa + text.substr(exponent);
}

double NumSpinModel::Clicked(double value, int delta, bool wraps) const {
  double next = value + delta * step_;
  if (delta * step_ < 0) {
    const double tolerance = std::max(std::fabs(std::max(next, minimum_)) * kRelativeTolerance, kRelativeTolerance);
    if (minimum_ - next > tolerance) next = wraps ? maximum_ : minimum_;
  } else {
    const double tolerance = std::max(std::fabs(std::max(next, maximum_)) * kRelativeTolerance, kRelativeTolerance);
    if (next - maximum_ > tolerance) next = wraps ? minimum_ : maximum_;
  }
  return next;
}

bool NumSpinModel::Clamp(double& value) const {
  if (value < minimum_) {
    value = minimum_;
    return false;
  }
  if (value > maximum_) {
    value = maximum_;
    return false;
  }
  return true;
}

double NumSpinModel::ReadValue(std::string_view text) { return ReadLeadingDouble(text); }

}  // namespace controls
