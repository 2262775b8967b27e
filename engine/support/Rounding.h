#pragma once
// Rounding, tolerant comparison and number reading shared by the engine and its files.
#include <string_view>

// The multiple of step nearest to value (halves go up).
double RoundToStep(double value, double step);
// The multiple of step at or below value (toward zero). A value that misses a multiple only by
// floating-point noise (5.999999999999998 for 6) counts as that multiple.
double RoundDownToStep(double value, double step);
// True when b exceeds a by more than tolerance relative to the larger magnitude.
bool IsDefinitelyLess(double a, double b, double tolerance);

// The leading decimal number of text (leading blanks, sign, digits, point, exponent), read in
// the C locale whatever the user's locale; consumed is the number of characters used (0 when
// there is no number, and the result is then 0).
double ReadLeadingDouble(std::string_view text, std::size_t* consumed = nullptr);
// The leading number rounded half up to an integer; ok tells whether a number was found.
int StringToIntRounded(std::string_view text, bool& ok);
