#include "app/core/GasMixListFile.h"

#include <filesystem>
#include <vector>

#include "engine/NumberText.h"
#include "engine/TextRecordFile.h"
#include "engine/support/DebugLog.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

void ShowMessage(const std::string& text) {
  platform::AskUser(text, platform::mb::kOk | platform::mb::kIconExclamation);
}

// The first maxItems items of a list text; how many more it held.
int CutToItems(std::string& listText, int maxItems) {
  if (listText.empty()) return 0;
  int items = 1;
  std::size_t cut = std::string::npos;
  for (std::size_t i = 0; i < listText.size(); ++i) {
    if (listText[i] != ',') continue;
    if (items == maxItems) cut = i;
    ++items;
  }
  if (cut != std::string::npos) listText.erase(cut);
  return items > maxItems ? items - maxItems : 0;
}

}  // namespace

GasMixListRead ReadGasMixListFile(const std::string& path, GasMixListContents& contents) {
  contents = {};
  std::vector<std::string> lines;
  std::string error;
  switch (ReadRecordFile(path, kGasMixListFileKind, lines, error)) {
    case RecordFileRead::kRead: break;
    case RecordFileRead::kCannotOpen: return GasMixListRead::kCannotOpen;
    case RecordFileRead::kWrongKind: return GasMixListRead::kInvalid;
  }
  for (const std::string& line : lines) {
    const CSParser fields(line, '~');
    if (line.empty() || fields.GetCount() < 2 || ReadLeadingInt(fields.GetField(1)) != kGasMixListKey) continue;
    contents.listText = fields.GetField(2);
  }
  if (contents.listText) contents.itemsLeftOut = CutToItems(*contents.listText, kMaxGasMixListItems);
  return GasMixListRead::kRead;
}

bool LoadGasMixList(const std::string& path, BailoutGasListModel& list) {
  GasMixListContents contents;
  switch (ReadGasMixListFile(path, contents)) {
    case GasMixListRead::kRead: break;
    case GasMixListRead::kCannotOpen:
      ShowMessage(ResourceString(IDS_MSG_UNABLE_TO_OPEN_FILE));
      TheDebugLog().Log("Unable to open gas mix list file %s", path.c_str());
      return false;
    case GasMixListRead::kInvalid:
      ShowMessage(ResourceString(IDS_MSG_INVALID_GAS_MIX_LIST_FILE));
      TheDebugLog().Log("Invalid gas mix list file %s", path.c_str());
      return false;
  }
  if (!contents.listText) return true;
  list.SetListText(*contents.listText);
  if (contents.itemsLeftOut > 0) {
    const int held = kMaxGasMixListItems + contents.itemsLeftOut;
    TheDebugLog().Log("Gas mix list file %s holds %d gases - the first %d were read", path.c_str(), held,
                      kMaxGasMixListItems);
    ShowMessage(FormatC(ResourceFormat(IDS_MSG_GAS_MIX_LIST_CUT).c_str(), held, kMaxGasMixListItems));
  }
  return true;
}

bool SaveGasMixList(const std::string& path, const BailoutGasListModel& list) {
  CTextRecordWriter file(kGasMixListFileKind);
  AppendTextRecord(file.Records(), kGasMixListKey, list.GetListText());
  return file.Save(path, "gas mix list file");
}

std::string GasMixListFolder(const std::string& path) { return std::filesystem::path(path).parent_path().string(); }
