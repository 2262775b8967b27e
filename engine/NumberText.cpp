#include "engine/NumberText.h"

#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <locale.h>

#include "engine/support/Rounding.h"

namespace {

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// Switches the calling thread to the C locale for the lifetime of the scope.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(previous_); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_;
};

}  // namespace

std::string FormatC(const char* format, ...) {
  CLocaleScope cLocale;
  std::va_list arguments;
  va_start(arguments, format);
  std::va_list copy;
  va_copy(copy, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<std::size_t>(length));
    std::vsnprintf(text.data(), text.size() + 1, format, arguments);
  }
  va_end(arguments);
  return text;
}

int ReadLeadingInt(std::string_view text) {
  const double value = std::trunc(ReadLeadingDouble(text));
  if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}
