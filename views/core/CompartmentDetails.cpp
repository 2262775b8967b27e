#include "views/core/CompartmentDetails.h"

#include <algorithm>
#include <cmath>

#include "engine/NumberText.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace views {
namespace {

constexpr int kValueOffset = 100;
constexpr int kWideValueOffset = 110;  // the third column's labels are longer

std::string DepthText(double metres, UnitSystem units) {
  return units == UnitSystem::kImperial ? FormatC("%.1f (ft)", metres * kFeetPerMetre) : FormatC("%.2f (m)", metres);
}

}  // namespace

CompartmentCoefficients LoadCompartmentCoefficients(int coefficientSet) {
  CompartmentCoefficients coefficients{};
  for (int i = 0; i < kCompartmentCount; ++i) {
    Zhl16Coefficients().GetCompartment(coefficientSet, i, coefficients[static_cast<std::size_t>(i)]);
  }
  return coefficients;
}

std::array<CompartmentLoading, kCompartmentCount> CompartmentLoadings(const DetailsValues& values,
                                                                     const CompartmentCoefficients& coefficients) {
  std::array<CompartmentLoading, kCompartmentCount> loadings{};
  const double gf = values.gfHighPercent / 100;
  for (std::size_t i = 0; i < loadings.size(); ++i) {
    const double nitrogen = values.nitrogenMbar[i];
    const double helium = values.heliumMbar[i];
    const double inert = nitrogen + helium;
    if (!(inert > 0)) continue;
    const Zhl16Compartment& c = coefficients[i];
    const double a = (helium * c.heliumAMbar + nitrogen * c.nitrogenAMbar) / inert;
    const double b = (helium * c.heliumB + nitrogen * c.nitrogenB) / inert;
    if (!(b > 0)) continue;
    const double limit = values.decoSurfacePressureMbar * (gf / b - gf + 1) + a * gf;
    if (!(limit > 0)) continue;
    const double total = 100 * inert / limit;
    if (!std::isfinite(total)) continue;
    loadings[i] = {total, total * nitrogen / inert};
  }
  return loadings;
}

std::vector<DetailsReadout> DetailsReadouts(const DetailsValues& values, UnitSystem units) {
  const bool data = values.hasData;
  auto shown = [data](std::string text) { return data ? text : std::string(); };
  const int time = std::max(0, values.stepTimeSec);
  return {
      {0, 0, ResourceString(IDS_GRAPH_TIME), FormatC("%2d:%02d (mm:ss)", time / 60, time % 60), kValueOffset},
      {0, 1, ResourceString(IDS_GRAPH_DETAILS_DEPTH), shown(DepthText(values.depthMetres, units)), kValueOffset},
      {0, 2, ResourceString(IDS_GRAPH_CEILING), shown(DepthText(values.ceilingMetres, units)), kValueOffset},
      {0, 3, ResourceString(IDS_GRAPH_MAX_CEILING), shown(DepthText(values.maxCeilingMetres, units)), kValueOffset},
      {1, 0, ResourceString(values.closedCircuit ? IDS_GRAPH_DILUENT : IDS_GRAPH_GAS),
       shown(MixName(values.oxygenPercent, values.heliumPercent)), kValueOffset},
      {1, 1, ResourceString(IDS_GRAPH_PPO2), shown(FormatC("%.2f", values.ppo2Bar)), kValueOffset},
      {1, 2, ResourceString(IDS_GRAPH_INSPIRED_NITROGEN), shown(FormatC("%.1f (mBar)", values.inspiredNitrogenMbar)),
       kValueOffset},
      {1, 3, ResourceString(IDS_GRAPH_INSPIRED_HELIUM), shown(FormatC("%.1f (mBar)", values.inspiredHeliumMbar)),
       kValueOffset},
      {2, 0, ResourceString(IDS_GRAPH_CNS), shown(FormatC("%.1f%%", values.cns * 100)), kWideValueOffset},
      {2, 1, ResourceString(IDS_GRAPH_OTU), shown(FormatC("%.1f%%", values.otu / 300 * 100)), kWideValueOffset},
      {2, 2, ResourceString(IDS_GRAPH_GRADIENT_FACTOR),
       shown(FormatC("%d", static_cast<int>(std::clamp(values.gradientFactor * 100, -1e6, 1e6)))), kWideValueOffset},
      {3, 0, ResourceString(IDS_GRAPH_PIGT), shown(FormatC("%0.1f (mBar)", values.pigtMbar)), kValueOffset},
      {3, 1, ResourceString(IDS_GRAPH_MAX_PIGT), shown(FormatC("%0.1f (mBar)", values.maxPigtMbar)), kValueOffset},
  };
}

void SetUpCompartmentGraph(GraphModel& graph) {
  graph.SetTickCounts(kCompartmentCount + 1, 4);
  graph.SetDecimals(0, 0);
  graph.SetOverlaidBars(true);
  graph.SetShowGrid(true);
  graph.SetYAxisLabel("%");
  graph.SetShowYAxisLabel(true);
}

void FillCompartmentGraph(GraphModel& graph, const DetailsValues& values, const CompartmentCoefficients& coefficients) {
  graph.RemoveAllDataSets();
  graph.SetXRange(0, kCompartmentCount + 1);
  if (!values.hasData) {
    graph.SetYRange(0, 1000);
    return;
  }
  const auto loadings = CompartmentLoadings(values, coefficients);
  graph.AddDataSet();
  graph.SetDataSetName(ResourceString(IDS_GRAPH_HELIUM));
  graph.SetDataSetColour(kHeliumBarColour);
  for (int i = 0; i < kCompartmentCount; ++i) graph.AddPoint(i, loadings[static_cast<std::size_t>(i)].totalPercent);
  graph.AddDataSet();
  graph.SetDataSetName(ResourceString(IDS_GRAPH_NITROGEN));
  graph.SetDataSetColour(kNitrogenBarColour);
  for (int i = 0; i < kCompartmentCount; ++i) graph.AddPoint(i, loadings[static_cast<std::size_t>(i)].nitrogenPercent);
  graph.SetYRange(0, 200);
}

}  // namespace views
