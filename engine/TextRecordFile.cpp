#include "engine/TextRecordFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "engine/NumberText.h"
#include "engine/support/DebugLog.h"
#include "engine/support/MemStdioFile.h"
#include "engine/support/Rounding.h"
#include "platform/UserInterface.h"
#include "platform/WholeFiles.h"
#include "resources/ProgramResources.h"
#include "resources/resource.h"

namespace {

// The largest plan holds 30 dives of a few thousand points: a few megabytes at the most.
constexpr std::uint64_t kMaxRecordFileBytes = 16u << 20;
constexpr LogCategory kRecordLog = DBG_PLAN_LOADING;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Code points of Windows-1252 bytes 0x80 to 0x9F; the five bytes the code page leaves
// undefined keep their own value, as the system's conversion does.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsValidUtf8(std::string_view text) {
  char32_t code = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = DecodeUtf8At(text, i, code);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// A file name as a message shows it: a name too long for a line keeps its beginning and its end
// (with the extension), joined by an ellipsis, and never half a UTF-8 character.
std::string NameAsShown(const std::string& name) {
  constexpr std::size_t kHeadBytes = 40;
  constexpr std::size_t kTailBytes = 20;
  constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
  if (name.size() <= kHeadBytes + kEllipsis.size() + kTailBytes) return name;
  auto continues = [&](std::size_t at) { return (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80; };
  std::size_t head = kHeadBytes;
  while (head > 0 && continues(head)) --head;
  std::size_t tail = name.size() - kTailBytes;
  while (tail < name.size() && continues(tail)) ++tail;
  return name.substr(0, head) + std::string(kEllipsis) + name.substr(tail);
}

// What the user is told when a save of the file failed: that it is read-only, or else the file,
// the folder it could not be written in and why.
std::string SaveFailureMessage(const std::string& path, const platform::ReplaceFailure& failure) {
  if (platform::IsReadOnlyFile(path)) return FormatC(ResourceFormat(IDS_MSG_FILE_READ_ONLY).c_str(), path.c_str());
  const std::string name = NameAsShown(std::filesystem::path(path).filename().string());
  return ResourceString(IDS_MSG_UNABLE_TO_WRITE_FILE) + "\n\n" +
         FormatC(ResourceFormat(IDS_MSG_CANNOT_WRITE_IN_FOLDER).c_str(), name.c_str(), failure.folder.c_str(),
                 std::strerror(failure.code));
}

}  // namespace

std::size_t DecodeUtf8At(std::string_view text, std::size_t at, char32_t& code) {
  if (at >= text.size()) return 0;
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  // Sequence length, the lead byte's bits and the smallest code point of that length.
  std::size_t length = 4;
  char32_t value = lead & 0x07;
  char32_t smallest = 0x10000;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    value = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    value = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) != 0xF0) {
    return 0;
  }
  if (text.size() - at < length) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return 0;
    value = value << 6 | (next & 0x3F);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  code = value;
  return length;
}

void AppendIntRecord(std::string& text, int key, int value) { text += FormatC("%03d~%d\n", key, value); }

void AppendRealRecord(std::string& text, int key, double value) { text += FormatC("%03d~%0.2f\n", key, value); }

void AppendTextRecord(std::string& text, int key, std::string_view value) {
  std::string safe(value);
  std::replace_if(safe.begin(), safe.end(), [](char c) { return c == '~' || c == '\r' || c == '\n'; }, ' ');
  text += FormatC("%03d~", key) + safe + "\n";
}

int CTextRecord::GetInt(int field) const {
  return field >= 1 && field <= fields_.GetCount() ? ReadLeadingInt(fields_.GetField(field)) : 0;
}

double CTextRecord::GetReal(int field) const {
  return field >= 1 && field <= fields_.GetCount() ? ReadLeadingDouble(fields_.GetField(field)) : 0.0;
}

int CTextRecord::GetInt(int field, const SettingRange& range) const {
  return static_cast<int>(Clamped(GetInt(field), range));
}

double CTextRecord::GetReal(int field, const SettingRange& range) const { return Clamped(GetReal(field), range); }

double CTextRecord::Clamped(double value, const SettingRange& range) const {
  const double kept = range.Clamp(value);
  if (kept != value && TheDebugLog().IsEnabledFor(kRecordLog)) {
    TheDebugLog().LogText(FormatC("Record %03d value %g out of range - %g used", GetKey(), value, kept));
  }
  return kept;
}

void CTextRecord::LogRefused() const {
  if (TheDebugLog().IsEnabledFor(kRecordLog)) TheDebugLog().LogText("Record refused - " + GetLine());
}

std::string CTextRecord::GetText(int field) const { return FileTextToUtf8(fields_.GetFieldsFrom(field)); }

void CTextRecordWriter::AddLine(std::string_view line) {
  text_ += line;
  text_ += '\n';
}

std::string CTextRecordWriter::GetFileText() const {
  std::string file;
  file.reserve(text_.size() + text_.size() / 8);
  for (char c : text_) {
    if (c == '\n') file += '\r';
    file += c;
  }
  return file;
}

bool CTextRecordWriter::Save(const std::string& path, std::string_view description) const {
  platform::ReplaceFailure failure;
  if (platform::ReplaceFileContents(path, GetFileText(), 0666, failure)) return true;
  TheDebugLog().LogText("Unable to write " + std::string(description) + " " + path + " - " + failure.detail);
  platform::AskUser(SaveFailureMessage(path, failure), platform::mb::kOk | platform::mb::kIconExclamation);
  return false;
}

RecordFileRead ReadRecordFile(const std::string& path, std::string_view kind, std::vector<std::string>& lines,
                              std::string& error, bool* lastLineEnded) {
  lines.clear();
  std::string contents;
  switch (platform::ReadRegularFile(path, kMaxRecordFileBytes, contents, &error)) {
    case platform::ReadFileResult::kRead: break;
    case platform::ReadFileResult::kTooLarge: return RecordFileRead::kWrongKind;
    case platform::ReadFileResult::kCannotOpen: return RecordFileRead::kCannotOpen;
  }
  // A byte-order mark, as some editors write one, is no part of the first line.
  if (contents.rfind(kUtf8ByteOrderMark, 0) == 0) contents.erase(0, kUtf8ByteOrderMark.size());
  if (lastLineEnded != nullptr) *lastLineEnded = !contents.empty() && contents.back() == '\n';
  CMemStdioFile file(std::move(contents));
  std::string line;
  if (!file.ReadLine(line) || line != kind) return RecordFileRead::kWrongKind;
  while (file.ReadLine(line)) lines.push_back(line);
  return RecordFileRead::kRead;
}

std::string FileTextToUtf8(std::string_view text) {
  if (IsValidUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char32_t{byte});
  }
  return out;
}
