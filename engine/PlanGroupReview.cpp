// Reviewing a dive-computer log: the logged dive becomes a new dive of the plan whose points
// follow the samples, so that this program's model retraces what the diver actually did.
#include <algorithm>
#include <cstdint>

#include "engine/NumberText.h"
#include "engine/PlanGroup.h"
#include "engine/PrivateMessages.h"
#include "logimport/KorrinLog.h"
#include "platform/UserInterface.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

constexpr LogCategory kLoadingLog = DBG_PLAN_LOADING;
constexpr const char* kLoadFlag = "m_loadInProgress";

// The indices of the samples from the logged dive's start to its end; false when the log holds
// none there (no samples at all, or an end before the start).
bool FindDiveSamples(const CKorrinLog& log, int& first, int& last) {
  first = log.FindIndexAtTime(log.GetDiveStartTime());
  last = log.FindIndexAtTime(log.GetDiveEndTime());
  return log.GetSample(first) != nullptr && first <= last;
}

// A log without a gradient-factor line reads 0/0, which no dive computer dives with.
bool IsUsableGradientFactor(double percent) { return percent >= 1 && percent <= 100; }

bool AnyPositive(const CKorrinLogSample::Compartments& values) {
  return std::any_of(values.begin(), values.end(), [](double value) { return value > 0; });
}

// Appends the review points of the samples one after another: each starts where the previous
// one ended, from the logged dive's first second on (-1).
class ReviewPointWriter {
 public:
  ReviewPointWriter(CDivePlan& dive, double surfaceMbar) : dive_(dive), surfaceMbar_(surfaceMbar) {}

  // False once the review has reached the longest dive the calculation handles; later samples
  // are then left out.
  bool Add(const CKorrinLogSample& sample, std::int64_t durationSec) {
    if (!tensionsTaken_ && TakeTensions(sample)) tensionsTaken_ = tensionMarkPending_ = true;
    if (durationSec <= 0) return true;
    const std::int64_t room = CDivePlan::kDayLimitSec - startSec_;
    if (room <= 0) return false;
    const int duration = static_cast<int>(std::min(durationSec, room));
    // Depth is gauge pressure: a sample above the surface (or without a reading) lies at it.
    const double depthMbar = std::max(0.0, sample.GetAmbientPressure() - surfaceMbar_);
    dive_.AddReviewPoint(startSec_, duration, depthMbar, sample.GetO2Percent(), sample.GetHePercent(),
                         sample.GetValue(3), tensionMarkPending_);
    const int point = dive_.GetPlanPlusPointCount() - 1;
    dive_.SetReviewPointLoggedCeiling(point, sample.GetDepthB());
    dive_.SetReviewPointLoggedGradientFactor(point, sample.GetScaledValue());
    // Second 0 is the dive's surface state; a point that ends by then supplies no step, so the
    // next point takes the tensions over.
    if (startSec_ + duration - 1 >= 1) tensionMarkPending_ = false;
    startSec_ += duration;
    return durationSec <= room;
  }

 private:
  bool TakeTensions(const CKorrinLogSample& sample) {
    if (!sample.CarriesSurfacePressureAndTissues()) return false;
    const CKorrinLogSample::Compartments& nitrogen = sample.GetNitrogenCompartments();
    const CKorrinLogSample::Compartments& helium = sample.GetHeliumCompartments();
    if (!AnyPositive(nitrogen) && !AnyPositive(helium)) return false;
    if (dive_.SetPresetTensions(nitrogen, helium)) return true;
    CPlanGroup::Log(FormatC("Logged tissue tensions at %d s cannot start a dive - ignored", sample.GetTime()),
                    kLoadingLog);
    return false;
  }

  CDivePlan& dive_;
  double surfaceMbar_;
  int startSec_ = -1;
  bool tensionsTaken_ = false;
  // Tensions were taken and no point that the calculation steps through carries them yet.
  bool tensionMarkPending_ = false;
};

