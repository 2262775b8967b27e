#pragma once
// Calendar date and time of day as whole seconds since 30 December 1899 00:00, with a status: a
// date-time built from fields that name no calendar moment is invalid, and stays invalid through
// arithmetic. Seconds between two date-times are exact 64-bit numbers.
#include <cstdint>
#include <optional>
#include <string>

class CLogDateTime {
 public:
  CLogDateTime() = default;  // 0, invalid

  // Years 100 to 9999, months 1-12, the month's days, hours 0-23, minutes and seconds 0-59.
  static CLogDateTime FromFields(int year, int month, int day, int hour, int minute, int second);
  // A time of day alone: the date part is 30 December 1899.
  static CLogDateTime TimeOfDay(int hour, int minute, int second);
  static CLogDateTime Zero();  // 0, valid
  static CLogDateTime Now();   // local time

  bool IsValid() const { return valid_; }
  std::int64_t GetSeconds() const { return seconds_; }
  CLogDateTime PlusSeconds(std::int64_t seconds) const;
  // Seconds from this date-time to later; none when either is invalid.
  std::optional<std::int64_t> SecondsUntil(const CLogDateTime& later) const;

  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  // Understands %d %m %Y %H %M %S and %B (English month names) and copies anything else; empty
  // when invalid.
  std::string Format(const char* format) const;

 private:
  CLogDateTime(std::int64_t seconds, bool valid) : seconds_(seconds), valid_(valid) {}
  struct Civil {
    int year, month, day;
  };
  Civil GetCivil() const;

  std::int64_t seconds_ = 0;
  bool valid_ = false;
};

// The value when it fits an int (log times are held as int seconds).
std::optional<int> FitInt(std::optional<std::int64_t> value);
// Whole seconds of a time in seconds, truncated toward zero and kept within the int range.
int WholeSeconds(double seconds);
