#pragma once
// The values of the table generator's page: fourteen numeric fields, the grouping choice and
// the descent and ascent gas lists. Each field is held as the page shows it (depths, rates and
// stops in feet when the units are imperial), already brought into the field's range and
// rounded to its decimals, as the field's spin control would hold it.
#include <array>

#include "engine/Gas.h"
#include "engine/SettingRanges.h"
#include "views/core/GeneratorGasList.h"

enum GeneratorField {
  kDepthStart,
  kDepthFinish,
  kDepthStep,
  kDurationStart,
  kDurationFinish,
  kDurationStep,
  kSurfacePressure,
  kGfLow,
  kGfHigh,
  kDescentRate,
  kAscentRate,
  kLastDecoStop,
  kMaxPpo2,
  kMaxEad,
  kGeneratorFieldCount
};

struct GeneratorFieldSpec {
  int editId;  // the spin control is editId + 1
  SettingRange metric;
  SettingRange imperial;
  double spinStep;  // negative: the up arrow lowers the value
  int decimals;
  bool length;       // a depth or rate, shown in feet with imperial units
  bool revalidates;  // the checks read it (an axis, a rate, a limit): a change runs them again
  int fileKey;       // record key in a settings file
};

const GeneratorFieldSpec& FieldSpec(GeneratorField field);

// Grouping of the generated tables.
enum class TableGrouping { kByDepth = 0, kByTime = 1 };

// The page in the engine's units, as a generation run and the checks read it: metres, m/min,
// mbar, percent, bar and whole minutes (durations truncated).
struct GenerationSettings {
  double depthStartMetres = 0;
  double depthFinishMetres = 0;
  double depthStepMetres = 0;
  int durationStartMin = 0;
  int durationFinishMin = 0;
  int durationStepMin = 0;
  double surfacePressureMbar = 1000;
  double gfLowPercent = 0;
  double gfHighPercent = 0;
  double descentRateMetresPerMin = 0;
  double ascentRateMetresPerMin = 0;
  double lastStopMetres = 0;
  double maxPpo2Bar = 0;
  double maxEadMetres = 0;
};

class GeneratorPage {
 public:
  explicit GeneratorPage(UnitSystem units = UnitSystem::kMetric);

  UnitSystem Units() const { return units_; }
  double Shown(GeneratorField field) const { return shown_[field]; }
  // Brings the value into the field's range (a value that is no number to its minimum) and
  // rounds it to the field's decimals.
  void SetShown(GeneratorField field, double value);
  // The field in metres (lengths) or as shown (the rest).
  double Metric(GeneratorField field) const;
  void SetMetric(GeneratorField field, double value);
  const SettingRange& Range(GeneratorField field) const;

  GenerationSettings Settings() const;

  TableGrouping grouping = TableGrouping::kByDepth;
  GeneratorGasList travel{GasListKind::kDescent};
  GeneratorGasList deco{GasListKind::kAscent};

 private:
  UnitSystem units_;
  std::array<double, kGeneratorFieldCount> shown_{};
};

// A length in the unit the page shows, and back.
double ToShownLength(double metres, UnitSystem units);
double ToMetres(double shown, UnitSystem units);
// A switch depth read back from its text form, which keeps whole centimetres: the whole metre or
// foot within kSameDepthMetres of it, the depth the gas-switch editor gave the row, and any
// other depth as read.
double TypedSwitchDepth(double storedMetres, UnitSystem units);
// "m" or "ft", and "m/min" or "ft/min".
const char* LengthUnitText(UnitSystem units);
const char* RateUnitText(UnitSystem units);

// The page as the registry keeps it ("Table Generation" values and the twelve "Travel Gas" and
// "Deco Gas" rows). The rows read are put at the depths they were typed at (TypedSwitchDepth),
// compacted, sorted by depth and freed of duplicates without a message, so that the lists
// always hold used rows first in ascending depth.
GeneratorPage LoadGeneratorPage(UnitSystem units);
// Lengths and the maximum PPO2 stored in thousandths, the other fields as whole numbers (the
// fraction cut off); all twelve rows of each list, empty rows included.
void StoreGeneratorPage(const GeneratorPage& page);
