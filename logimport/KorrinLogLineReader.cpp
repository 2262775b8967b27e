#include "logimport/KorrinLogLineReader.h"

#include <algorithm>
#include <cstdint>

#include "logimport/LogLineFields.h"

namespace {

constexpr int kDiveOpening = 0;
constexpr int kDiveStart = 3;
constexpr int kDiveEnd = 8;
constexpr int kDiveClosing = 127;
constexpr int kResurfaceWordBelow = 120;

bool IsIn(int type, int first, int last) { return type >= first && type <= last; }

// A pressure that can stand for the surface, else the log's own.
double SurfaceOr(double mbar, const CKorrinLog& log) { return mbar >= 600 && mbar <= 1080 ? mbar : log.GetAtmosphericPressure(); }

}  // namespace

bool CKorrinLogLineReader::Dispatch(int lineType, std::string_view line) {
  if (!DispatchShared(lineType, line)) {
    if (log_.timeStamped_) {
      DispatchTimeStamped(lineType, line);
    } else {
      DispatchPlain(lineType, line);
    }
  }
  return !solenoidsFull_ && log_.samples_.size() <= CKorrinLog::kMaxSamples && log_.dives_.size() <= CKorrinLog::kMaxDives;
}

int CKorrinLogLineReader::GetDiveEndTime() const {
  if (endMatched_) return matchedEndTimeSec_;
  const auto& samples = log_.samples_;
  const auto last = std::find_if(samples.rbegin(), samples.rend(), [](const auto& sample) { return sample->IsInsideDive(); });
  return last == samples.rend() ? 0 : (*last)->GetTime();
}

CKorrinLogPreDive& CKorrinLogLineReader::NewDive(std::string_view line) {
  auto dive = std::make_unique<CKorrinLogPreDive>();
  dive->SetFirmwareVersion(log_.firmwareNumber_);
  dive->SetTimeStamped(log_.timeStamped_);
  dive->Parse(kDiveOpening, line);
  dive->diveState = static_cast<unsigned char>(diveState_);
  dive_ = dive.get();
  log_.dives_.push_back(std::move(dive));
  type6SinceDive_ = 0;
  type20SinceDive_ = false;
  return *dive_;
}

CKorrinLogSample& CKorrinLogLineReader::NewSample() {
  auto sample = std::make_unique<CKorrinLogSample>();
  sample->SetFirmwareVersion(log_.firmwareNumber_);
  sample->SetTimeStamped(log_.timeStamped_);
  sample->SetDiveOpen(diveOpen_);
  sample_ = sample.get();
  log_.samples_.push_back(std::move(sample));
  return *sample_;
}

CKorrinLogSample& CKorrinLogLineReader::MakeTimeStampedSample(double lineTimeSec, std::string_view mainLine) {
  CKorrinLogSample& sample = NewSample();
  timeSec_ = WholeSeconds(lineTimeSec);
  sample.ParseExtended(20, caches_[k20]);
  sample.Parse(timeSec_, mainLine);
  for (const auto& [type, cache] : {std::pair{9, k9}, {10, k10}, {12, k12}, {13, k13}, {64, k64}}) {
    sample.ParseExtended(type, caches_[cache]);
  }
  sample.SetSurfacePressure(log_.surfacePressureMbar_);
  sample.diveMark = inDive_ ? 1 : 0;
  return sample;
}

CKorrinLogSample& CKorrinLogLineReader::MakePlainSample(int timeSec, std::string_view mainLine,
                                                         std::optional<double> ambientMbar) {
  CKorrinLogSample& sample = NewSample();
  sample.ParseExtended(4, caches_[k4]);
  sample.ParseExtended(7, caches_[k7]);
  sample.Parse(timeSec, mainLine);
  if (ambientMbar) sample.SetAmbientPressure(*ambientMbar);
  for (const auto& [type, cache] : {std::pair{9, k9}, {10, k10}, {25, k25}, {26, k26}, {12, k12}, {13, k13}, {64, k64}}) {
    sample.ParseExtended(type, caches_[cache]);
  }
  sample.SetSurfacePressure(log_.surfacePressureMbar_);
  inDiveCarry_ = sample.UpdateDiveState(inDiveCarry_);
  sample.SetSampleInterval(log_.GetSampleInterval());
  return sample;
}

std::optional<double> CKorrinLogLineReader::PreviousAmbient() const {
  if (log_.samples_.empty()) return std::nullopt;
  return log_.samples_.back()->GetAmbientPressure();
}

void CKorrinLogLineReader::ParseDive(int lineType, std::string_view line) {
  if (dive_) dive_->Parse(lineType, line);
}

void CKorrinLogLineReader::ParseSampleExtended(int lineType, std::string_view line, Cache cache) {
  if (sample_) sample_->ParseExtended(lineType, line);
  caches_[cache] = line;
}

