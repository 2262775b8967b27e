#pragma once
// The settings the dive and gas-consumption tables follow, and the texts both kinds of table
// share: depths, SAC rates, gradient factors, the dive number with its duration, and the footer.
#include <ctime>
#include <string>
#include <vector>

#include "engine/DiveSegment.h"
#include "engine/Gas.h"

namespace views {

struct TableSettings {
  UnitSystem units = UnitSystem::kMetric;
  bool minutesAndSeconds = false;  // "General\Time Units" not 0
  bool lastSegmentFirst = false;   // "General\Printing Direction" 1
  std::string diverId;
  std::string productVersion;  // "1.0.0.1"

  // The program's settings and its own version.
  static TableSettings FromProgram();
};

// Above these limits a header shows CNS (a fraction, 1.0 = 100 %) and OTU in red.
inline constexpr double kCnsLimit = 1.0;
inline constexpr double kOtuLimit = 300;
// OTU as a percentage of its limit.
inline double OtuPercent(double otu) { return otu / kOtuLimit * 100; }

// "%0.0fm", or "%0.0fft" in imperial units.
std::string DepthText(double metres, UnitSystem units);
// A depth in the units shown: metres, or feet.
double DisplayDepth(double metres, UnitSystem units);
// "SAC %0.0f (l/min)", or "SAC %0.1f (cu ft/min)" in imperial units.
std::string SacText(double litresPerMin, UnitSystem units);
// "GF<br>%2d/%2d" of the gradient factors truncated to whole percent.
std::string GradientFactorsText(double lowPercent, double highPercent);
// "GF%2.0f/%2.0f".
std::string BailoutGradientFactorsText(double lowPercent, double highPercent);
// The greatest depth of the segments; 0 without segments.
double GreatestDepth(const std::vector<CDiveSegment>& segments);
// "Dive d of n, Duration (hh:mm) h:mm" with the dive's index from 0 and its length in seconds;
// the minutes are rounded on the whole length, so that 3599 s is 1:00.
std::string DiveNumberText(int index, int diveCount, int lengthSec);
// The warnings of a segment's warning bits: "ICD Risk", "EAD", "High O2", "Low O2" in that order,
// joined by ", "; empty for none.
std::string SegmentWarningsText(int bits);
// The bold footer line: creation time, diver and program version.
std::string FooterText(const std::tm& created, const TableSettings& settings);

}  // namespace views
