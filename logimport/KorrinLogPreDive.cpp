#include "logimport/KorrinLogPreDive.h"

#include <cstdio>

#include "logimport/LogLineFields.h"

using logline::Byte;
using logline::Hex;
using logline::Word;

void CKorrinLogPreDive::SetFirmwareVersion(int version) {
  firmwareVersion_ = version;
  fwAbove5000039_ = version > 5000039;
  fwAbove3009035_ = version > 3009035;
}

void CKorrinLogPreDive::Parse(int lineType, std::string_view line) {
  if (line.size() != (timeStamped_ ? logline::kTimeStampedLength : logline::kPlainLength)) return;
  const bool plain = !timeStamped_;
  switch (lineType) {
    case 0: ParseOpening(line); break;
    case 1: ParseLine1(line); break;
    case 2: ParseLine2(line); break;
    case 3: ParseLine3(line); break;
    case 4:
      if (plain) {
        ReadQuarterLine(line, false, preDive_.readings);
        preDive_.quarterLineLogged = true;
      }
      break;
    case 20:
      ReadQuarterLine(line, timeStamped_, preDive_.readings);
      preDive_.quarterLineLogged = true;
      break;
    case 6:
      ReadSampleLine(line, timeStamped_, preDive_.readings);
      if (plain) preDive_.sampleLineLogged = true;
      break;
    case 7:
      if (plain) ParseLine7(line);
      break;
    case 8: ParseEnd(line); break;
    case 19: end_.logged = false; break;
    case 32:
      if (plain) ParseText(line);
      break;
    case 66:
      if (plain) ParseLine66(line, 2);
      break;
    case 127: ParseClosing(line); break;
    default: break;
  }
}

void CKorrinLogPreDive::ParseOpening(std::string_view line) {
  // The time-stamped layout has the stamp in front and the fields 8 characters further on.
  const std::size_t shift = timeStamped_ ? 8 : 0;
  if (timeStamped_) opening_.stamp = logline::Stamp(line);
  opening_.time = logline::DateTime(line, 2 + shift);
  opening_.totalA = static_cast<int>(Hex(line, 14 + shift, 6));
  opening_.totalB = static_cast<int>(Hex(line, 20 + shift, 6));
  opening_.totalC = Word(line, 26 + shift);
  if (timeStamped_ || fwAbove5000039_) {
    opening_.code = Byte(line, 30 + shift);
  } else {
    opening_.codeLegacy = Byte(line, 30);
  }
  if (timeStamped_) {
    for (std::size_t i = 0; i < opening_.bytes.size(); ++i) opening_.bytes[i] = static_cast<unsigned char>(Byte(line, 40 + 2 * i));
  }
  opening_.logged = true;
}

void CKorrinLogPreDive::ParseLine1(std::string_view line) {
  const std::size_t byteCount = timeStamped_ ? 8 : 9;
  const std::size_t bytesAt = timeStamped_ ? 10 : 2;
  for (std::size_t i = 0; i < byteCount; ++i) line1_.bytes[i] = static_cast<unsigned char>(Byte(line, bytesAt + 2 * i));
  const std::size_t shift = timeStamped_ ? 6 : 0;
  line1_.value = Word(line, 20 + shift);
  latestValue_ = line1_.value;
  line1_.tenths = Word(line, 24 + shift) / 10.0;
  if (!timeStamped_) line1_.byte = static_cast<unsigned char>(Byte(line, 28));
  line1_.logged = true;
}

void CKorrinLogPreDive::ParseLine2(std::string_view line) {
  const std::size_t shift = timeStamped_ ? 8 : 0;
  line2_.value = Word(line, 2 + shift);
  latestValue_ = line2_.value;
  line2_.tenths = Word(line, 6 + shift) / 10.0;
  line2_.valueB = Byte(line, 10 + shift);
  for (std::size_t i = 0; i < line2_.hundredths.size(); ++i) line2_.hundredths[i] = Byte(line, 12 + shift + 2 * i) / 100.0;
  line2_.byte = static_cast<unsigned char>(Byte(line, timeStamped_ ? 32 : 30));
  if (timeStamped_) {
    // The stamp counts from the opening line's date-time.
    line2_.time = opening_.time.PlusSeconds(static_cast<std::int64_t>(logline::Stamp(line)));
  } else {
    line2_.time = CLogDateTime::TimeOfDay(Byte(line, 24), Byte(line, 26), Byte(line, 28));
  }
  line2_.logged = true;
  if (timeStamped_) ParseLine66(line, 34);
}

