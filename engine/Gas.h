#pragma once
// Breathing gases, partial pressures and the factors by which metric values are shown in
// imperial units.
#include <string>
#include <string_view>

// Size of every per-dive gas array (gas usage, gas switches, travel and deco ranges) and the
// most gas switches a bailout may use.
inline constexpr int NO_OF_GAS_MIXES = 12;

// The "General\Units" setting.
enum class UnitSystem { kMetric = 0, kImperial = 1 };

// The share of nitrogen in air, against which equivalent air depths are taken.
inline constexpr double kAirNitrogenFraction = 0.79;

// Display factors. They are not exact reciprocals of one another and are used as they stand.
inline constexpr double kFeetPerMetre = 3.2568;
inline constexpr double kMetresPerFoot = 0.30705;
inline constexpr double kPsiPerBar = 14.50377;
inline constexpr double kBarPerPsi = 0.06894757;
inline constexpr double kCubicFeetPerLitre = 0.03531467;
inline constexpr double kLitresPerCubicFoot = 28.31685;

class CGas {
 public:
  static constexpr double kMinimumOxygenPercent = 5;
  static constexpr double kMaximumHeliumPercent = 99;

  CGas() = default;
  CGas(const CGas&) = default;
  CGas& operator=(const CGas&) = default;
  virtual ~CGas() = default;

  // Rejects (valid := false, percentages kept) a mix above 100 %, oxygen below 5 %, helium
  // below 0 % or above 99 %, and values that are not numbers.
  bool SetMix(double oxygenPercent, double heliumPercent);
  // Unchecked setters for a gas the caller knows to be sound; they mark the gas valid.
  bool SetOxygen(double oxygenPercent);
  bool SetHelium(double heliumPercent);
  void SetAir();

  // Reads "Air", "Oxygen" (any case), "32%", "32% Nitrox" or "21/35". A failed parse keeps the
  // percentages but clears the valid flag.
  bool Parse(std::string_view text);
  // Short form "21/35" (empty when invalid); long form "Air", "Oxygen", "Helium",
  // "32% Nitrox", "18/45" or "Invalid".
  std::string GetName(bool shortForm) const;

  double GetOxygen() const { return oxygen_; }
  double GetHelium() const { return helium_; }
  double GetNitrogen() const { return nitrogen_; }
  bool IsValid() const { return valid_; }

 private:
  void StoreMix(double oxygenPercent, double heliumPercent);

  double oxygen_ = 0;
  double helium_ = 0;
  double nitrogen_ = 0;
  bool valid_ = false;
};

// The long name of a mix (see CGas::GetName); "Invalid" for a mix SetMix refuses.
std::string MixName(double oxygenPercent, double heliumPercent);

// Partial pressures in bar at a depth in metres, 10 m of water per bar and 1 bar at the surface.
double CalcPartialPressureO2(double oxygenPercent, double depthMetres);
// On closed circuit the diluent's inert share of what the set-point leaves; 0 for a diluent
// without inert gas.
double CalcPartialPressureN2(double oxygenPercent, double heliumPercent, double depthMetres, double setPointBar,
                             bool closedCircuit);
// Equivalent air depth in metres; negative where the nitrogen pressure is below the surface's.
double CalcEquivalentAirDepth(double oxygenPercent, double heliumPercent, double depthMetres, double setPointBar,
                              bool closedCircuit);
// The most nitrogen, in whole percent and no more than oxygenPercent leaves, that a gas breathed
// at ambientBar may hold while its equivalent air depth against surfaceBar stays within eadMetres.
double MaxNitrogenPercentForEad(double oxygenPercent, double eadMetres, double surfaceBar, double ambientBar);