void CKorrinLogLineReader::Rebase(const CLogDateTime& date, double stamp, double& lineTimeSec) {
  if (!dive_ || !dive_->GetOpening().time.IsValid()) return;
  const std::optional<int> seconds = FitInt(firstDiveDate_.SecondsUntil(date));
  if (!seconds) return;
  timeBaseSec_ = *seconds - stamp;
  lineTimeSec = *seconds;
}

bool CKorrinLogLineReader::DispatchShared(int lineType, std::string_view line) {
  switch (lineType) {
    case 1:
    case 2:
      ParseDive(lineType, line);
      if (!diveOpen_) log_.ReadSurfacePressure(lineType, line);
      return true;
    case 9:
      ParseSampleExtended(lineType, line, k9);
      log_.gasList_.Parse(lineType, line);
      return true;
    case 10: ParseSampleExtended(lineType, line, k10); return true;
    case 12: ParseSampleExtended(lineType, line, k12); return true;
    case 13: ParseSampleExtended(lineType, line, k13); return true;
    case 64: ParseSampleExtended(lineType, line, k64); return true;
    case 19: ParseDive(lineType, line); return true;
    default: break;
  }
  if (IsIn(lineType, 128, 142)) {
    log_.header_.Parse(lineType, line);
  } else if (IsIn(lineType, 160, 172)) {
    log_.gasList_.Parse(lineType, line);
  } else {
    return false;
  }
  return true;
}

void CKorrinLogLineReader::DispatchTimeStamped(int lineType, std::string_view line) {
  const double stamp = logline::Stamp(line);
  double lineTimeSec = stamp + timeBaseSec_;
  switch (lineType) {
    case kDiveOpening: {
      const CKorrinLogPreDive& dive = NewDive(line);
      if (!started_) {
        // The first dive's opening line is the origin of the time line.
        started_ = true;
        timeBaseSec_ = -stamp;
        firstDiveDate_ = dive.GetOpening().time;
      } else {
        Rebase(dive.GetOpening().time, stamp, lineTimeSec);
        MakeTimeStampedSample(lineTimeSec, caches_[k6]).diveMark = 1;
      }
      inDive_ = true;
      break;
    }
    case kDiveStart:
      if (diveState_ == 0) {
        diveState_ = 1;
        diveOpen_ = true;
        ParseDive(lineType, line);
        const int id = logline::Word(line, 10);
        if (diveId_ == -1) diveId_ = id;
        if (id == diveId_) {
          log_.diveStartTimeSec_ = timeSec_;
          log_.ReadDiveStartDate(lineType, line);
          endMatched_ = false;
          log_.ReadSurfacePressure(lineType, line);
        }
      }
      MakeTimeStampedSample(lineTimeSec, caches_[k6]);
      break;
    case 6:
      MakeTimeStampedSample(lineTimeSec, line);
      if (dive_ && type6SinceDive_ == 0) {
        dive_->Parse(lineType, line);
        type6SinceDive_ = 1;
      }
      caches_[k6] = line;
      break;
    case kDiveEnd:
      if (!dive_) break;
      dive_->Parse(lineType, line);
      MakeTimeStampedSample(lineTimeSec, caches_[k6]);
      if (logline::Word(line, 10) == diveId_) {
        dive_->endTimeSec = timeSec_;
        matchedEndTimeSec_ = timeSec_;
        endMatched_ = true;
        if (logline::Word(line, 28) >= kResurfaceWordBelow) {
          diveState_ = 2;
        } else if (diveState_ == 1) {
          diveState_ = 0;
        }
      }
      diveOpen_ = false;
      break;
    case 20:
      ParseSampleExtended(lineType, line, k20);
      if (dive_ && !type20SinceDive_) {
        dive_->Parse(lineType, line);
        type20SinceDive_ = true;
      }
      break;
    case 28:
    case 29: {
      if (dive_) Rebase(logline::DateTime(line, 10), stamp, lineTimeSec);
      CKorrinLogSample& sample = MakeTimeStampedSample(lineTimeSec, caches_[k6]);
      (lineType == 28 ? sample.mark28 : sample.mark29) = 1;
      break;
    }
    case 50:
      solenoidsFull_ = !log_.AddSolenoidSamples(lineType, line, lineTimeSec) || solenoidsFull_;
      break;
    case kDiveClosing:
      ParseDive(lineType, line);
      inDive_ = false;
      MakeTimeStampedSample(lineTimeSec, caches_[k6]).diveMark = 0;
      break;
    default:
      if (IsIn(lineType, 33, 38) && sample_) sample_->ParseExtended(lineType, line);
      break;
  }
}

