#pragma once
// The depth and duration axes of a table set: start, start + step, start + 2 × step ... up to
// the finish, and the finish itself when the last of them falls short of it.
#include <cstddef>
#include <vector>

#include "engine/GasSwitch.h"
#include "engine/PlanPoint.h"

// The finish reached by the steps within kSameDepthMetres is not added again.

// How many values the axis would hold, counted without making it; 0 when the step is not above
// 0, a value is no finite number or the start lies beyond the finish.
double DepthAxisLength(double startMetres, double finishMetres, double stepMetres);
double DurationAxisLength(int startMin, int finishMin, int stepMin);

// Empty also when the axis would hold more than maxValues values.
std::vector<double> BuildDepthAxis(double startMetres, double finishMetres, double stepMetres, std::size_t maxValues);
std::vector<int> BuildDurationAxis(int startMin, int finishMin, int stepMin, std::size_t maxValues);

// The one user point of the generated dive to an axis depth: the bottom for the duration, without
// a gas of its own (the switch lists give every gas). The depth the calculation reads back from
// it is the bottom that the checks follow.
CPlanPoint GeneratedBottomPoint(double depthMetres, int durationMin);
