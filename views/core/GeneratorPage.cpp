#include "views/core/GeneratorPage.h"

#include <cmath>
#include <cstdint>

#include "engine/AppSettings.h"

namespace {

constexpr std::array<GeneratorFieldSpec, kGeneratorFieldCount> kFields = {{
    {3306, {0, 305}, {0, 1000}, -1, 0, true, true, 1},
    {3308, {0, 305}, {0, 1000}, -1, 0, true, true, 2},
    {3310, {1, 100}, {1, 300}, 1, 0, true, true, 3},
    {3312, {0, 360}, {0, 360}, 1, 0, false, true, 4},
    {3314, {0, 360}, {0, 360}, 1, 0, false, true, 5},
    {3316, {1, 100}, {1, 100}, 1, 0, false, true, 6},
    {3318, {600, 1080}, {600, 1080}, 1, 0, false, true, 10},
    {3320, {0, 100}, {0, 100}, 1, 0, false, false, 11},
    {3322, {0, 100}, {0, 100}, 1, 0, false, false, 12},
    {3324, {5, 50}, {16, 164}, 1, 0, true, true, 13},
    {3326, {1, 25}, {3, 82}, 1, 0, true, false, 14},
    {3328, {3, 6}, {10, 20}, -1, 0, true, false, 15},
    {3332, {1, 1.8}, {1, 1.8}, 0.01, 2, false, true, 20},
    {3334, {20, 70}, {65, 230}, -1, 0, true, true, 21},
}};

double RoundToDecimals(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

// The registry value of each field: lengths and the maximum PPO2 in thousandths, the rest whole.
struct StoredField {
  CRegSettingMilli* milli;
  CRegSettingDword* whole;
};

std::array<StoredField, kGeneratorFieldCount> StoredFields() {
  CAppSettings::TableGeneration& stored = AppSettings().tableGeneration;
  return {{
      {&stored.depthStartMetres, nullptr},
      {&stored.depthFinishMetres, nullptr},
      {&stored.depthStepMetres, nullptr},
      {nullptr, &stored.durationStartMin},
      {nullptr, &stored.durationFinishMin},
      {nullptr, &stored.durationStepMin},
      {nullptr, &stored.surfacePressureMbar},
      {nullptr, &stored.gfLowPercent},
      {nullptr, &stored.gfHighPercent},
      {&stored.descentRateMetresPerMin, nullptr},
      {&stored.ascentRateMetresPerMin, nullptr},
      {&stored.lastDecoStopMetres, nullptr},
      {&stored.maxPpo2Bar, nullptr},
      {&stored.maxEadMetres, nullptr},
  }};
}

}  // namespace

const GeneratorFieldSpec& FieldSpec(GeneratorField field) { return kFields[field]; }

double ToShownLength(double metres, UnitSystem units) {
  return units == UnitSystem::kImperial ? metres * kFeetPerMetre : metres;
}

double ToMetres(double shown, UnitSystem units) { return units == UnitSystem::kImperial ? shown * kMetresPerFoot : shown; }

double TypedSwitchDepth(double storedMetres, UnitSystem units) {
  const double typedMetres = ToMetres(std::round(ToShownLength(storedMetres, units)), units);
  return std::fabs(typedMetres - storedMetres) <= kSameDepthMetres ? typedMetres : storedMetres;
}

const char* LengthUnitText(UnitSystem units) { return units == UnitSystem::kImperial ? "ft" : "m"; }

const char* RateUnitText(UnitSystem units) { return units == UnitSystem::kImperial ? "ft/min" : "m/min"; }

GeneratorPage::GeneratorPage(UnitSystem units) : units_(units) {
  for (int field = 0; field < kGeneratorFieldCount; ++field) shown_[field] = Range(GeneratorField(field)).min;
}

const SettingRange& GeneratorPage::Range(GeneratorField field) const {
  return units_ == UnitSystem::kImperial ? kFields[field].imperial : kFields[field].metric;
}

void GeneratorPage::SetShown(GeneratorField field, double value) {
  shown_[field] = RoundToDecimals(Range(field).Clamp(value), kFields[field].decimals);
}

double GeneratorPage::Metric(GeneratorField field) const {
  return kFields[field].length ? ToMetres(shown_[field], units_) : shown_[field];
}

void GeneratorPage::SetMetric(GeneratorField field, double value) {
  SetShown(field, kFields[field].length ? ToShownLength(value, units_) : value);
}

GenerationSettings GeneratorPage::Settings() const {
  GenerationSettings settings;
  settings.depthStartMetres = Metric(kDepthStart);
  settings.depthFinishMetres = Metric(kDepthFinish);
  settings.depthStepMetres = Metric(kDepthStep);
  settings.durationStartMin = static_cast<int>(Metric(kDurationStart));
  settings.durationFinishMin = static_cast<int>(Metric(kDurationFinish));
  settings.durationStepMin = static_cast<int>(Metric(kDurationStep));
  settings.surfacePressureMbar = Metric(kSurfacePressure);
  settings.gfLowPercent = Metric(kGfLow);
  settings.gfHighPercent = Metric(kGfHigh);
  settings.descentRateMetresPerMin = Metric(kDescentRate);
  settings.ascentRateMetresPerMin = Metric(kAscentRate);
  settings.lastStopMetres = Metric(kLastDecoStop);
  settings.maxPpo2Bar = Metric(kMaxPpo2);
  settings.maxEadMetres = Metric(kMaxEad);
  return settings;
}

GeneratorPage LoadGeneratorPage(UnitSystem units) {
  GeneratorPage page(units);
  const auto stored = StoredFields();
  for (int field = 0; field < kGeneratorFieldCount; ++field) {
    const StoredField& value = stored[field];
    page.SetMetric(GeneratorField(field), value.milli ? value.milli->Get() : static_cast<double>(value.whole->Get()));
  }
  CAppSettings& settings = AppSettings();
  page.grouping = settings.tableGeneration.tableGrouping.Get() == 0 ? TableGrouping::kByDepth : TableGrouping::kByTime;
  const auto loadRows = [units](const GasSwitchSettings& texts, GeneratorGasList& list) {
    GasSwitchList rows{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
      CGasSwitch& row = rows[i];
      row.FromString(texts[i].Get());
      row.Set(TypedSwitchDepth(row.GetDepth(), units), row.GetOxygen(), row.GetHelium(), row.IsClosedCircuit(),
              row.GetSetPoint(), row.IsGasSet());
    }
    list.Assign(rows);
  };
  loadRows(settings.gasMix.travelGas, page.travel);
  loadRows(settings.gasMix.decoGas, page.deco);
  return page;
}

void StoreGeneratorPage(const GeneratorPage& page) {
  const auto stored = StoredFields();
  for (int field = 0; field < kGeneratorFieldCount; ++field) {
    const double value = page.Metric(GeneratorField(field));
    if (stored[field].milli) {
      stored[field].milli->Set(value);
    } else {
      stored[field].whole->Set(static_cast<std::uint32_t>(value));
    }
  }
  CAppSettings& settings = AppSettings();
  settings.tableGeneration.tableGrouping.Set(page.grouping == TableGrouping::kByDepth ? 0 : 1);
  const auto storeRows = [](const GeneratorGasList& list, GasSwitchSettings& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i].Set(list.Rows()[i].ToString());
  };
  storeRows(page.travel, settings.gasMix.travelGas);
  storeRows(page.deco, settings.gasMix.decoGas);
}
