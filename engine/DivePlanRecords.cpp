// The dive's records in plan and dive files, and its one-line summary.
#include <algorithm>
#include <limits>
#include <type_traits>

#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/SettingRanges.h"
#include "engine/TextRecordFile.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

using namespace setting_ranges;

constexpr int kNameRecord = 20;
constexpr int kBellGasRecord = 72;
constexpr int kBailoutStartRecord = 55;
constexpr int kBailoutDepthRecord = 56;
constexpr int kBailoutTriggeredRecord = 57;
constexpr int kBailoutRecord058 = 58;
constexpr int kBailoutGasListRecord = 60;
constexpr int kUserPointRecord = 100;
constexpr int kBailoutPointRecord = 110;
constexpr int kPointRecordMinFields = 8;  // key and seven values; the bailout flag may be missing
// What WriteDiveRecords writes for every dive, whatever its points.
constexpr int kEveryDiveRecord[] = {kNameRecord, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 70, 71, kBellGasRecord, 40,
                                    41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, kBailoutStartRecord,
                                    kBailoutDepthRecord, kBailoutTriggeredRecord, kBailoutRecord058,
                                    kBailoutGasListRecord};

// The bailout point lies within the dive's day.
constexpr SettingRange kBailoutTimeSec{0, CDivePlan::kDayLimitSec};
constexpr SettingRange kBailoutDepthMetres{0, std::numeric_limits<double>::max()};

// Settings read through their setters, each value first brought into its range.
template <typename Value>
struct SettingRecord {
  int key;
  bool (CDivePlan::*set)(Value);
  SettingRange range;
};
constexpr SettingRange kFlag{0, 1};

constexpr SettingRecord<double> kRealRecords[] = {
    {21, &CDivePlan::SetSurfacePressure, kSurfacePressureMbar},
    {22, &CDivePlan::SetGfLow, kGradientFactorPercent},
    {23, &CDivePlan::SetGfHigh, kGradientFactorPercent},
    {24, &CDivePlan::SetSacRate, kSacRateLitresPerMin},
    {25, &CDivePlan::SetMaxPpo2, kMaxPpo2Bar},
    {26, &CDivePlan::SetMaxEad, kMaxEadMetres},
    {28, &CDivePlan::SetDescentRate, kDescentRateMetresPerMin},
    {29, &CDivePlan::SetAscentRate, kAscentRateMetresPerMin},
    {30, &CDivePlan::SetLastStopDepth, kLastStopMetres},
    {71, &CDivePlan::SetBellDepth, kBellDepthMetres},
    {41, &CDivePlan::SetBailoutGfLow, kGradientFactorPercent},
    {42, &CDivePlan::SetBailoutGfHigh, kGradientFactorPercent},
    {43, &CDivePlan::SetBailoutSacRate, kSacRateLitresPerMin},
    {44, &CDivePlan::SetBailoutMaxPpo2, kMaxPpo2Bar},
    {45, &CDivePlan::SetBailoutMaxEad, kMaxEadMetres},
    {46, &CDivePlan::SetBailoutMaxCns, kBailoutMaxCnsPercent},
    {47, &CDivePlan::SetBailoutDescentRate, kDescentRateMetresPerMin},
    {48, &CDivePlan::SetBailoutAscentRate, kAscentRateMetresPerMin},
    {49, &CDivePlan::SetBailoutLastStopDepth, kLastStopMetres},
};

constexpr SettingRecord<int> kIntRecords[] = {
    {27, &CDivePlan::SetSurfaceInterval, kSurfaceIntervalSec},
    {40, &CDivePlan::SetBailoutGasSwitchCount, kBailoutGasSwitches},
};

constexpr SettingRecord<bool> kFlagRecords[] = {
    {70, &CDivePlan::SetBellExcursion, kFlag},
    {50, &CDivePlan::SetUseBailoutGasList, kFlag},
    {51, &CDivePlan::SetIgnoreIcd, kFlag},
    {52, &CDivePlan::SetIgnoreCns, kFlag},
};

// Applies the record when the table has its key.
template <typename Value, std::size_t count>
bool ApplySetting(CDivePlan& dive, const SettingRecord<Value> (&table)[count], int key, const CTextRecord& record) {
  for (const SettingRecord<Value>& setting : table) {
    if (setting.key != key) continue;
    if constexpr (std::is_same_v<Value, bool>) {
      (dive.*setting.set)(record.GetFlag(2));
    } else if constexpr (std::is_same_v<Value, int>) {
      (dive.*setting.set)(record.GetInt(2, setting.range));
    } else {
      (dive.*setting.set)(record.GetReal(2, setting.range));
    }
    return true;
  }
  return false;
}

void AddPoint(std::string& text, int key, const CPlanPoint& point, bool bailout) {
  text += FormatC("%03d~%d~%0.2f~%d~%0.2f~%0.2f~%0.2f~%d~%d\n", key, point.durationSec, point.depthMbar,
                  point.closedCircuit ? 1 : 0, point.oxygenPercent, point.heliumPercent, point.setPointBar,
                  point.noClearSurface ? 1 : 0, bailout ? 1 : 0);
}

