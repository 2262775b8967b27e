#pragma once
// What a dive page gives its profile graph: the set-up once after making it, and after every
// calculation the banner flags and the data sets of its dive (depth profile, ceiling, warning
// bar, no-clear-surface legs, gas switches, a review dive's logged ceiling), ranged over.
#include "engine/DivePlan.h"
#include "views/core/GraphModel.h"

namespace views {

inline constexpr Rgb kCeilingColour{0, 255, 255};
inline constexpr Rgb kWarningBarColour{255, 0, 0};
inline constexpr Rgb kNoClearSurfaceColour{255, 160, 122};
inline constexpr Rgb kLoggedCeilingColour{250, 128, 114};
inline constexpr Rgb kDepthColour{0, 0, 0};

// Ranges 0-150 s and 0-5 (m or ft) that grow in whole steps of 150 s and 5, time along X,
// depth downwards, page behaviour, both axis titles.
void SetUpProfileGraph(GraphModel& graph, UnitSystem units, bool grid);
// The axis titles and units for the present units; data is drawn only for a page with a dive.
void SetProfileGraphLabels(GraphModel& graph, UnitSystem units, bool hasDive);
// Refills the graph from the dive (none: only the sets are removed). Without built points, or
// in bailout mode before a bailout plan exists, the graph keeps its ranges. The depth line, the
// gas switches and the no-clear-surface legs are drawn only for a calculation that completed;
// a planned dive whose calculation did not complete is marked failed.
void FeedProfileGraph(GraphModel& graph, const CDivePlan* dive, bool calculationPending, UnitSystem units);

}  // namespace views
