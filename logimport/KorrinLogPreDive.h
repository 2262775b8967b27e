#pragma once
// One dive's header lines as the dive computer logged them before, at the start and at the end
// of the dive: the opening line (0), lines 1, 2, 66 and 3, the pre-dive sample (lines 20, 4, 6
// and 7), the end line (8, withdrawn by line 19), the text line (32) and the closing line (127).
// A line of the wrong length for the layout, or of a type the record does not hold, changes
// nothing.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "logimport/KorrinLogReadings.h"
#include "logimport/LogDateTime.h"

class CKorrinLogPreDive {
 public:
  struct Opening {
    double stamp = 0;  // seconds
    CLogDateTime time;
    int totalA = 0, totalB = 0, totalC = 0;  // running totals, minutes
    int code = 0;
    int codeLegacy = 10;  // the code of firmware up to 5.0.39
    std::array<unsigned char, 8> bytes{};
    bool logged = false;
  };
  struct Line1 {
    std::array<unsigned char, 9> bytes{};
    double value = 0;
    double tenths = 0;
    unsigned char byte = 0;
    bool logged = false;
  };
  struct Line2 {
    double value = 0;
    double tenths = 0;
    double valueB = 0;
    std::array<double, 6> hundredths{};
    CLogDateTime time;
    unsigned char byte = 0;
    bool logged = false;
  };
  struct Line66 {
    unsigned char byte = 0;
    int decimalNumber = 0;
    int intValue = 0;
    double valueA = 0, valueB = 0;
    double tenths = 0;
    double valueC = 0;
    bool logged = false;
  };
  struct Line3 {
    int intValue = 0;
    int byte = 0;        // time-stamped layout
    int signedByte = 0;  // plain layout
    CLogDateTime diveStart;
    CLogDateTime diveEnd;
    bool logged = false;
  };
  struct PreDiveSample {
    SampleReadings readings;
    unsigned char byte14 = 0, byte18 = 0;
    bool quarterLineLogged = false;
    bool sampleLineLogged = false;
  };
  struct EndLine {
    CLogDateTime time;
    int durationSec = 0;
    double value = 0;
    int spanAMinutes = 0, spanBMinutes = 0;
    bool logged = false;
  };
  struct Closing {
    CLogDateTime time;
    int totalA = 0, totalB = 0, totalC = 0;
    int code = 0;
    bool logged = false;
  };

  void SetTimeStamped(bool timeStamped) { timeStamped_ = timeStamped; }
  // major × 1000000 + minor × 1000 + build; selects how the plain opening and line 7 read.
  void SetFirmwareVersion(int version);
  void Parse(int lineType, std::string_view line);

  // Whether the end line (8) or the closing line (127) was logged; false for other types.
  bool WasLogged(unsigned char lineType) const;
  // The end line's value, 0 when it is negative or the end line was not logged.
  double GetEndValue() const;
  // "Not logged" without an end line, else the span as total hours and minutes "%02d:%02d hh:mm".
  std::string GetSpanAText() const;
  std::string GetSpanBText() const;
  const CLogDateTime& GetStartTime() const { return line3_.diveStart; }
  const CLogDateTime& GetEndTime() const { return line3_.diveEnd; }
  // The value of line 1 or line 2, whichever came last.
  double GetLatestValue() const { return latestValue_; }

  const Opening& GetOpening() const { return opening_; }
  const Line1& GetLine1() const { return line1_; }
  const Line2& GetLine2() const { return line2_; }
  const Line66& GetLine66() const { return line66_; }
  const Line3& GetLine3() const { return line3_; }
  const PreDiveSample& GetPreDiveSample() const { return preDive_; }
  const EndLine& GetEndLine() const { return end_; }
  const Closing& GetClosing() const { return closing_; }
  const std::string& GetText() const { return text_; }
  int GetFirmwareVersion() const { return firmwareVersion_; }

  // Kept by the log container, never by the parser: the container's dive state when the record
  // was made, whether a dive section was open then, and the dive's end on the log's time line.
  unsigned char diveState = 0;
  bool createdWhileOpen = false;
  int endTimeSec = 0;

 private:
  void ParseOpening(std::string_view line);
  void ParseLine1(std::string_view line);
  void ParseLine2(std::string_view line);
  void ParseLine66(std::string_view line, std::size_t at);
  void ParseLine3(std::string_view line);
  void ParseLine7(std::string_view line);
  void ParseEnd(std::string_view line);
  void ParseText(std::string_view line);
  void ParseClosing(std::string_view line);
  std::string SpanText(int minutes) const;

  bool timeStamped_ = false;
  int firmwareVersion_ = 0;
  bool fwAbove5000039_ = false;
  bool fwAbove3009035_ = false;
  Opening opening_;
  Line1 line1_;
  Line2 line2_;
  Line66 line66_;
  double latestValue_ = 0;
  Line3 line3_;
  PreDiveSample preDive_;
  EndLine end_;
  std::string text_;
  Closing closing_;
};