// Keys base to base + 8: GF low, GF high, SAC, PPO2, EAD, the group's own value, descent rate,
// ascent rate, last stop.
void AddLimitRecords(std::string& text, int baseKey, const CDivePlan::DecoLimits& limits,
                     const std::string& ownRecord) {
  const double first[] = {limits.gfLowPercent, limits.gfHighPercent, limits.sacRateLitresPerMin, limits.maxPpo2Bar,
                          limits.maxEadMetres};
  for (int i = 0; i < 5; ++i) AppendRealRecord(text, baseKey + i, first[i]);
  text += ownRecord;
  const double last[] = {limits.descentRateMetresPerMin, limits.ascentRateMetresPerMin, limits.lastStopMetres};
  for (int i = 0; i < 3; ++i) AppendRealRecord(text, baseKey + 6 + i, last[i]);
}

}  // namespace

void CDivePlan::WriteDiveRecords(std::string& text) const {
  AppendTextRecord(text, kNameRecord, name_);
  AppendRealRecord(text, 21, surfacePressureMbar_);
  AddLimitRecords(text, 22, diveLimits_, FormatC("%03d~%d\n", 27, surfaceIntervalSec_));
  AppendIntRecord(text, 70, bellExcursion_ ? 1 : 0);
  AppendRealRecord(text, 71, bellDepthMetres_);
  text += FormatC("%03d~%0.2f~%0.2f\n", kBellGasRecord, bellGas_.GetOxygen(), bellGas_.GetHelium());
  AppendIntRecord(text, 40, bailoutGasSwitchCount_);
  AddLimitRecords(text, 41, bailoutLimits_, FormatC("%03d~%0.2f\n", 46, bailoutMaxCnsPercent_));
  AppendIntRecord(text, 50, useBailoutGasList_ ? 1 : 0);
  AppendIntRecord(text, 51, ignoreIcd_ ? 1 : 0);
  AppendIntRecord(text, 52, ignoreCns_ ? 1 : 0);
  AppendIntRecord(text, kBailoutStartRecord, bailoutStartStep_);
  AppendRealRecord(text, kBailoutDepthRecord, bailoutDepthMetres_);
  AppendIntRecord(text, kBailoutTriggeredRecord, bailoutTriggered_ ? 1 : 0);
  AppendIntRecord(text, kBailoutRecord058, bailoutRecord058_);
  AppendTextRecord(text, kBailoutGasListRecord, bailoutGasList_);
  for (const CPlanPoint& point : userPoints_) AddPoint(text, kUserPointRecord, point, false);
  for (const CPlanPoint& point : bailoutPoints_) AddPoint(text, kBailoutPointRecord, point, point.bailout);
}

bool CDivePlan::IsCutOffDive(const std::vector<int>& keys) {
  const std::size_t everyDiveRecordCount = std::size(kEveryDiveRecord);
  return keys.size() < everyDiveRecordCount && std::equal(keys.begin(), keys.end(), std::begin(kEveryDiveRecord));
}

bool CDivePlan::AddPointFromRecord(std::string_view line) {
  const CTextRecord record(line);
  const int key = record.GetKey();
  if ((key != kUserPointRecord && key != kBailoutPointRecord) || record.GetFieldCount() < kPointRecordMinFields) {
    return false;
  }
  CPlanPoint point(record.GetInt(2), record.GetReal(3), record.GetFlag(4), record.GetReal(5), record.GetReal(6),
                   record.GetReal(7), record.GetFlag(8), false);
  if (key == kUserPointRecord) {
    userPoints_.push_back(point);
  } else {
    point.bailout = record.GetFlag(9);  // false when the field is missing
    bailoutPoints_.push_back(point);
  }
  return true;
}

bool CDivePlan::ApplyDiveRecord(const CTextRecord& record) {
  const int key = record.GetKey();
  if (ApplySetting(*this, kRealRecords, key, record) || ApplySetting(*this, kIntRecords, key, record) ||
      ApplySetting(*this, kFlagRecords, key, record)) {
    return true;
  }
  switch (key) {
    case kNameRecord: SetName(record.GetText(2)); return true;
    case kBailoutGasListRecord: SetBailoutGasList(record.GetText(2)); return true;
    case kBellGasRecord: {
      const double oxygen = record.GetReal(2);
      const double helium = record.GetReal(3);
      // A mix the gas refuses would reach the model as an invalid gas of 0 % oxygen.
      if (CGas().SetMix(oxygen, helium)) {
        SetBellGas(oxygen, helium);
      } else {
        record.LogRefused();
      }
      return true;
    }
    case kBailoutStartRecord:
      bailoutStartStep_ = record.GetInt(2, kBailoutTimeSec);
      return true;
    case kBailoutDepthRecord: bailoutDepthMetres_ = record.GetReal(2, kBailoutDepthMetres); return true;
    case kBailoutTriggeredRecord: bailoutTriggered_ = record.GetFlag(2); return true;
    case kBailoutRecord058: bailoutRecord058_ = record.GetInt(2); return true;
    case kUserPointRecord:
    case kBailoutPointRecord: return AddPointFromRecord(record.GetLine());
    default: return false;
  }
}

std::string CDivePlan::FormatDepth() const {
  const auto deepest = std::max_element(userPoints_.begin(), userPoints_.end(),
                                        [](const CPlanPoint& a, const CPlanPoint& b) { return a.GetDepth() < b.GetDepth(); });
  if (deepest == userPoints_.end() || deepest->GetDepth() == 0) return "";
  const bool feet = DisplayUnits() == UnitSystem::kImperial;
  const std::string depth =
      feet ? FormatC("%0.1f (ft)", deepest->GetDepth() * kFeetPerMetre) : FormatC("%0.1f (m)", deepest->GetDepth());
  const int duration = deepest->durationSec;
  return FormatC(ResourceFormat(IDS_MAX_DEPTH_DURATION).c_str(), depth.c_str(), duration / 60, duration % 60);
}
