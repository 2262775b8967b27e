// Plan files (".ccp": the header and every dive) and single-dive files (".ccd").
//
// A file is read whole and checked before anything is built from it, so a plan file with more
// dives than a plan may hold is refused before any dive is made. The dives are then rebuilt
// record by record through the same setters an edit uses, with m_loadInProgress set so that the
// load itself is not recorded as a change.
#include <algorithm>
#include <vector>

#include "engine/NumberText.h"
#include "engine/PlanGroup.h"
#include "engine/PrivateMessages.h"
#include "engine/SettingRanges.h"
#include "engine/TextRecordFile.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

constexpr LogCategory kFileLog = DBG_PLAN_LOADING;
constexpr std::string_view kPlanKind = "Dive Plan";
constexpr std::string_view kDiveKind = "Dive";
constexpr std::string_view kDataFileDescription = "data file";

constexpr int kSurfaceIntervalMethodRecord = 1;
constexpr int kAlgorithmRecord = 2;
constexpr int kCylinderPressureRecord = 3;
constexpr int kGasReserveRecord = 4;
constexpr int kCustomAlgorithm = 2;

void ShowMessage(int id) {
  platform::AskUser(ResourceString(id), platform::mb::kOk | platform::mb::kIconExclamation);
}

void LogText(const std::string& text) { CPlanGroup::Log(text, kFileLog); }

int CountDives(const std::vector<std::string>& lines) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), kDiveKind));
}

// Whether a plan file ends as a cut leaves one. A cut takes away the end of a file, never its
// middle: the last line lost its line end, or the last dive holds the first records of a saved
// dive and none after them. Every dive before the last is whole, whatever records it holds.
class CutShortCheck {
 public:
  void StartDive() {
    inDive_ = true;
    lastDiveKeys_.clear();
  }
  void Record(int key) {
    if (inDive_) lastDiveKeys_.push_back(key);
  }
  bool CutShort(bool lastLineEnded) const {
    return !lastLineEnded || (inDive_ && CDivePlan::IsCutOffDive(lastDiveKeys_));
  }

 private:
  std::vector<int> lastDiveKeys_;
  bool inDive_ = false;
};

}  // namespace

void CPlanGroup::WriteHeader(std::string& text) const {
  AppendIntRecord(text, kSurfaceIntervalMethodRecord, surfaceIntervalMethod_);
  AppendIntRecord(text, kAlgorithmRecord, algorithm_);
  AppendRealRecord(text, kCylinderPressureRecord, cylinderWorkingPressureBar_);
  AppendRealRecord(text, kGasReserveRecord, gasReservePercent_);
}

bool CPlanGroup::SavePlanGroup(const std::string& path) {
  CTextRecordWriter file(kPlanKind);
  WriteHeader(file.Records());
  for (const DiveEntry& entry : dives_) {
    file.AddLine(kDiveKind);
    entry.dive->WriteDiveRecords(file.Records());
  }
  if (!file.Save(path, kDataFileDescription)) return false;
  ClearModified();
  return true;
}

bool CPlanGroup::ExportDive(const std::string& path, int index) const {
  const CDivePlan* dive = GetDivePlan(index);
  if (dive == nullptr) return false;
  CTextRecordWriter file(kDiveKind);
  dive->WriteDiveRecords(file.Records());
  return file.Save(path, kDataFileDescription);
}

bool CPlanGroup::ReadFileToLoad(const std::string& path, std::string_view kind, int invalidMessage,
                                std::string_view operation, std::vector<std::string>& lines, bool* lastLineEnded) {
  std::string error;
  switch (ReadRecordFile(path, kind, lines, error, lastLineEnded)) {
    case RecordFileRead::kRead:
      LogText("File opened OK");
      return true;
    case RecordFileRead::kCannotOpen:
      ShowMessage(IDS_MSG_UNABLE_TO_OPEN_FILE);
      LogText("Unable to open data file " + path);
      LogText(error);
      SetLoadInProgress(false, std::string(operation) + " Unable to open file");
      return false;
    case RecordFileRead::kWrongKind:
      LogText("File opened OK");
      ShowMessage(invalidMessage);
      LogText("Invalid dive plan file " + path);
      SetLoadInProgress(false, std::string(operation) + " Invalid file contents");
      return false;
  }
  return false;
}

