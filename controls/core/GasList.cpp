#include "controls/core/GasList.h"

#include <algorithm>

#include "engine/NumberText.h"
#include "engine/support/Rounding.h"

namespace controls {
namespace {

constexpr std::string_view kAir = "Air";
constexpr std::string_view kOxygen = "Oxygen";

bool IsTrimix(std::string_view entry) { return entry.find('/') != std::string_view::npos; }

// The oxygen and helium percentages a name starts with ("18/45", "32% Nitrox").
int OxygenOf(std::string_view entry) { return ReadLeadingInt(entry); }
int HeliumOf(std::string_view entry) {
  const std::size_t slash = entry.find('/');
  return slash == std::string_view::npos ? 0 : ReadLeadingInt(entry.substr(slash + 1));
}

std::size_t NitroxIndex(const GasEntries& entries, int oxygen) {
  const auto isMix = [](const std::string& entry) { return entry != kAir && entry != kOxygen; };
  const auto first = std::find_if(entries.begin(), entries.end(), isMix);
  if (first == entries.end()) return entries.size();
  // Before the first nitrox richer in oxygen, else before the first trimix (or at the end).
  const auto trimix = std::find_if(first, entries.end(), IsTrimix);
  const auto richer =
      std::find_if(first, trimix, [oxygen](const std::string& entry) { return OxygenOf(entry) > oxygen; });
  return static_cast<std::size_t>(richer - entries.begin());
}

std::size_t TrimixIndex(const GasEntries& entries, int oxygen, int helium) {
  const auto first = std::find_if(entries.begin(), entries.end(), IsTrimix);
  const auto after = std::find_if(first, entries.end(), [oxygen, helium](const std::string& entry) {
    const int entryOxygen = OxygenOf(entry);
    return entryOxygen > oxygen || (entryOxygen == oxygen && HeliumOf(entry) > helium);
  });
  return static_cast<std::size_t>(after - entries.begin());
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(a) == lower(b);
  });
}

std::optional<int> ReadWholeNumber(std::string_view text) {
  std::size_t consumed = 0;
  ReadLeadingDouble(text, &consumed);
  if (consumed == 0) return std::nullopt;
  return ReadLeadingInt(text);
}

}  // namespace

std::optional<std::size_t> FindGasEntry(const GasEntries& entries, std::string_view name) {
  const auto found = std::find(entries.begin(), entries.end(), name);
  if (found == entries.end()) return std::nullopt;
  return static_cast<std::size_t>(found - entries.begin());
}

std::optional<std::size_t> SortedGasIndex(const GasEntries& entries, const CGas& gas) {
  const std::string name = gas.GetName(false);
  if (!gas.IsValid() || FindGasEntry(entries, name)) return std::nullopt;
  if (name == kAir) return 0;
  if (name == kOxygen) {
    const std::optional<std::size_t> air = FindGasEntry(entries, kAir);
    return air ? *air + 1 : 0;
  }
  if (name.find('%') != std::string::npos) return NitroxIndex(entries, OxygenOf(name));
  if (IsTrimix(name)) return TrimixIndex(entries, OxygenOf(name), HeliumOf(name));
  return entries.size();
}

std::string GasListText(const GasEntries& entries) {
  std::string text;
  for (const std::string& entry : entries) {
    CGas gas;
    if (!gas.Parse(entry)) continue;
    if (!text.empty()) text += ',';
    text += gas.GetName(true);
  }
  return text;
}

std::vector<std::pair<int, int>> GasListMixes(std::string_view text) {
  std::vector<std::pair<int, int>> mixes;
  for (;;) {
    const std::size_t comma = text.find(',');
    const std::string_view field = text.substr(0, comma);
    if (const std::size_t slash = field.find('/'); slash != std::string_view::npos) {
      const std::optional<int> oxygen = ReadWholeNumber(field.substr(0, slash));
      const std::optional<int> helium = ReadWholeNumber(field.substr(slash + 1));
      if (oxygen && helium) mixes.emplace_back(*oxygen, *helium);
    }
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return mixes;
}

GasCompletion CompleteGasText(const GasEntries& entries, const std::string& typed, long selectionStart,
                              long selectionEnd) {
  GasCompletion completion{std::nullopt, typed, selectionStart, selectionEnd};
  if (!typed.empty()) {
    const auto match = std::find_if(entries.begin(), entries.end(), [&typed](const std::string& entry) {
      return StartsWithIgnoringCase(entry, typed);
    });
    if (match != entries.end()) {
      completion.entry = static_cast<std::size_t>(match - entries.begin());
      completion.text = *match;
    }
  }
  const long typedLength = static_cast<long>(typed.size());
  if (selectionEnd >= typedLength) {
    completion.selectionStart = typedLength;
    completion.selectionEnd = static_cast<long>(completion.text.size());
  }
  return completion;
}

GasFocusLoss DecideOnFocusLoss(const GasEntries& entries, const std::string& text, std::string& lastSeenText) {
  GasFocusLoss decision;
  if (text.empty() || (lastSeenText != kGasTextNotSet && text == lastSeenText)) return decision;
  lastSeenText = text;
  if (!decision.gas.Parse(text)) {
    decision.action = GasFocusLoss::Action::kReject;
    lastSeenText.clear();
    return decision;
  }
  decision.entry = FindGasEntry(entries, decision.gas.GetName(false));
  decision.action = decision.entry ? GasFocusLoss::Action::kSelectEntry : GasFocusLoss::Action::kAddGas;
  return decision;
}

}  // namespace controls
