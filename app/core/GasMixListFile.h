#pragma once
// The Gas Mix List file (".ccg") of the bailout gas list pages: the line "Gas Mix List" and one
// record 060 holding the list text ("060~21/0,100/0,32/0"), lines ending in CRLF.
//
// Reading takes every record 060 (the last one counts) and passes over empty lines, lines without
// a "~" and records of other keys. A file without a record 060 leaves the list as it was. Of a
// list text only the first kMaxGasMixListItems items are taken.
#include <optional>
#include <string>
#include <string_view>

#include "app/core/BailoutGasListModel.h"

inline constexpr const char* kGasMixListFileKind = "Gas Mix List";
inline constexpr const char* kGasMixListExtension = ".ccg";
inline constexpr int kGasMixListKey = 60;
// Far more gases than a diver carries, few enough that the list stays usable.
inline constexpr int kMaxGasMixListItems = 100;

enum class GasMixListRead { kRead, kCannotOpen, kInvalid };

struct GasMixListContents {
  std::optional<std::string> listText;  // none without a record 060
  int itemsLeftOut = 0;                 // items past kMaxGasMixListItems
};

GasMixListRead ReadGasMixListFile(const std::string& path, GasMixListContents& contents);

// The pages' Load and Save: a failure is told to the user in a message box ("Velmar Tessaline",
// exclamation icon) and logged, and leaves the list as it was. A file with more items than are
// taken is loaded and the user is told how many were left out.
bool LoadGasMixList(const std::string& path, BailoutGasListModel& list);
bool SaveGasMixList(const std::string& path, const BailoutGasListModel& list);

// The folder remembered after the user chose path in a file dialog ("/" for a file in the root).
std::string GasMixListFolder(const std::string& path);
