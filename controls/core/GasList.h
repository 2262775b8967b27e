#pragma once
// What a gas box decides, without the box: where a gas goes in its list, the list's stored text,
// how typing is completed and what leaving the box does with its text. The list holds the long
// gas names in order: Air, Oxygen, nitrox mixes by rising oxygen, trimix mixes by rising oxygen
// and then rising helium. No toolkit types.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Gas.h"

namespace controls {

using GasEntries = std::vector<std::string>;

// The last seen text of a box that has not yet lost the focus.
inline constexpr std::string_view kGasTextNotSet = "NotSet";

// Where the long name of a valid gas goes; none when the list already holds that name.
std::optional<std::size_t> SortedGasIndex(const GasEntries& entries, const CGas& gas);
std::optional<std::size_t> FindGasEntry(const GasEntries& entries, std::string_view name);

// The short names ("21/0") of the entries that read as gases, joined with ",".
std::string GasListText(const GasEntries& entries);
// The oxygen and helium percentages of a list text, in order: every field whose two parts
// around '/' both read as whole numbers. Whether they make a gas is the caller's check.
std::vector<std::pair<int, int>> GasListMixes(std::string_view text);

// Typing completed against the list: the text to show, its selection and the entry matched.
struct GasCompletion {
  std::optional<std::size_t> entry;
  std::string text;
  long selectionStart = 0;
  long selectionEnd = 0;
};
// The first entry that begins with the typed text, in any case, is shown with its untyped tail
// selected; with the caret inside the typed text the selection stays as it was.
GasCompletion CompleteGasText(const GasEntries& entries, const std::string& typed, long selectionStart,
                              long selectionEnd);

// What leaving the box does with its text.
struct GasFocusLoss {
  enum class Action { kNothing, kSelectEntry, kAddGas, kReject };
  Action action = Action::kNothing;
  CGas gas;                          // the gas read, for kSelectEntry and kAddGas
  std::optional<std::size_t> entry;  // the entry to select
};
// lastSeenText is the text of the previous check ("NotSet" before the first); an unchanged or
// empty text does nothing, a rejected one leaves it empty.
GasFocusLoss DecideOnFocusLoss(const GasEntries& entries, const std::string& text, std::string& lastSeenText);

}  // namespace controls
