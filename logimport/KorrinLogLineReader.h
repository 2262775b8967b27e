#pragma once
// The record pass of a dive-log load: hands each line to the dive, the current sample, the
// log's other records and the container's line handlers, makes the samples and keeps the log's
// time line. The time-stamped layout counts time from the line stamps, re-based at every dive and
// clock line; the plain layout counts sample intervals from each dive's start and keeps only the
// last dive's samples.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "logimport/KorrinLog.h"

class CKorrinLogLineReader {
 public:
  explicit CKorrinLogLineReader(CKorrinLog& log) : log_(log) {}

  // False when the log has grown past what the container holds.
  bool Dispatch(int lineType, std::string_view line);
  // The end of the logged dive: the time of a matching end line of the time-stamped layout,
  // else of the last sample taken inside the dive, else 0.
  int GetDiveEndTime() const;

 private:
  // The latest line of each type that samples take their extended readings from.
  enum Cache { k4, k6, k7, k9, k10, k12, k13, k20, k25, k26, k64, kCacheCount };

  // The lines both layouts read alike; false for any other.
  bool DispatchShared(int lineType, std::string_view line);
  void DispatchTimeStamped(int lineType, std::string_view line);
  void DispatchPlain(int lineType, std::string_view line);
  void HandlePlainTime(int lineType, std::string_view line);
  CKorrinLogPreDive& NewDive(std::string_view line);
  CKorrinLogSample& NewSample();
  CKorrinLogSample& MakeTimeStampedSample(double lineTimeSec, std::string_view mainLine);
  CKorrinLogSample& MakePlainSample(int timeSec, std::string_view mainLine, std::optional<double> ambientMbar);
  // The ambient pressure of the sample before the next one, if any.
  std::optional<double> PreviousAmbient() const;
  void ParseDive(int lineType, std::string_view line);
  void ParseSampleExtended(int lineType, std::string_view line, Cache cache);
  // Moves the time line so that the line stamped `stamp` sits at the seconds from the first
  // dive's date-time to `date`; nothing when a date-time is invalid or the seconds do not fit.
  void Rebase(const CLogDateTime& date, double stamp, double& lineTimeSec);

  CKorrinLog& log_;
  CKorrinLogPreDive* dive_ = nullptr;
  CKorrinLogSample* sample_ = nullptr;
  std::array<std::string, kCacheCount> caches_;
  bool diveOpen_ = false;
  bool inDive_ = false;
  bool started_ = false;
  int diveState_ = 0;  // 0 before a dive, 1 in it, 2 when no further dive start is taken
  int diveId_ = -1;
  int type6SinceDive_ = 0;  // counted up to 2
  bool type20SinceDive_ = false;
  double timeBaseSec_ = 0;
  CLogDateTime firstDiveDate_ = CLogDateTime::Zero();
  bool endMatched_ = false;
  int matchedEndTimeSec_ = 0;
  bool afterDive_ = false;
  int timeSec_ = 0;  // the running time T
  bool timeAlreadySet_ = false;
  bool interpolating_ = false;
  int interpolationCount_ = 0;
  std::optional<int> referenceTimeSec_;
  int savedReferenceTimeSec_ = 0;
  unsigned char inDiveCarry_ = 0;
  bool solenoidsFull_ = false;
};
