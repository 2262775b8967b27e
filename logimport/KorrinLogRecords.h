#pragma once
// The records a dive log carries besides its dives and samples: the log header (texts, position,
// a few values and flags of lines 128-141, and the summary of the log's main dive), the gas list
// (lines 9, 25 and 160-172) and the DAN text block (lines 208).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "logimport/LogDateTime.h"

class CKorrinLogHeader {
 public:
  struct Position {
    std::string letter;
    std::array<int, 3> values{};
  };
  // What BuildSummary of the log container gathers about the log's main dive.
  struct Summary {
    int diveIndex = -1;
    CLogDateTime start;
    CLogDateTime end;
    std::string durationText;
    std::string intervalText;  // from the opening line to the dive's start
    std::string spanAText, spanBText;
    double maxDepthM = 0;
    double minVotedA = 0, maxVotedA = 0;
    double minGfLow = 0, maxGfHigh = 0;
    std::array<bool, 16> statusBitEverClear{};  // bits of the status bytes of sensor sets A and B
    int diveSampleCount = 0;
  };

  CKorrinLogHeader() { Reset(); }
  void Reset();
  void Parse(int lineType, std::string_view line);

  // Texts 1-5 of lines 128-132 at indexes 0-4, texts 6 and 7 of lines 140 and 141 at 5 and 6.
  const std::array<std::string, 7>& GetTexts() const { return texts_; }
  const Position& GetLatitude() const { return latitude_; }
  const Position& GetLongitude() const { return longitude_; }
  const std::array<int, 4>& GetValues() const { return values_; }  // lines 134-137
  const std::array<int, 19>& GetFlags() const { return flags_; }   // line 139
  const Summary& GetSummary() const { return summary_; }
  Summary& EditSummary() { return summary_; }

 private:
  std::array<std::string, 7> texts_;
  Position latitude_;
  Position longitude_;
  std::array<int, 4> values_{};
  std::array<int, 19> flags_{};
  Summary summary_;
};

class CKorrinLogGasList {
 public:
  static constexpr int kGasCount = 12;
  struct GasMix {
    int o2Percent = 21;
    int hePercent = 0;
  };

  CKorrinLogGasList() { Reset(); }
  // Restores the defaults; keeps the layout flag.
  void Reset();
  void SetTimeStamped(bool timeStamped) { timeStamped_ = timeStamped; }
  void Parse(int lineType, std::string_view line);

  int GetFirstValue() const { return firstValue_; }
  const std::array<GasMix, kGasCount>& GetGases() const { return gases_; }
  const std::array<double, 5>& GetLine160Values() const { return line160Values_; }
  // Lines 161-172 share one set of values: the last such line read gives them.
  const std::array<double, 5>& GetLaterValues() const { return laterValues_; }

 private:
  void ReadGases(std::string_view line, std::size_t at, std::size_t first, std::size_t count);
  static void ReadValues(std::string_view line, std::array<double, 5>& values);

  bool timeStamped_ = false;
  int firstValue_ = 100;
  std::array<GasMix, kGasCount> gases_;
  std::array<double, 5> line160Values_{};
  std::array<double, 5> laterValues_{};
};

class CKorrinLogDanText {
 public:
  static constexpr int kSlotCount = 47;
  static constexpr int kNoSegment = 255;

  void Reset() { texts_ = {}; }
  // Stores the text of a line 208 in the slot of its segment and field number; a line shorter
  // than 14 characters, or one whose pair has no slot, is dropped.
  void ParseLine(std::string_view line);

  static std::string GetSegmentText(std::string_view line);
  // FSH 0, ZRH 1, ZPD 2, ZPA 3, ZDH 4, ZDP 5, ZDT 6, ZDD 7, ZSR 8, anything else kNoSegment.
  static int GetSegmentId(std::string_view segment);
  static int GetFieldNumber(std::string_view line);
  // The slot of a segment's field, or -1.
  static int SlotOf(int segmentId, int fieldNumber);

  const std::array<std::string, kSlotCount>& GetTexts() const { return texts_; }

 private:
  std::array<std::string, kSlotCount> texts_;
};