// The log's surface pressure (the first dive sample's when one carries it) and gradient factors
// become the dive's; returns the surface pressure that depths are measured from.
double ApplyLoggedSettings(CDivePlan& dive, const CKorrinLog& log, int first, int last) {
  double surfaceMbar = log.GetAtmosphericPressure();
  dive.SetSurfacePressure(surfaceMbar);
  const CKorrinLogSample& firstSample = *log.GetSample(first);
  if (IsUsableGradientFactor(firstSample.GetGfLow()) && IsUsableGradientFactor(firstSample.GetGfHigh())) {
    dive.SetGfLow(firstSample.GetGfLow());
    dive.SetGfHigh(firstSample.GetGfHigh());
  } else {
    CPlanGroup::Log(FormatC("Log file gives no usable gradient factors - the dive keeps %.0f/%.0f", dive.GetGfLow(),
                            dive.GetGfHigh()),
                    kLoadingLog);
  }
  for (int i = first; i <= last; ++i) {
    const CKorrinLogSample& sample = *log.GetSample(i);
    if (sample.CarriesSurfacePressureAndTissues()) {
      surfaceMbar = sample.GetSurfacePressure();
      dive.SetSurfacePressure(surfaceMbar);
      break;
    }
  }
  return surfaceMbar;
}

// Each sample lasts until the next one; the last one the log's sample interval.
void WriteReviewPoints(CDivePlan& dive, const CKorrinLog& log, int first, int last, double surfaceMbar) {
  ReviewPointWriter writer(dive, surfaceMbar);
  for (int i = first; i <= last; ++i) {
    const CKorrinLogSample& sample = *log.GetSample(i);
    const std::int64_t durationSec =
        i < last ? std::int64_t{log.GetSample(i + 1)->GetTime()} - sample.GetTime() : log.GetSampleInterval();
    if (!writer.Add(sample, durationSec)) {
      CPlanGroup::Log("The log runs past 24 hours - later samples left out", kLoadingLog);
      return;
    }
  }
}

}  // namespace

bool CPlanGroup::ReviewLogFile(const std::string& path) {
  Log("CPlanGroup::ReviewLogFile() started", kLoadingLog);
  SetFlagLogged(m_loadInProgress, kLoadFlag, true, "CPlanGroup::ReviewLogFile() Initial");
  CKorrinLog log;
  log.SetDebugLog(&TheDebugLog());
  const bool loaded = log.Load(path) == CKorrinLog::kLoaded;
  int first = 0;
  int last = -1;
  // A log without samples in the dive would give a dive without points: refused like a log that
  // cannot be read, before the plan changes.
  if (!loaded || !FindDiveSamples(log, first, last)) {
    if (loaded) {
      Log(FormatC("Log file %s holds no samples between the dive's start and end", path.c_str()), kLoadingLog);
    }
    platform::AskUser(ResourceString(IDS_MSG_UNABLE_TO_OPEN_FILE), platform::mb::kOk | platform::mb::kIconExclamation);
    Log(FormatC("Unable to open log file %s", path.c_str()), kLoadingLog);
    SetFlagLogged(m_loadInProgress, kLoadFlag, false, "CPlanGroup::ReviewLogFile() Unable to open file");
    return false;
  }
  Log("File opened OK", kLoadingLog);
  if (!AddDivePlan()) {
    SetFlagLogged(m_loadInProgress, kLoadFlag, false, "CPlanGroup::ReviewLogFile() Failed to add dive plan");
    return false;
  }
  const int index = GetDiveCount() - 1;
  CDivePlan& dive = *GetDivePlan(index);
  dive.SetReviewDive(true);
  // A review dive is calculated over its logged points only on request, and a review exists to
  // be calculated.
  dive.SetReviewSteps(true);

  const double surfaceMbar = ApplyLoggedSettings(dive, log, first, last);
  if (dive.GetPlanPlusPointCount() == 0) dive.AddEmptyReviewPoint(0);
  WriteReviewPoints(dive, log, first, last, surfaceMbar);

  Log(FormatC("File %s loaded OK", path.c_str()), kLoadingLog);
  // Calculations the setters ran saw no points yet.
  InvalidateCalculations(index);
  SetFlagLogged(m_loadInProgress, kLoadFlag, false, "CPlanGroup::ReviewLogFile() Finished");
  platform::PostToMainWindow(WMU_PLAN_LOADED, index, 0);
  return true;
}
