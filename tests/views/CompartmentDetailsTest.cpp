// The Details window's compartment loading against the surfacing limit at GF High.
#include <gtest/gtest.h>

#include "views/core/CompartmentDetails.h"

namespace views {
namespace {

TEST(CompartmentLoading, IsThePercentageOfTheGfHighSurfacingLimit) {
  DetailsValues values;
  values.hasData = true;
  values.decoSurfacePressureMbar = 1000;
  values.gfHighPercent = 80;
  CompartmentCoefficients coefficients{};
  for (Zhl16Compartment& c : coefficients) c = {5, 2, 1000, 0.5, 2000, 0.25};
  // Nitrogen only, a 1000 mbar, b 0.5, GF 0.8: limit 1000 x (1.6 - 0.8 + 1) + 800 = 2600 mbar.
  values.nitrogenMbar[0] = 2600;
  values.nitrogenMbar[1] = 1300;
  // Half helium at GF 0.8: a 1500, b 0.375; limit 1000 x (0.8 / 0.375 + 0.2) + 1200 = 3533.3.
  values.nitrogenMbar[2] = 1000;
  values.heliumMbar[2] = 1000;
  // No inert gas, and coefficients without b: empty bars.
  coefficients[4].nitrogenB = 0;
  values.nitrogenMbar[4] = 2000;
  const auto loadings = CompartmentLoadings(values, coefficients);
  EXPECT_DOUBLE_EQ(loadings[0].totalPercent, 100);
  EXPECT_DOUBLE_EQ(loadings[0].nitrogenPercent, 100);
  EXPECT_DOUBLE_EQ(loadings[1].totalPercent, 50);
  EXPECT_NEAR(loadings[2].totalPercent, 100 * 2000 / (1000 * (0.8 / 0.375 + 0.2) + 1200), 1e-9);
  EXPECT_NEAR(loadings[2].nitrogenPercent, loadings[2].totalPercent / 2, 1e-9);
  EXPECT_EQ(loadings[3].totalPercent, 0);
  EXPECT_EQ(loadings[4].totalPercent, 0);
  EXPECT_EQ(loadings[4].nitrogenPercent, 0);

  // The chart: helium bars (the whole loading) under the nitrogen bars, 0 to 200 %.
  GraphModel graph(kBarGraph);
  SetUpCompartmentGraph(graph);
  FillCompartmentGraph(graph, values, coefficients);
  ASSERT_EQ(graph.DataSets().size(), 2u);
  EXPECT_EQ(graph.DataSets()[0].GetName(), "Helium");
  EXPECT_EQ(graph.DataSets()[1].GetName(), "Nitrogen");
  EXPECT_EQ(graph.DataSets()[1].GetPointCount(), 16);
  EXPECT_EQ(graph.YAxis().max, 200);
  EXPECT_EQ(graph.XAxis().max, 17);
  values.hasData = false;
  FillCompartmentGraph(graph, values, coefficients);
  EXPECT_TRUE(graph.DataSets().empty());
  EXPECT_EQ(graph.YAxis().max, 1000);
}

TEST(CompartmentLoading, TheCoefficientSetChoosesThePublishedTable) {
  // Compartment 5's nitrogen a: 0.6667 bar in ZH-L16A, 0.6200 bar in ZH-L16C.
  EXPECT_DOUBLE_EQ(LoadCompartmentCoefficients(0)[4].nitrogenAMbar, 666.7);
  EXPECT_DOUBLE_EQ(LoadCompartmentCoefficients(1)[4].nitrogenAMbar, 620.0);
  EXPECT_DOUBLE_EQ(LoadCompartmentCoefficients(1)[15].heliumB, 0.9267);
}

}  // namespace
}  // namespace views
