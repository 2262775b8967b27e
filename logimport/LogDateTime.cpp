#include "logimport/LogDateTime.h"

#include <cmath>
#include <ctime>
#include <limits>

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

constexpr std::int64_t kDaysToDayZero = 693899;  // from 1 March of year 0 to 30 December 1899

// Days of the proleptic Gregorian calendar, counted in 400-year eras that start on 1 March.
std::int64_t DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = static_cast<int>(year - era * 400);
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - kDaysToDayZero;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

constexpr const char* kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

std::int64_t FloorDiv(std::int64_t value, std::int64_t by) { return value / by - (value % by < 0 ? 1 : 0); }

}  // namespace

CLogDateTime CLogDateTime::FromFields(int year, int month, int day, int hour, int minute, int second) {
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 ||
      hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return CLogDateTime();
  }
  return CLogDateTime(DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second, true);
}

CLogDateTime CLogDateTime::TimeOfDay(int hour, int minute, int second) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return CLogDateTime();
  return CLogDateTime(hour * 3600 + minute * 60 + second, true);
}

CLogDateTime CLogDateTime::Zero() { return CLogDateTime(0, true); }

CLogDateTime CLogDateTime::Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return FromFields(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                    local.tm_sec > 59 ? 59 : local.tm_sec);
}

CLogDateTime CLogDateTime::PlusSeconds(std::int64_t seconds) const { return CLogDateTime(seconds_ + seconds, valid_); }

std::optional<std::int64_t> CLogDateTime::SecondsUntil(const CLogDateTime& later) const {
  if (!valid_ || !later.valid_) return std::nullopt;
  return later.seconds_ - seconds_;
}

CLogDateTime::Civil CLogDateTime::GetCivil() const {
  // The inverse of DaysFromCivil.
  const std::int64_t days = FloorDiv(seconds_, kSecondsPerDay) + kDaysToDayZero;
  const std::int64_t era = FloorDiv(days, 146097);
  const int dayOfEra = static_cast<int>(days - era * 146097);
  const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int shiftedMonth = (5 * dayOfYear + 2) / 153;
  const int day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  return {static_cast<int>(era * 400 + yearOfEra + (month <= 2)), month, day};
}

int CLogDateTime::GetYear() const { return GetCivil().year; }
int CLogDateTime::GetMonth() const { return GetCivil().month; }
int CLogDateTime::GetDay() const { return GetCivil().day; }

std::string CLogDateTime::Format(const char* format) const {
  if (!valid_) return {};
  const Civil civil = GetCivil();
  const std::int64_t secondOfDay = seconds_ - FloorDiv(seconds_, kSecondsPerDay) * kSecondsPerDay;
  std::string text;
  for (const char* at = format; *at; ++at) {
    if (*at != '%' || !at[1]) {
      text += *at;
      continue;
    }
    int value = -1;
    switch (*++at) {
      case 'd': value = civil.day; break;
      case 'm': value = civil.month; break;
      case 'H': value = static_cast<int>(secondOfDay / 3600); break;
      case 'M': value = static_cast<int>(secondOfDay / 60 % 60); break;
      case 'S': value = static_cast<int>(secondOfDay % 60); break;
      case 'Y': text += std::to_string(civil.year); break;
      case 'B': text += kMonthNames[civil.month - 1]; break;
      default: text += '%'; text += *at; break;
    }
    if (value >= 0) {
      text += static_cast<char>('0' + value / 10);
      text += static_cast<char>('0' + value % 10);
    }
  }
  return text;
}

std::optional<int> FitInt(std::optional<std::int64_t> value) {
  if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) return std::nullopt;
  return static_cast<int>(*value);
}

int WholeSeconds(double seconds) {
  if (std::isnan(seconds)) return 0;
  if (!(seconds > std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  if (!(seconds < std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  return static_cast<int>(seconds);
}
