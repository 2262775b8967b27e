#pragma once
// Two small logged dives, record by record, for the log tests and the fuzz seeds.
#include <vector>

#include "tests/logimport/writers/TextLogWriter.h"

namespace testlog {

// A plain sample line at the ambient pressure with all cells of both sets at 1.20, 1.22, 1.30.
Bytes PlainSampleLine(int ambientMbar);

// The plain dive: opened 15/03/2024 10:00:00, surface pressure 1013 mbar, the sample interval
// in line 28, gradient factors 30/85, dive start 10:05:00, a settings line (21 % O2, 35 % He,
// fallback 0.80, the inside-dive bit), samples at 10, 20, 10 and 0 m, and the end line of 10:35.
std::vector<Bytes> PlainDive(int intervalSec = 10);

// A time-stamped dive: first opening line stamped 100 s (10:00:00), surface 1010 mbar, then
// 1012 at the dive start (id 7, stamped 160 s), line 13 (gradient factors 30/85, the
// inside-dive bit), line 12 (21 % O2, 35 % He), samples stamped 170, 180 and 190 s at 2012,
// 3012 and 2012 mbar (voted 1.21), the six compartment lines (nitrogen 1.0, helium 2.0), the
// end line of dive endId (resurfaced word 200), the closing line, and a second opening line
// stamped 50 s but dated 11:00:00 followed by a sample at 1012 mbar.
std::vector<Bytes> TimeStampedDive(int endId = 7);

}  // namespace testlog
