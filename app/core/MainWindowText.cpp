#include "app/core/MainWindowText.h"

#include <filesystem>

#include "engine/AppSettings.h"
#include "engine/support/VersionInfo.h"

namespace app {
namespace {

std::string Choice(std::string_view label, bool first, std::string_view firstText, std::string_view otherText) {
  return "   " + std::string(label) + " - " + std::string(first ? firstText : otherText);
}

constexpr unsigned kFullDetailLevel = 4;

}  // namespace

std::string MainWindowTitle(std::string_view productVersion, std::string_view planPath, bool modified) {
  std::string title = "Velmar Tessaline v" + CVersionInfo::DottedVersion(productVersion);
  if (!planPath.empty()) title += " - " + std::filesystem::path(planPath).filename().string();
  if (modified) title += " *";
  return title;
}

std::string TabCaption(std::string_view name, int index, bool bailout) {
  std::string caption = (bailout ? "Bailout " : "Dive ") + std::to_string(index + 1);
  if (!name.empty()) caption += " - " + std::string(name);
  return caption;
}

int SelectionAfterTabCountChange(int pageCount, int newCount, int selected) {
  if (newCount > pageCount) return newCount - 1;
  const int moved = selected - (pageCount - newCount);
  return moved >= 0 && moved < newCount ? moved : 0;
}

std::vector<std::string> SettingsLogLines(const CAppSettings& settings) {
  const unsigned level = settings.debugLevel.Get();
  std::vector<std::string> lines{"Debug Message Level " + std::to_string(level)};
  if (level < kFullDetailLevel) return lines;
  lines.push_back("Registry Settings");
  lines.push_back("   Default Dir - " + settings.directories.plansAndDives.Get());
  lines.push_back("   Default Settings Dir - " + settings.directories.tableSettings.Get());
  lines.push_back(Choice("Chart Grid Enable", settings.general.chartGridEnable.raw.Get() == 1, "Enabled", "Disabled"));
  lines.push_back(Choice("Auto Recalc", settings.general.autoRecalc.raw.Get() == 1, "Enabled", "Disabled"));
  lines.push_back(Choice("Surface Interval Algorithm", settings.divePlan.surfaceIntervalAlgorithm.Get() == 1, "Buhlmann",
                         "SDS"));
  lines.push_back(Choice("Buhlmann Algorithm", settings.divePlan.algorithm.Get() == 1, "ZH-L16C", "ZH-L16A"));
  lines.push_back(Choice("Print Direction", settings.general.printingDirection.Get() == 1,
                         "Run Time Ascending up the page", "Run Time Descending down the page"));
  lines.push_back(Choice("Time Units", settings.general.timeUnits.Get() == 1, "Minutes & Seconds", "Minutes Only"));
  lines.push_back(Choice("First Ascent Option", settings.general.firstAscentOption.Get() == 1, "Detailed 1st Ascent",
                         "Merged 1st Ascent"));
  return lines;
}

}  // namespace app