bool CPlanGroup::ApplyHeaderRecord(const CTextRecord& record) {
  using namespace setting_ranges;
  switch (record.GetKey()) {
    case kSurfaceIntervalMethodRecord:
      SetSurfaceIntervalMethod(record.GetInt(2, kSurfaceIntervalMethod));
      return true;
    case kAlgorithmRecord:
      // An algorithm the program does not have is refused: the plan keeps the one it has.
      if (record.GetInt(2) >= 0 && record.GetInt(2) <= kCustomAlgorithm) {
        SetAlgorithm(record.GetInt(2));
      } else {
        record.LogRefused();
      }
      return true;
    case kCylinderPressureRecord:
      SetCylinderWorkingPressure(record.GetReal(2, kCylinderWorkingPressureBar));
      return true;
    case kGasReserveRecord: SetGasReserve(record.GetReal(2, kGasReservePercent)); return true;
    default: return false;
  }
}

bool CPlanGroup::LoadPlanGroup(const std::string& path) {
  constexpr std::string_view kOperation = "CPlanGroup::LoadPlanGroup()";
  LogText("CPlanGroup::LoadPlanGroup() started");
  SetLoadInProgress(true, "CPlanGroup::LoadPlanGroup() Initial");
  ClearPlanGroup();
  CreateDefaultPlan();

  std::vector<std::string> lines;
  bool lastLineEnded = false;
  if (!ReadFileToLoad(path, kPlanKind, IDS_MSG_INVALID_DIVE_PLAN_FILE, kOperation, lines, &lastLineEnded)) return false;
  const int diveCount = CountDives(lines);
  if (diveCount > kMaxDives) {
    // Refused before any dive is built: the group keeps its one new dive.
    ShowMessage(IDS_MSG_INVALID_DIVE_PLAN_FILE);
    SetLoadInProgress(false, "CPlanGroup::LoadPlanGroup() Failed to add dive plan");
    return false;
  }
  filePath_ = path;

  CDivePlan* selected = nullptr;
  CutShortCheck cutShort;
  for (const std::string& line : lines) {
    if (line == kDiveKind) {
      if (selected != nullptr) AddDivePlan();  // never fails: the dives were counted
      selected = dives_.back().dive.get();
      cutShort.StartDive();
      continue;
    }
    const CTextRecord record(line);
    if (!record.IsRecord()) continue;
    cutShort.Record(record.GetKey());
    if (ApplyHeaderRecord(record)) continue;
    // Dive records before the first "Dive" line belong to no dive.
    if (selected != nullptr) selected->ApplyDiveRecord(record);
  }

  if (cutShort.CutShort(lastLineEnded)) {
    LogText("File " + path + " seems to be cut short - " + std::to_string(diveCount) + " dives read");
    platform::AskUser(FormatC(ResourceFormat(IDS_MSG_PLAN_FILE_CUT_SHORT).c_str(), path.c_str(), diveCount),
                      platform::mb::kOk | platform::mb::kIconExclamation);
  }
  LogText("File " + path + " loaded OK");
  SetLoadInProgress(false, "CPlanGroup::LoadPlanGroup() Finished");
  platform::PostToMainWindow(WMU_PLAN_LOADED, 0, 0);
  ClearModified();
  return true;
}

bool CPlanGroup::ImportDive(const std::string& path) {
  LogText("CPlanGroup::ImportDive() started");
  SetLoadInProgress(true, "CPlanGroup::ImportDive() Initial");
  std::vector<std::string> lines;
  if (!ReadFileToLoad(path, kDiveKind, IDS_MSG_INVALID_DIVE_FILE, "CPlanGroup::ImportDive()", lines)) return false;
  if (!AddDivePlan()) {
    SetLoadInProgress(false, "CPlanGroup::ImportDive() Failed to add dive plan");
    return false;
  }
  const int index = GetDiveCount() - 1;
  CDivePlan& dive = *dives_.back().dive;
  for (const std::string& line : lines) {
    // Header records and "Dive" lines have no meaning in a dive file; no dive record takes them.
    const CTextRecord record(line);
    if (record.IsRecord()) dive.ApplyDiveRecord(record);
  }
  LogText("File " + path + " loaded OK");
  SetLoadInProgress(false, "CPlanGroup::ImportDive() Finished");
  platform::PostToMainWindow(WMU_PLAN_LOADED, index, 0);
  return true;
}
