#pragma once
// The depth and duration axes of a table set: start, start + step, start + 2 × step ... up to
// the finish, and the finish itself when the last of them falls short of it.
#include <cstddef>
#include <vector>

// Two depths closer than this are one depth: the finish reached within it by the steps is not
// added again (feet converted to metres rarely meet exactly).
inline constexpr double kSameDepthMetres = 0.001;

// How many values the axis would hold, counted without making it; 0 when the step is not above
// 0, a value is no finite number or the start lies beyond the finish.
double DepthAxisLength(double startMetres, double finishMetres, double stepMetres);
double DurationAxisLength(int startMin, int finishMin, int stepMin);

// Empty also when the axis would hold more than maxValues values.
std::vector<double> BuildDepthAxis(double startMetres, double finishMetres, double stepMetres, std::size_t maxValues);
std::vector<int> BuildDurationAxis(int startMin, int finishMin, int stepMin, std::size_t maxValues);
