#include "engine/DiveSegment.h"

CDiveSegment::CDiveSegment(double depthMetres, int durationSec, int type, int runTimeSec, double oxygenPercent,
                           double heliumPercent, double setPointBar, bool closedCircuit, int warningBits,
                           bool noClearSurface)
    : runTimeSec(runTimeSec),
      durationSec(durationSec),
      type(type),
      warningBits(warningBits),
      oxygenPercent(oxygenPercent),
      heliumPercent(heliumPercent),
      depthMetres(depthMetres),
      setPointBar(setPointBar),
      closedCircuit(closedCircuit),
      noClearSurface(noClearSurface) {}

const char* CDiveSegment::GetTypeName(int type) {
  switch (type) {
    case kSegmentTravel: return "Travel";
    case kSegmentBottomDepth: return "BottomDepth";
    case kSegmentAscent: return "Ascent";
    case kSegmentFirstAscent: return "First Ascent";
    case kSegmentDecoStop: return "Deco Stop";
    case kSegmentGasSwitch: return "Gas Switch";
    default: return "";
  }
}

std::string CDiveGasWarning::GetText() const {
  std::string text = gas.GetName(false);
  for (const std::string* part : {&counterDiffusionText, &eadText, &highO2Text, &lowO2Text}) {
    if (!part->empty()) text += "~" + *part;
  }
  return text;
}