void CKorrinLogPreDive::ParseLine66(std::string_view line, std::size_t at) {
  line66_.byte = static_cast<unsigned char>(Byte(line, at));
  // Five ASCII decimal digits.
  int number = 0;
  for (std::size_t i = 0; i < 5; ++i) number = number * 10 + (Byte(line, at + 2 + 2 * i) - '0');
  line66_.decimalNumber = number;
  line66_.intValue = Byte(line, at + 12);
  line66_.valueA = Word(line, at + 14);
  line66_.valueB = Word(line, at + 18);
  line66_.tenths = Word(line, at + 22) / 10.0;
  line66_.valueC = Word(line, at + 26);
  line66_.logged = true;
}

void CKorrinLogPreDive::ParseLine3(std::string_view line) {
  if (timeStamped_) {
    line3_.intValue = Word(line, 10);
    line3_.byte = Byte(line, 14);
    line3_.diveStart = logline::DateTime(line, 16);
    line3_.diveEnd = logline::DateTime(line, 28);
  } else {
    line3_.intValue = Word(line, 26);
    line3_.signedByte = logline::SignedByte(line, 30);
    line3_.diveStart = logline::DateTime(line, 2);
    line3_.diveEnd = logline::DateTime(line, 14);
  }
  line3_.logged = true;
}

void CKorrinLogPreDive::ParseLine7(std::string_view line) {
  preDive_.byte14 = static_cast<unsigned char>(Byte(line, 14));
  preDive_.byte18 = static_cast<unsigned char>(Byte(line, 18));
  if (fwAbove3009035_) preDive_.readings.byte48 = static_cast<unsigned char>(Byte(line, 30));
}

void CKorrinLogPreDive::ParseEnd(std::string_view line) {
  const std::size_t shift = timeStamped_ ? 14 : 0;
  end_.time = logline::DateTime(line, 2 + shift);
  end_.durationSec = Word(line, 14 + shift);
  end_.value = Word(line, 18 + shift) / 100.0;
  if (!timeStamped_) {
    end_.spanAMinutes = Word(line, 22);
    end_.spanBMinutes = Word(line, 26);
  }
  end_.logged = true;
}

void CKorrinLogPreDive::ParseText(std::string_view line) {
  text_.clear();
  for (std::size_t at = 2; at < 32; at += 2) {
    const int byte = Byte(line, at);
    if (byte >= 32 && byte <= 125) text_ += static_cast<char>(byte);
  }
}

void CKorrinLogPreDive::ParseClosing(std::string_view line) {
  const std::size_t shift = timeStamped_ ? 8 : 0;
  closing_.time = logline::DateTime(line, 2 + shift);
  closing_.totalA = static_cast<int>(Hex(line, 14 + shift, 6));
  closing_.totalB = static_cast<int>(Hex(line, 20 + shift, 6));
  closing_.totalC = Word(line, 26 + shift);
  closing_.code = Byte(line, 30 + shift);
  closing_.logged = true;
}

bool CKorrinLogPreDive::WasLogged(unsigned char lineType) const {
  if (lineType == 8) return end_.logged;
  if (lineType == 127) return closing_.logged;
  return false;
}

double CKorrinLogPreDive::GetEndValue() const { return end_.logged && end_.value >= 0 ? end_.value : 0.0; }

std::string CKorrinLogPreDive::SpanText(int minutes) const {
  if (!end_.logged) return "Not logged";
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d hh:mm", minutes / 60, minutes % 60);
  return text;
}

std::string CKorrinLogPreDive::GetSpanAText() const { return SpanText(end_.spanAMinutes); }
std::string CKorrinLogPreDive::GetSpanBText() const { return SpanText(end_.spanBMinutes); }
