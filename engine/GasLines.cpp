#include "engine/GasLines.h"

#include "engine/Gas.h"

namespace {

// fraction x (depth + dryOffset)
DepthLine ShareOf(double fraction, double dryOffsetMbar) { return {fraction * dryOffsetMbar, fraction}; }

}  // namespace

DepthLine EadLine(double oxygenPercent, double heliumPercent, double surfaceBar, double ppo2Bar, bool closedCircuit) {
  // Nitrogen pressure (bar) = share x (depth / 1000 + base); EAD = (pN2 / 0.79 - 1) x 10.
  const double nitrogen = 100 - oxygenPercent - heliumPercent;
  double share = nitrogen / 100;
  double baseBar = 1;
  if (closedCircuit) {
    const double inert = nitrogen + heliumPercent;
    share = inert > 0 ? nitrogen / inert : 0;
    baseBar = surfaceBar - ppo2Bar;
  }
  return {(share * baseBar / kAirNitrogenFraction - 1) * 10, share / 1000 / kAirNitrogenFraction * 10};
}

GasLines MakeGasLines(double oxygenPercent, double heliumPercent, bool closedCircuit, double setPointBar,
                      double surfaceMbar, double waterVapourMbar) {
  GasLines lines;
  const double nitrogen = 100 - oxygenPercent - heliumPercent;
  double dryOffsetMbar = surfaceMbar - waterVapourMbar;
  double inert = 100;
  if (closedCircuit) {
    lines.ppo2Bar = {setPointBar, 0};
    dryOffsetMbar -= setPointBar * 1000;
    inert = nitrogen + heliumPercent;
  } else {
    const double perMbar = oxygenPercent / 100000;
    lines.ppo2Bar = {surfaceMbar * perMbar, perMbar};
  }
  lines.eadMetres = EadLine(oxygenPercent, heliumPercent, surfaceMbar / 1000, lines.ppo2Bar.offset, closedCircuit);
  if (inert > 0) {
    if (nitrogen > 0) lines.inspiredNitrogenMbar = ShareOf(nitrogen / inert, dryOffsetMbar);
    if (heliumPercent > 0) lines.inspiredHeliumMbar = ShareOf(heliumPercent / inert, dryOffsetMbar);
  }
  return lines;
}
