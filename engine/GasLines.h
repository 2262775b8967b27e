#pragma once
// What a breathing gas gives at a depth, as straight lines of the gauge depth in millibar: the
// calculation works these out once for each leg of a dive instead of once per second.

struct DepthLine {
  double offset = 0;
  double slope = 0;
  double At(double depthMbar) const { return offset + slope * depthMbar; }
};

struct GasLines {
  DepthLine ppo2Bar;               // flat at the set-point on closed circuit
  DepthLine eadMetres;             // may run below 0
  DepthLine inspiredNitrogenMbar;  // may run below 0
  DepthLine inspiredHeliumMbar;
};

// The equivalent air depth (m) of a gas: on open circuit against 1 bar at the surface, on closed
// circuit against surfaceBar and the set-point ppo2Bar. A diluent without inert gas has no
// nitrogen.
DepthLine EadLine(double oxygenPercent, double heliumPercent, double surfaceBar, double ppo2Bar, bool closedCircuit);

// Every line of a gas at a model surface pressure (mbar). On closed circuit the diluent's inert
// gases share what the set-point and water vapour leave.
GasLines MakeGasLines(double oxygenPercent, double heliumPercent, bool closedCircuit, double setPointBar,
                      double surfaceMbar, double waterVapourMbar);
