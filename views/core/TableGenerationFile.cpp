#include "views/core/TableGenerationFile.h"

#include <vector>

#include "engine/NumberText.h"
#include "engine/TextRecordFile.h"
#include "engine/support/DebugLog.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

constexpr int kGroupingKey = 16;
constexpr int kGasKey = 30;
constexpr int kGasFieldCount = 8;
constexpr const char* kDescentKind = "Travel";
constexpr const char* kAscentKind = "Deco";

void ShowMessage(int messageId) {
  platform::AskUser(ResourceString(messageId), platform::mb::kOk | platform::mb::kIconExclamation);
}

void Log(const std::string& text) { TheDebugLog().LogText(text); }

void AppendGasRecords(std::string& text, const GeneratorGasList& list, const char* kind) {
  for (int row = 0; row < list.Count(); ++row) {
    const CGasSwitch& gas = list.Row(row);
    if (!gas.IsGasSet()) continue;
    text += FormatC("%03d~%s~%0.2f~%0.2f~%0.2f~%d~%0.2f~%d\n", kGasKey, kind, gas.GetDepth(), gas.GetOxygen(),
                    gas.GetHelium(), gas.IsClosedCircuit() ? 1 : 0, gas.GetSetPoint(), 1);
  }
}

// The field whose record has the key; kGeneratorFieldCount for none.
GeneratorField FieldOfKey(int key) {
  for (int field = 0; field < kGeneratorFieldCount; ++field) {
    if (FieldSpec(GeneratorField(field)).fileKey == key) return GeneratorField(field);
  }
  return kGeneratorFieldCount;
}

void ReadGasRecord(const CTextRecord& record, GeneratorPage& page) {
  if (record.GetFieldCount() < kGasFieldCount) return;
  GeneratorGasList* list = nullptr;
  const std::string listKind = CSParser(record.GetLine(), '~').GetField(2);
  if (listKind == kDescentKind) list = &page.travel;
  if (listKind == kAscentKind) list = &page.deco;
  if (list == nullptr) return;
  CGasSwitch gas;
  gas.Set(TypedSwitchDepth(record.GetReal(3), page.Units()), record.GetReal(4), record.GetReal(5),
          record.GetInt(6) == 1, record.GetReal(7), record.GetInt(8) == 1);
  std::vector<DroppedSwitch> dropped;
  list->Add(gas, dropped);
}

void ReadRecord(const CTextRecord& record, GeneratorPage& page) {
  const int key = record.GetKey();
  if (key == kGroupingKey) {
    page.grouping = record.GetInt(2) != 0 ? TableGrouping::kByTime : TableGrouping::kByDepth;
  } else if (key == kGasKey) {
    ReadGasRecord(record, page);
  } else if (const GeneratorField field = FieldOfKey(key); field != kGeneratorFieldCount) {
    page.SetMetric(field, record.GetReal(2));
  }
}

void AppendRecords(std::string& text, const GeneratorPage& page) {
  for (int field = 0; field < kGeneratorFieldCount; ++field) {
    const GeneratorField current = GeneratorField(field);
    AppendRealRecord(text, FieldSpec(current).fileKey, page.Metric(current));
    if (current == kLastDecoStop) AppendIntRecord(text, kGroupingKey, page.grouping == TableGrouping::kByDepth ? 0 : 1);
  }
  AppendGasRecords(text, page.travel, kDescentKind);
  AppendGasRecords(text, page.deco, kAscentKind);
}

}  // namespace

bool WriteTableGenerationFile(const std::string& path, const GeneratorPage& page) {
  CTextRecordWriter file(kTableGenerationFileKind);
  AppendRecords(file.Records(), page);
  return file.Save(path, "table generation settings file");
}

bool ReadTableGenerationFile(const std::string& path, GeneratorPage& page) {
  std::vector<std::string> lines;
  std::string error;
  switch (ReadRecordFile(path, kTableGenerationFileKind, lines, error)) {
    case RecordFileRead::kRead:
      break;
    case RecordFileRead::kCannotOpen:
      ShowMessage(IDS_MSG_UNABLE_TO_OPEN_FILE);
      Log("Unable to open table generation settings file " + path);
      return false;
    case RecordFileRead::kWrongKind:
      ShowMessage(IDS_MSG_INVALID_TABLE_SETTINGS_FILE);
      Log("Invalid table generation settings file " + path);
      return false;
  }
  page.travel.Clear();
  page.deco.Clear();
  for (const std::string& line : lines) {
    const CTextRecord record(line);
    if (record.IsRecord()) ReadRecord(record, page);
  }
  return true;
}
