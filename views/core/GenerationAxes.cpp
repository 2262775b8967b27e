#include "views/core/GenerationAxes.h"

#include <algorithm>
#include <cmath>

namespace {

bool CanBuild(double start, double finish, double step) {
  return std::isfinite(start) && std::isfinite(finish) && std::isfinite(step) && step > 0 && start <= finish;
}

// The steps of a depth axis that end within the finish.
double WholeDepthSteps(double startMetres, double finishMetres, double stepMetres) {
  return std::floor((finishMetres - startMetres + kSameDepthMetres) / stepMetres);
}

}  // namespace

double DepthAxisLength(double startMetres, double finishMetres, double stepMetres) {
  if (!CanBuild(startMetres, finishMetres, stepMetres)) return 0;
  const double steps = WholeDepthSteps(startMetres, finishMetres, stepMetres);
  const double last = std::min(startMetres + steps * stepMetres, finishMetres);
  return steps + 1 + (finishMetres - last > kSameDepthMetres ? 1 : 0);
}

double DurationAxisLength(int startMin, int finishMin, int stepMin) {
  if (!CanBuild(startMin, finishMin, stepMin)) return 0;
  const long long steps = (static_cast<long long>(finishMin) - startMin) / stepMin;
  return static_cast<double>(steps + 1 + (startMin + steps * stepMin < finishMin ? 1 : 0));
}

std::vector<double> BuildDepthAxis(double startMetres, double finishMetres, double stepMetres, std::size_t maxValues) {
  const double length = DepthAxisLength(startMetres, finishMetres, stepMetres);
  if (length == 0 || length > static_cast<double>(maxValues)) return {};
  std::vector<double> axis;
  const int steps = static_cast<int>(WholeDepthSteps(startMetres, finishMetres, stepMetres));
  for (int i = 0; i <= steps; ++i) axis.push_back(std::min(startMetres + i * stepMetres, finishMetres));
  if (finishMetres - axis.back() > kSameDepthMetres) axis.push_back(finishMetres);
  return axis;
}

std::vector<int> BuildDurationAxis(int startMin, int finishMin, int stepMin, std::size_t maxValues) {
  const double length = DurationAxisLength(startMin, finishMin, stepMin);
  if (length == 0 || length > static_cast<double>(maxValues)) return {};
  std::vector<int> axis;
  for (int duration = startMin; axis.size() + 1 < length; duration += stepMin) axis.push_back(duration);
  axis.push_back(finishMin);
  return axis;
}

CPlanPoint GeneratedBottomPoint(double depthMetres, int durationMin) {
  return CPlanPoint(durationMin * 60, depthMetres * 100, true, 0, 0, 0, false, false);
}
