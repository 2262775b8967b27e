#pragma once
// Numbers in texts, always in the C locale whatever the user's locale: stored settings, file
// records and log lines must never see a decimal comma.
#include <string>
#include <string_view>

// printf-style formatting with the C locale's number conventions.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The leading number of text truncated toward zero, as the plain ASCII integer conversion reads
// it ("1" and "1.7" give 1, malformed text gives 0); clamped to the range of int.
int ReadLeadingInt(std::string_view text);
