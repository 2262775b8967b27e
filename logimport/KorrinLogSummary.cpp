// The summary of a loaded log's main dive, kept in the log header.
#include <algorithm>
#include <cstdio>

#include "logimport/KorrinLog.h"

namespace {

constexpr std::int64_t kSecondsPerHour = 3600;

std::string HoursMinutesSeconds(std::int64_t seconds) {
  char text[48];
  std::snprintf(text, sizeof text, "%lld:%02d:%02d hh:mm:ss", static_cast<long long>(seconds / kSecondsPerHour),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return text;
}

std::string DurationText(std::optional<std::int64_t> seconds) {
  if (!seconds || *seconds < 0) return "Invalid";
  if (*seconds >= kSecondsPerHour) return HoursMinutesSeconds(*seconds);
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d mm:ss", static_cast<int>(*seconds / 60), static_cast<int>(*seconds % 60));
  return text;
}

std::string IntervalText(std::optional<std::int64_t> seconds) {
  if (!seconds || *seconds < 0) return "Invalid";
  if (*seconds >= 100 * kSecondsPerHour) return "> 99:59:59";
  return HoursMinutesSeconds(*seconds);
}

}  // namespace

void CKorrinLog::BuildSummary() {
  CKorrinLogHeader::Summary& summary = header_.EditSummary();
  summary = CKorrinLogHeader::Summary();
  if (dives_.empty()) return;

  // The dive before the first one opened inside a dive section, or that dive when it is the
  // first; else the last dive.
  const auto opened = std::find_if(dives_.begin(), dives_.end(), [](const auto& dive) { return dive->createdWhileOpen; });
  const auto chosen = opened == dives_.end() ? dives_.end() - 1 : opened == dives_.begin() ? opened : opened - 1;
  summary.diveIndex = static_cast<int>(chosen - dives_.begin());
  const CKorrinLogPreDive& dive = **chosen;

  const CLogDateTime& opening = dive.GetOpening().time;
  summary.start = dive.GetStartTime().IsValid() ? dive.GetStartTime() : opening;
  if (dive.WasLogged(127)) {
    summary.end = dive.GetClosing().time;
  } else if (dive.WasLogged(8)) {
    summary.end = dive.GetEndLine().time;
  } else if (!samples_.empty()) {
    // Sample times count from the opening line.
    summary.end = opening.PlusSeconds(samples_.back()->GetTime());
  }
  summary.durationText = DurationText(summary.start.SecondsUntil(summary.end));
  summary.intervalText = IntervalText(opening.SecondsUntil(summary.start));
  summary.spanAText = dive.GetSpanAText();
  summary.spanBText = dive.GetSpanBText();

  bool first = true;
  for (const auto& sample : samples_) {
    if (!sample->IsInsideDive()) continue;
    const SampleReadings& readings = sample->GetReadings();
    const double voted = readings.setA.voted;
    summary.maxDepthM = std::max(summary.maxDepthM, sample->GetDepth());
    summary.minVotedA = first ? voted : std::min(summary.minVotedA, voted);
    summary.maxVotedA = first ? voted : std::max(summary.maxVotedA, voted);
    summary.minGfLow = first ? sample->GetGfLow() : std::min(summary.minGfLow, sample->GetGfLow());
    summary.maxGfHigh = std::max(summary.maxGfHigh, sample->GetGfHigh());
    for (int bit = 0; bit < 16; ++bit) {
      const unsigned char status = bit < 8 ? readings.setA.status : readings.setB.status;
      if ((status >> (bit % 8) & 1) == 0) summary.statusBitEverClear[static_cast<std::size_t>(bit)] = true;
    }
    ++summary.diveSampleCount;
    first = false;
  }
}
