#include "engine/PlanPoint.h"

#include <algorithm>

CPlanPoint::CPlanPoint(int durationSec, double depthMbar, bool closedCircuit, double oxygenPercent,
                       double heliumPercent, double setPointBar, bool noClearSurface, bool presetTensions)
    : depthMbar(depthMbar),
      setPointBar(setPointBar),
      oxygenPercent(oxygenPercent),
      heliumPercent(heliumPercent),
      durationSec(durationSec),
      closedCircuit(closedCircuit),
      noClearSurface(noClearSurface),
      presetTensions(presetTensions) {}

double CPlanPoint::GetDepth() const { return std::max(depthMbar / 100, 0.0); }

const char* CPlanPoint::GetTypeName() const {
  static constexpr const char* kNames[] = {"None", "Descent", "Planned", "Ascent", "Deco Ascent", "Deco"};
  if (type < kPointNone || type > kPointDeco) return "Invalid";
  return kNames[type];
}
