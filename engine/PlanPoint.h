#pragma once
// One point or leg of a dive: what the user entered, what the calculation inserted, or a point
// read from a dive log.

// What a point is to the calculation.
enum PlanPointType {
  kPointNone = 0,
  kPointDescent = 1,
  kPointPlanned = 2,
  kPointAscent = 3,
  kPointDecoAscent = 4,
  kPointDeco = 5,
};

class CPlanPoint {
 public:
  CPlanPoint() = default;
  CPlanPoint(int durationSec, double depthMbar, bool closedCircuit, double oxygenPercent, double heliumPercent,
             double setPointBar, bool noClearSurface, bool presetTensions);

  void Copy(const CPlanPoint& other) {
    if (this != &other) *this = other;
  }

  // Metres, never below 0.
  double GetDepth() const;
  void SetDepth(double metres) { depthMbar = metres * 100; }
  // The last second the point covers: start + duration - 1, or the start for a point without
  // duration.
  int GetEndTime() const { return durationSec > 0 ? startSec + durationSec - 1 : startSec; }
  // "None", "Descent", "Planned", "Ascent", "Deco Ascent", "Deco"; "Invalid" for other values.
  const char* GetTypeName() const;
  // Same circuit and mix, and on closed circuit the same set-point.
  bool BreathesSameGasAs(const CPlanPoint& other) const {
    return closedCircuit == other.closedCircuit && oxygenPercent == other.oxygenPercent &&
           heliumPercent == other.heliumPercent && (!closedCircuit || setPointBar == other.setPointBar);
  }

  double depthMbar = 0;  // gauge pressure: metres x 100
  double setPointBar = 0.7;
  double loggedCeiling = 0;           // metres, review dives only
  double loggedGradientFactor = 0;    // percent, review dives only
  double oxygenPercent = 21.0;        // of the diluent on closed circuit
  double heliumPercent = 0;
  // Index of the working point a calculated point was made from; inserted points carry the
  // previous source + 0.01.
  double source = -1.0;
  int startSec = 0;
  int durationSec = 0;
  int gasSwitchIndex = -1;  // the bailout gas switch whose gas the point uses
  bool closedCircuit = true;
  bool noClearSurface = false;
  bool bailout = false;
  bool presetTensions = false;  // on a review dive this point's step takes the logged tensions
  int type = kPointNone;
};