void CKorrinLogLineReader::DispatchPlain(int lineType, std::string_view line) {
  switch (lineType) {
    case kDiveOpening: {
      CKorrinLogPreDive& dive = NewDive(line);
      dive.createdWhileOpen = diveOpen_;
      if (!diveOpen_) {
        // A new dive section: only the last dive's samples are kept.
        log_.ReadSampleInterval(lineType, line);
        log_.ReadLogDate(lineType, line);
        log_.DeleteAll();
        sample_ = nullptr;
        caches_ = {};
        timeSec_ = 0;
        inDiveCarry_ = 0;
      }
      break;
    }
    case 4:
    case 20:
      ParseSampleExtended(lineType, line, k4);
      if (type6SinceDive_ < 2) ParseDive(lineType, line);
      break;
    case 25:
      ParseSampleExtended(lineType, line, k25);
      log_.gasList_.Parse(lineType, line);
      break;
    case 26: ParseSampleExtended(lineType, line, k26); break;
    case 32:
    case 66:
    case kDiveClosing: ParseDive(lineType, line); break;
    case 27: {
      log_.ReadSampleInterval(lineType, line);
      const std::optional<int> seconds = FitInt(log_.logDate_.SecondsUntil(CKorrinLog::ReadSyncTime(line)));
      if (seconds) referenceTimeSec_ = seconds;
      break;
    }
    case 28:
    case 29:
      log_.ReadSampleInterval(lineType, line);
      if (sample_) (lineType == 28 ? sample_->mark28 : sample_->mark29) = 1;
      break;
    case 208: log_.danText_.ParseLine(line); break;
    default:
      if (IsIn(lineType, 3, 11)) {
        HandlePlainTime(lineType, line);
      } else if (IsIn(lineType, 48, 51)) {
        solenoidsFull_ = !log_.AddSolenoidSamples(lineType, line, timeSec_) || solenoidsFull_;
      }
      break;
  }
}

// The plain lines that move the running time and make samples: the dive's start (3), the
// sample line (6), the extra sample of a settings line (7), the dive's end (8) and a clock line
// (11).
void CKorrinLogLineReader::HandlePlainTime(int lineType, std::string_view line) {
  const int intervalSec = log_.GetSampleInterval();
  switch (lineType) {
    case kDiveStart:
      if (!diveOpen_) {
        diveOpen_ = true;
        ParseDive(lineType, line);
        if (dive_) {
          const std::optional<int> seconds = FitInt(dive_->GetOpening().time.SecondsUntil(dive_->GetStartTime()));
          if (seconds) timeSec_ = *seconds;
        }
        log_.diveStartTimeSec_ = timeSec_;
        log_.ReadDiveStartDate(lineType, line);
      }
      MakePlainSample(timeSec_, caches_[k6], log_.GetAtmosphericPressure());
      timeAlreadySet_ = true;
      break;
    case 6:
      if (!timeAlreadySet_) timeSec_ = WholeSeconds(static_cast<double>(timeSec_) + intervalSec);
      timeAlreadySet_ = false;
      MakePlainSample(timeSec_, line, std::nullopt);
      if (type6SinceDive_ == 0) ParseDive(lineType, line);
      type6SinceDive_ = std::min(type6SinceDive_ + 1, 2);
      caches_[k6] = line;
      if (interpolating_ && ++interpolationCount_ == 2) {
        interpolating_ = false;
        interpolationCount_ = 0;
      }
      break;
    case 7: {
      if (referenceTimeSec_ && !interpolating_) {
        interpolating_ = true;
        savedReferenceTimeSec_ = *referenceTimeSec_;
      }
      int sampleTimeSec = timeSec_;
      if (interpolating_) {
        const std::int64_t wanted = std::int64_t{*referenceTimeSec_} - std::int64_t{intervalSec} * interpolationCount_ -
                                    savedReferenceTimeSec_ + timeSec_;
        sampleTimeSec = WholeSeconds(static_cast<double>(std::clamp<std::int64_t>(wanted, timeSec_, std::int64_t{timeSec_} + intervalSec)));
      }
      MakePlainSample(sampleTimeSec, caches_[k6], PreviousAmbient());
      if (type6SinceDive_ < 2) ParseDive(lineType, line);
      caches_[k7] = line;
      break;
    }
    case kDiveEnd:
      if (dive_) {
        dive_->Parse(lineType, line);
        if (!log_.samples_.empty()) timeSec_ = log_.samples_.back()->GetTime();
        MakePlainSample(timeSec_, caches_[k6], SurfaceOr(dive_->GetLatestValue(), log_));
        dive_->endTimeSec = timeSec_;
        afterDive_ = true;
      }
      interpolating_ = false;
      interpolationCount_ = 0;
      referenceTimeSec_.reset();
      break;
    case 11: {
      if (!dive_) break;
      if (log_.firmwareFlagB_) log_.ReadSampleInterval(lineType, line);
      const CLogDateTime clock = CKorrinLog::ReadClockTime(line);
      if (!clock.IsValid()) break;
      if (!afterDive_) {
        if (const auto seconds = FitInt(log_.logDate_.SecondsUntil(clock))) timeSec_ = *seconds;
      } else if (const auto sinceEnd = dive_->GetEndTime().SecondsUntil(clock)) {
        if (const auto seconds = FitInt(*sinceEnd + dive_->endTimeSec)) timeSec_ = *seconds;
      }
      MakePlainSample(timeSec_, caches_[k6], PreviousAmbient());
      break;
    }
    default: break;
  }
}
