#include "engine/support/DateAndNames.h"

#include <chrono>
#include <cstring>

int GetDaysSince2000() { return GetDaysSince2000(std::time(nullptr)); }

int GetDaysSince2000(std::time_t now) {
  // Whole local calendar days: the time of day never adds up to a further day.
  std::tm local{};
  localtime_r(&now, &local);
  using namespace std::chrono;
  const sys_days today = year_month_day{year{local.tm_year + 1900}, month{static_cast<unsigned>(local.tm_mon + 1)},
                                        day{static_cast<unsigned>(local.tm_mday)}};
  const sys_days start = year_month_day{year{2000}, January, day{1}};
  return static_cast<int>((today - start).count());
}

std::string GetFileNameWithExtension(std::string_view path) {
  std::size_t slash = path.find_last_of("/\\");
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  else if (path.size() >= 2 && path[1] == ':') path.remove_prefix(2);
  return std::string(path);
}

void SortStringArray(std::vector<std::string>& source, std::vector<std::string>& destination) {
  bool swapped = true;
  while (swapped) {
    swapped = false;
    for (std::size_t i = 1; i < source.size(); ++i) {
      if (std::strcmp(source[i - 1].c_str(), source[i].c_str()) > 0) {
        std::swap(source[i - 1], source[i]);
        swapped = true;
      }
    }
  }
  destination.insert(destination.end(), source.begin(), source.end());
}

std::string FormatTime(std::time_t time, const char* format) {
  std::tm local{};
  if (format == nullptr || localtime_r(&time, &local) == nullptr) return {};
  char text[129];
  std::size_t length = std::strftime(text, sizeof text, format, &local);
  return length == 0 ? std::string() : std::string(text, length);
}
