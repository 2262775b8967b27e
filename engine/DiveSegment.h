#pragma once
// The printed rows of a calculated dive, and the warnings each gas of it caused.
#include <string>

#include "engine/Gas.h"

enum DiveSegmentType {
  kSegmentPrinted = 0,
  kSegmentTravel = 1,
  kSegmentBottomDepth = 2,
  kSegmentAscent = 3,
  kSegmentFirstAscent = 4,
  kSegmentAscentToSurface = 5,
  kSegmentDecoStop = 6,
  kSegmentGasSwitch = 7,
};

class CDiveSegment {
 public:
  CDiveSegment() = default;
  CDiveSegment(double depthMetres, int durationSec, int type, int runTimeSec, double oxygenPercent,
               double heliumPercent, double setPointBar, bool closedCircuit, int warningBits, bool noClearSurface);

  int GetType() const { return type; }
  // "Travel", "BottomDepth", "Ascent", "First Ascent", "Deco Stop", "Gas Switch"; empty for
  // printed segments, the ascent to the surface and unknown types.
  static const char* GetTypeName(int type);

  int runTimeSec = 0;  // end time of the segment
  int durationSec = 0;
  int type = kSegmentPrinted;
  int warningBits = 0;  // union of the step warning bits over the segment
  double oxygenPercent = 0;
  double heliumPercent = 0;
  double depthMetres = 0;
  double setPointBar = 0;
  bool closedCircuit = false;
  bool noClearSurface = false;
};

// The warnings one gas of a dive caused, one entry per gas.
class CDiveGasWarning {
 public:
  // The gas's long name, then "~" and each non-empty text in the order counter-diffusion, EAD,
  // high O2, low O2.
  std::string GetText() const;

  CGas gas;
  std::string lowO2Text;
  std::string highO2Text;
  std::string eadText;
  std::string counterDiffusionText;
};
