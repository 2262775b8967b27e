#include "engine/Gas.h"

#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"
#include "engine/support/Rounding.h"

namespace {

constexpr double kSurfaceBar = 1.0;
constexpr double kMetresPerBar = 10.0;

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// Percentages are named by their whole part (20.6 % is "20"). Values far outside any gas are
// only possible through the unchecked setters and are kept away from undefined conversions.
int WholePercent(double percent) {
  if (!(std::fabs(percent) < 1e6)) return 0;
  return static_cast<int>(percent);
}

bool ReadWholePercent(std::string_view text, int& percent) {
  bool read = false;
  percent = StringToIntRounded(text, read);
  return read;
}

}  // namespace

bool CGas::SetMix(double oxygenPercent, double heliumPercent) {
  const bool sound = std::isfinite(oxygenPercent) && std::isfinite(heliumPercent) &&
                     oxygenPercent + heliumPercent <= 100 && oxygenPercent >= kMinimumOxygenPercent &&
                     heliumPercent >= 0 && heliumPercent <= kMaximumHeliumPercent;
  if (!sound) {
    valid_ = false;
    return false;
  }
  StoreMix(oxygenPercent, heliumPercent);
  return true;
}

void CGas::StoreMix(double oxygenPercent, double heliumPercent) {
  oxygen_ = oxygenPercent;
  helium_ = heliumPercent;
  nitrogen_ = 100 - oxygen_ - helium_;
  valid_ = true;
}

bool CGas::SetOxygen(double oxygenPercent) {
  StoreMix(oxygenPercent, helium_);
  return true;
}

bool CGas::SetHelium(double heliumPercent) {
  StoreMix(oxygen_, heliumPercent);
  return true;
}

void CGas::SetAir() { StoreMix(21, 0); }

bool CGas::Parse(std::string_view text) {
  const std::string lower = AsciiLower(text);
  if (lower == "air") return SetMix(21, 0);
  if (lower == "oxygen") return SetMix(100, 0);

  // The ranges (oxygen 5 to 100, helium 0 to 99, 100 in all) are those of SetMix.
  int oxygen = 0;
  int helium = 0;
  bool read = false;
  if (const auto percent = lower.find('%'); percent != std::string::npos) {
    read = ReadWholePercent(std::string_view(lower).substr(0, percent), oxygen);
  } else if (const auto slash = lower.find('/'); slash != std::string::npos) {
    read = ReadWholePercent(std::string_view(lower).substr(0, slash), oxygen) &&
           ReadWholePercent(std::string_view(lower).substr(slash + 1), helium);
  }
  if (!read) {
    valid_ = false;
    return false;
  }
  return SetMix(oxygen, helium);
}

std::string CGas::GetName(bool shortForm) const {
  if (!valid_) return shortForm ? std::string() : std::string("Invalid");
  const int oxygen = WholePercent(oxygen_);
  const int helium = WholePercent(helium_);
  if (shortForm) return FormatC("%d/%d", oxygen, helium);
  if (helium != 0) return helium_ == 100 ? std::string("Helium") : FormatC("%d/%d", oxygen, helium);
  if (oxygen_ == 100) return "Oxygen";
  if (oxygen_ == 21) return "Air";
  return FormatC("%d%% Nitrox", oxygen);
}

std::string MixName(double oxygenPercent, double heliumPercent) {
  CGas gas;
  gas.SetMix(oxygenPercent, heliumPercent);
  return gas.GetName(false);
}

double CalcPartialPressureO2(double oxygenPercent, double depthMetres) {
  return (depthMetres / kMetresPerBar + kSurfaceBar) * oxygenPercent / 100;
}

double CalcPartialPressureN2(double oxygenPercent, double heliumPercent, double depthMetres, double setPointBar,
                             bool closedCircuit) {
  const double nitrogen = 100 - oxygenPercent - heliumPercent;
  const double ambientBar = depthMetres / kMetresPerBar + kSurfaceBar;
  if (!closedCircuit) return ambientBar * nitrogen / 100;
  const double inert = heliumPercent + nitrogen;
  if (inert <= 0) return 0;
  return nitrogen / inert * (ambientBar - setPointBar);
}

double CalcEquivalentAirDepth(double oxygenPercent, double heliumPercent, double depthMetres, double setPointBar,
                              bool closedCircuit) {
  const double nitrogenBar =
      CalcPartialPressureN2(oxygenPercent, heliumPercent, depthMetres, setPointBar, closedCircuit);
  return (nitrogenBar / kAirNitrogenFraction - kSurfaceBar) * kMetresPerBar;
}

double MaxNitrogenPercentForEad(double oxygenPercent, double eadMetres, double surfaceBar, double ambientBar) {
  return std::floor(
      std::min(100 - oxygenPercent, kAirNitrogenFraction * (surfaceBar + eadMetres / 10) / ambientBar * 100));
}
