#include "app/core/CustomCompartmentValues.h"

#include <array>
#include <charconv>
#include <vector>

#include "engine/AppSettings.h"
#include "engine/Zhl16Coefficients.h"
#include "engine/support/DebugLog.h"
#include "engine/support/Rounding.h"
#include "engine/support/SParser.h"
#include "platform/WholeFiles.h"

namespace app {
namespace {

constexpr int kFieldsPerLine = 6;
// The settings store keeps the values on one line: its lines end with this.
constexpr char kStoredLineEnd = ';';

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t\r") == std::string_view::npos; }

// One field: a number with nothing but blanks around it.
bool ReadNumber(std::string_view field, double& value) {
  std::size_t consumed = 0;
  value = ReadLeadingDouble(field, &consumed);
  return consumed > 0 && IsBlank(field.substr(consumed));
}

// The line's numbers in the file's order; false unless it is exactly six numbers.
bool ReadLine(std::string_view line, std::array<double, kFieldsPerLine>& numbers) {
  const CSParser fields(line, ',');
  if (fields.GetCount() != kFieldsPerLine) return false;
  for (int i = 0; i < kFieldsPerLine; ++i) {
    if (!ReadNumber(fields.GetField(i + 1), numbers[static_cast<std::size_t>(i)])) return false;
  }
  return true;
}

// The lines that hold compartments: at most sixteen, without the blank lines that end the text.
std::vector<std::string_view> CompartmentLines(std::string_view text, char lineEnd) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // the mark some spreadsheets write first
  std::vector<std::string_view> lines;
  std::size_t lastUsed = 0;
  while (!text.empty() && lines.size() < CZhl16Coefficients::kCompartments) {
    const std::size_t end = text.find(lineEnd);
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (!IsBlank(line)) lastUsed = lines.size();
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  lines.resize(lastUsed);
  return lines;
}

std::string FormatNumber(double value) {
  std::array<char, 32> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return error == std::errc() ? std::string(buffer.data(), end) : "0";
}

}  // namespace

CustomValuesReading ReadCustomCompartmentValues(std::string_view text, CZhl16Coefficients& table, char lineEnd) {
  const std::vector<std::string_view> lines = CompartmentLines(text, lineEnd);
  if (lines.empty()) return {CustomValuesReading::Result::kWrongLine, 1};
  CZhl16Coefficients staged = table;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    std::array<double, kFieldsPerLine> v{};
    // The file gives each gas's half-time, a and b; the table takes both half-times first.
    if (!ReadLine(lines[n], v) || !staged.SetCompartment(static_cast<int>(n), v[0], v[3], v[1], v[2], v[4], v[5])) {
      return {CustomValuesReading::Result::kWrongLine, static_cast<int>(n) + 1};
    }
  }
  table = staged;
  return {};
}

std::string CustomCompartmentValuesText(const CZhl16Coefficients& table, char lineEnd) {
  std::string text;
  for (int c = 0; c < CZhl16Coefficients::kCompartments; ++c) {
    Zhl16Compartment v;
    table.GetCompartment(kZhl16Custom, c, v);
    for (double number : {v.nitrogenHalfTimeMin, v.nitrogenAMbar, v.nitrogenB, v.heliumHalfTimeMin, v.heliumAMbar}) {
      text += FormatNumber(number) + ",";
    }
    text += FormatNumber(v.heliumB) + lineEnd;
  }
  return text;
}

CustomValuesReading LoadCustomCompartmentValuesFile(const std::filesystem::path& file) {
  std::string text;
  if (platform::ReadRegularFile(file, kMaxCustomValuesFileBytes, text) != platform::ReadFileResult::kRead) {
    return {CustomValuesReading::Result::kCannotOpen, 0};
  }
  const CustomValuesReading reading = ReadCustomCompartmentValues(text, Zhl16Coefficients());
  if (reading.result == CustomValuesReading::Result::kRead) {
    AppSettings().divePlan.customCompartmentValues.Set(CustomCompartmentValuesText(Zhl16Coefficients(), kStoredLineEnd));
  }
  return reading;
}

bool RestoreCustomCompartmentValues() {
  const std::string stored = AppSettings().divePlan.customCompartmentValues.Get();
  if (stored.empty()) return true;
  const CustomValuesReading reading = ReadCustomCompartmentValues(stored, Zhl16Coefficients(), kStoredLineEnd);
  if (reading.result == CustomValuesReading::Result::kRead) return true;
  TheDebugLog().Log("Custom compartment values in the settings are damaged at compartment %d; the built-in values stay",
                    reading.wrongLine);
  return false;
}

}  // namespace app
