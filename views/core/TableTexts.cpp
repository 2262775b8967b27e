#include "views/core/TableTexts.h"

#include <algorithm>

#include "engine/AppSettings.h"
#include "engine/NumberText.h"
#include "engine/PredictionPoint.h"
#include "engine/support/VersionInfo.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"
#include "views/core/HtmlText.h"
#include "views/core/TableDocumentHtml.h"

namespace views {

TableSettings TableSettings::FromProgram() {
  TableSettings settings;
  const CAppSettings::General& general = AppSettings().general;
  settings.units = general.units.Get() == 1 ? UnitSystem::kImperial : UnitSystem::kMetric;
  settings.minutesAndSeconds = general.timeUnits.Get() != 0;
  settings.lastSegmentFirst = general.printingDirection.Get() == 1;
  settings.diverId = general.diverId.Get();
  CVersionInfo version;
  if (version.LoadOwnModule()) settings.productVersion = CVersionInfo::DottedVersion(version.GetProductVersion());
  return settings;
}

double DisplayDepth(double metres, UnitSystem units) {
  return units == UnitSystem::kImperial ? metres * kFeetPerMetre : metres;
}

std::string DepthText(double metres, UnitSystem units) {
  return FormatC(units == UnitSystem::kImperial ? "%0.0fft" : "%0.0fm", DisplayDepth(metres, units));
}

std::string SacText(double litresPerMin, UnitSystem units) {
  if (units == UnitSystem::kImperial) return FormatC("SAC %0.1f (cu ft/min)", litresPerMin * kCubicFeetPerLitre);
  return FormatC("SAC %0.0f (l/min)", litresPerMin);
}

std::string GradientFactorsText(double lowPercent, double highPercent) {
  return FormatC("GF<br>%2d/%2d", static_cast<int>(lowPercent), static_cast<int>(highPercent));
}

std::string BailoutGradientFactorsText(double lowPercent, double highPercent) {
  return FormatC("GF%2.0f/%2.0f", lowPercent, highPercent);
}

double GreatestDepth(const std::vector<CDiveSegment>& segments) {
  double deepest = 0;
  for (const CDiveSegment& segment : segments) deepest = std::max(deepest, segment.depthMetres);
  return deepest;
}

std::string DiveNumberText(int index, int diveCount, int lengthSec) {
  const int minutes = (std::max(lengthSec, 0) + 30) / 60;
  return FormatC(ResourceFormat(IDS_TABLE_DIVE_NUMBER).c_str(), index + 1, diveCount) +
         FormatC(ResourceFormat(IDS_TABLE_DURATION).c_str(), minutes / 60, minutes % 60);
}

std::string SegmentWarningsText(int bits) {
  static constexpr std::pair<int, const char*> kWarnings[] = {
      {kWarningCounterDiffusion, "ICD Risk"}, {kWarningEad, "EAD"}, {kWarningHighPpo2, "High O2"},
      {kWarningLowPpo2, "Low O2"}};
  std::string text;
  for (const auto& [bit, name] : kWarnings) {
    if ((bits & bit) == 0) continue;
    if (!text.empty()) text += ", ";
    text += name;
  }
  return text;
}

std::string FooterText(const std::tm& created, const TableSettings& settings) {
  return FormatC(ResourceFormat(IDS_TABLE_CREATED).c_str(), FormatTableTime(created).c_str(),
                 EscapeHtml(settings.diverId).c_str(), settings.productVersion.c_str());
}

}  // namespace views
