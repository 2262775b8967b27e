#pragma once
// Moments named by local calendar fields, for tests of code that follows the local clock.
#include <ctime>

// The moment at which the local clock shows the date and time; daylight saving as the time
// zone has it on that date.
inline std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second = 0) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_sec = second;
  local.tm_isdst = -1;
  return std::mktime(&local);
}
