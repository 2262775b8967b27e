#pragma once
// What the Details window shows of one profile step: its read-outs and the loading of each
// tissue compartment as a percentage of its surfacing limit at GF High.
#include <array>
#include <string>
#include <vector>

#include "engine/Gas.h"
#include "engine/PredictionPoint.h"
#include "engine/Zhl16Coefficients.h"
#include "views/core/GraphModel.h"

namespace views {

// The values of the step the main window shows; everything but the time is meaningless while
// hasData is false.
struct DetailsValues {
  int stepTimeSec = 0;
  bool closedCircuit = false;
  double surfacePressureMbar = 0;
  double decoSurfacePressureMbar = 0;  // the model's surface: the surface pressure less its offset
  double depthMetres = 0;
  double ceilingMetres = 0;
  double maxCeilingMetres = 0;
  double pigtMbar = 0;
  double maxPigtMbar = 0;
  double cns = 0;  // fraction, 1 = 100 %
  double otu = 0;
  CompartmentValues nitrogenMbar{};
  CompartmentValues heliumMbar{};
  double ppo2Bar = 0;
  double inspiredNitrogenMbar = 0;
  double inspiredHeliumMbar = 0;
  double gradientFactor = 0;  // fraction
  double gfHighPercent = 0;
  double oxygenPercent = 0;
  double heliumPercent = 0;
  bool hasData = false;
};

using CompartmentCoefficients = std::array<Zhl16Compartment, kCompartmentCount>;

// The coefficients of one variant of the process's table (0 ZH-L16A, 1 ZH-L16C, 2 custom).
CompartmentCoefficients LoadCompartmentCoefficients(int coefficientSet);

// One compartment's inert tension as a percentage of the tension it may surface with at GF High
// (a and b weighted by the helium and nitrogen tensions), and the nitrogen part of it. A
// compartment without inert gas, or whose coefficients give no limit, loads 0 %.
struct CompartmentLoading {
  double totalPercent = 0;
  double nitrogenPercent = 0;
};
std::array<CompartmentLoading, kCompartmentCount> CompartmentLoadings(const DetailsValues& values,
                                                                     const CompartmentCoefficients& coefficients);

// One label and value of the read-out panel: four columns of up to four rows.
struct DetailsReadout {
  int column = 0;
  int row = 0;
  std::string label;
  std::string value;
  int valueOffset = 0;  // from the column's left edge
};
std::vector<DetailsReadout> DetailsReadouts(const DetailsValues& values, UnitSystem units);

inline constexpr Rgb kHeliumBarColour{255, 0, 255};
inline constexpr Rgb kNitrogenBarColour{0, 255, 255};

// The compartment chart: 17 X ticks with the compartments at 1 to 16, 0 to 200 % in four
// ticks, the nitrogen bars drawn over the whole ones.
void SetUpCompartmentGraph(GraphModel& graph);
// The bars of the step; without data empty axes up to 1000 %.
void FillCompartmentGraph(GraphModel& graph, const DetailsValues& values, const CompartmentCoefficients& coefficients);

}  // namespace views
