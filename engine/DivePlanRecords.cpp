// The dive's records in the plan file and its one-line summary.
#include <algorithm>

#include "engine/AppSettings.h"
#include "engine/DivePlan.h"
#include "engine/NumberText.h"
#include "engine/support/Rounding.h"
#include "engine/support/SParser.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

constexpr int kUserPointRecord = 100;
constexpr int kBailoutPointRecord = 110;
constexpr int kPointRecordMinFields = 8;  // key and seven values; the bailout flag may be missing

// A "~", carriage return or line feed inside a text value would split or end its record, so
// such characters are written as blanks.
std::string RecordText(std::string_view text) {
  std::string safe(text);
  std::replace_if(safe.begin(), safe.end(), [](char c) { return c == '~' || c == '\r' || c == '\n'; }, ' ');
  return safe;
}

void AddReal(std::string& text, int key, double value) { text += FormatC("%03d~%0.2f\n", key, value); }
void AddInt(std::string& text, int key, int value) { text += FormatC("%03d~%d\n", key, value); }
void AddText(std::string& text, int key, std::string_view value) {
  text += FormatC("%03d~", key) + RecordText(value) + "\n";
}

void AddPoint(std::string& text, int key, const CPlanPoint& point, bool bailout) {
  text += FormatC("%03d~%d~%0.2f~%d~%0.2f~%0.2f~%0.2f~%d~%d\n", key, point.durationSec, point.depthMbar,
                  point.closedCircuit ? 1 : 0, point.oxygenPercent, point.heliumPercent, point.setPointBar,
                  point.noClearSurface ? 1 : 0, bailout ? 1 : 0);
}

bool IsOne(const CSParser& fields, int index) { return ReadLeadingInt(fields.GetField(index)) == 1; }

// Keys base to base + 8: GF low, GF high, SAC, PPO2, EAD, the group's own value, descent rate,
// ascent rate, last stop.
void AddLimitRecords(std::string& text, int baseKey, const CDivePlan::DecoLimits& limits,
                     const std::string& ownRecord) {
  const double first[] = {limits.gfLowPercent, limits.gfHighPercent, limits.sacRateLitresPerMin, limits.maxPpo2Bar,
                          limits.maxEadMetres};
  for (int i = 0; i < 5; ++i) AddReal(text, baseKey + i, first[i]);
  text += ownRecord;
  const double last[] = {limits.descentRateMetresPerMin, limits.ascentRateMetresPerMin, limits.lastStopMetres};
  for (int i = 0; i < 3; ++i) AddReal(text, baseKey + 6 + i, last[i]);
}

}  // namespace

void CDivePlan::WriteDiveRecords(std::string& text) const {
  AddText(text, 20, name_);
  AddReal(text, 21, surfacePressureMbar_);
  AddLimitRecords(text, 22, diveLimits_, FormatC("%03d~%d\n", 27, surfaceIntervalSec_));
  AddInt(text, 70, bellExcursion_ ? 1 : 0);
  AddReal(text, 71, bellDepthMetres_);
  text += FormatC("%03d~%0.2f~%0.2f\n", 72, bellGas_.GetOxygen(), bellGas_.GetHelium());
  AddInt(text, 40, bailoutGasSwitchCount_);
  AddLimitRecords(text, 41, bailoutLimits_, FormatC("%03d~%0.2f\n", 46, bailoutMaxCnsPercent_));
  AddInt(text, 50, useBailoutGasList_ ? 1 : 0);
  AddInt(text, 51, ignoreIcd_ ? 1 : 0);
  AddInt(text, 52, ignoreCns_ ? 1 : 0);
  AddInt(text, 55, bailoutStartStep_);
  AddReal(text, 56, bailoutDepthMetres_);
  AddInt(text, 57, bailoutTriggered_ ? 1 : 0);
  AddInt(text, 58, bailoutRecord058_);
  AddText(text, 60, bailoutGasList_);
  for (const CPlanPoint& point : userPoints_) AddPoint(text, kUserPointRecord, point, false);
  for (const CPlanPoint& point : bailoutPoints_) AddPoint(text, kBailoutPointRecord, point, point.bailout);
}

bool CDivePlan::AddPointFromRecord(std::string_view record) {
  const CSParser fields(record, '~');
  const int key = ReadLeadingInt(fields.GetField(1));
  if ((key != kUserPointRecord && key != kBailoutPointRecord) || fields.GetCount() < kPointRecordMinFields) {
    return false;
  }
  CPlanPoint point(ReadLeadingInt(fields.GetField(2)), ReadLeadingDouble(fields.GetField(3)), IsOne(fields, 4),
                   ReadLeadingDouble(fields.GetField(5)), ReadLeadingDouble(fields.GetField(6)),
                   ReadLeadingDouble(fields.GetField(7)), IsOne(fields, 8), false);
  if (key == kUserPointRecord) {
    userPoints_.push_back(point);
  } else {
    point.bailout = fields.GetCount() > kPointRecordMinFields && IsOne(fields, 9);
    bailoutPoints_.push_back(point);
  }
  return true;
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
