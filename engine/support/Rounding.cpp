#include "engine/support/Rounding.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace {
constexpr double kStepNoise = 1e-9;
}

double RoundToStep(double value, double step) {
  double base = step * std::trunc(value / step);
  return base + step * std::floor((value - base) / step + 0.5);
}

double RoundDownToStep(double value, double step) {
  double quotient = value / step;
  quotient += quotient >= 0 ? kStepNoise : -kStepNoise;
  return step * std::trunc(quotient);
}

bool IsDefinitelyLess(double a, double b, double tolerance) {
  return b - a > tolerance * std::max(std::fabs(a), std::fabs(b));
}

double ReadLeadingDouble(std::string_view text, std::size_t* consumed) {
  std::size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t' || text[start] == '\n' ||
                                 text[start] == '\r' || text[start] == '\v' || text[start] == '\f')) {
    ++start;
  }
  std::size_t numberStart = start;
  if (numberStart < text.size() && text[numberStart] == '+') ++numberStart;
  double value = 0;
  const char* first = text.data() + numberStart;
  const char* last = text.data() + text.size();
  // Only plain decimal forms count: no "inf", "nan" or hexadecimal.
  if (first == last || !(std::isdigit(static_cast<unsigned char>(*first)) || *first == '.' || *first == '-')) {
    if (consumed != nullptr) *consumed = 0;
    return 0;
  }
  if (*first == '-' && (first + 1 == last || !(std::isdigit(static_cast<unsigned char>(first[1])) || first[1] == '.'))) {
    if (consumed != nullptr) *consumed = 0;
    return 0;
  }
  auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error == std::errc::invalid_argument) {
    if (consumed != nullptr) *consumed = 0;
    return 0;
  }
  if (error == std::errc::result_out_of_range) {
    // Keep the sign of an overflowing number; an underflow reads as 0.
    std::string_view number(first, static_cast<std::size_t>(end - first));
    std::size_t exponent = number.find_first_of("eE");
    bool underflow = exponent != std::string_view::npos && exponent + 1 < number.size() && number[exponent + 1] == '-';
    bool negative = *first == '-';
    value = underflow ? 0.0 : (negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max());
  }
  if (consumed != nullptr) *consumed = static_cast<std::size_t>(end - text.data());
  return value;
}

int StringToIntRounded(std::string_view text, bool& ok) {
  std::size_t consumed = 0;
  double value = ReadLeadingDouble(text, &consumed);
  ok = consumed > 0;
  if (!ok) return 0;
  double rounded = std::floor(value + 0.5);
  if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(rounded);
}
