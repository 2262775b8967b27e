#include "logimport/KorrinUnitConfig.h"

#include <algorithm>
#include <cstdio>

#include "logimport/LogDateTime.h"
#include "logimport/LogLineFields.h"

namespace {

constexpr int kControllerIds[3] = {176, 178, 180};
constexpr std::int32_t kConfigurationKey = 0;
constexpr std::int32_t kSettingsKey = 3;
constexpr std::int32_t kVersionKey = 7;
constexpr std::int32_t kDataKey = 8;
constexpr std::size_t kVersionBytes = 8;
constexpr int kPrimary = 176;

std::size_t Index(CKorrinUnitConfig::Region region) { return static_cast<std::size_t>(region); }

// Bytes copied from a data line and the length the line must exceed.
struct BlockLine {
  std::size_t bytes;
  std::size_t longerThan;
};

BlockLine LineFor(int deviceId, CKorrinUnitConfig::Region region) {
  switch (region) {
    case CKorrinUnitConfig::Region::kVersion: return {kVersionBytes, 19};
    case CKorrinUnitConfig::Region::kData: return deviceId == kPrimary ? BlockLine{1024, 2051} : BlockLine{256, 515};
    case CKorrinUnitConfig::Region::kConfiguration: break;
  }
  return {256, 515};
}

std::string TextOf(const std::vector<unsigned char>& block, std::size_t from, std::size_t count, bool trimFront) {
  std::string text;
  for (std::size_t i = from; i < from + count; ++i) {
    const unsigned char c = block[i];
    text += c < 33 || c > 124 ? ' ' : static_cast<char>(c);
  }
  text.erase(text.find_last_not_of(' ') + 1);
  if (trimFront) text.erase(0, text.find_first_not_of(' '));
  return text;
}

std::string YesNo(bool set) { return set ? "Yes" : "No"; }

std::string Choice(unsigned char value, std::initializer_list<const char*> names) {
  return value < names.size() ? names.begin()[value] : "Unknown value";
}

int DecimalOf(const std::vector<unsigned char>& block, std::size_t from, std::size_t count) {
  return logline::DecimalDigits(std::string_view(reinterpret_cast<const char*>(block.data() + from), count));
}

}  // namespace

CKorrinUnitConfig::CKorrinUnitConfig() {
  for (std::size_t i = 0; i < controllers_.size(); ++i) {
    controllers_[i].id = kControllerIds[i];
    AllocateBlocks(controllers_[i]);
  }
}

void CKorrinUnitConfig::AllocateBlocks(Controller& controller) {
  // A block whose areas the catalogue lacks stays empty and takes no line.
  unsigned char type = 0;
  std::int32_t start = 0, length = 0, settingsStart = 0, settingsLength = 0;
  Block& config = controller.blocks[Index(Region::kConfiguration)];
  if (catalogue_.GetArea(controller.id, kConfigurationKey, type, start, length) &&
      catalogue_.GetArea(controller.id, kSettingsKey, type, settingsStart, settingsLength) &&
      settingsStart + settingsLength > start) {
    config.start = start;
    config.bytes.assign(static_cast<std::size_t>(settingsStart - start + settingsLength), 0);
  }
  const std::pair<Region, std::int32_t> single[] = {{Region::kVersion, kVersionKey}, {Region::kData, kDataKey}};
  for (const auto& [region, key] : single) {
    Block& block = controller.blocks[Index(region)];
    if (catalogue_.GetArea(controller.id, key, type, start, length) && length > 0) {
      block.start = start;
      block.bytes.assign(static_cast<std::size_t>(length), 0);
    }
  }
}

void CKorrinUnitConfig::ClearBlocks() {
  for (Controller& controller : controllers_) {
    for (Block& block : controller.blocks) {
      std::fill(block.bytes.begin(), block.bytes.end(), 0);
      block.loaded = false;
    }
    controller.texts = Texts();
  }
}

const CKorrinUnitConfig::Controller* CKorrinUnitConfig::Find(int deviceId) const {
  for (const Controller& controller : controllers_) {
    if (controller.id == deviceId) return &controller;
  }
  return nullptr;
}

CKorrinUnitConfig::Controller* CKorrinUnitConfig::Find(int deviceId) {
  return const_cast<Controller*>(static_cast<const CKorrinUnitConfig*>(this)->Find(deviceId));
}

void CKorrinUnitConfig::ReadBlockLines(std::string_view headerLine, std::string_view dataLine) {
  Controller* controller = Find(logline::Byte(headerLine, 2));
  if (!controller) return;
  const std::uint32_t address = logline::Hex(headerLine, 6, 8);
  for (const Region region : {Region::kConfiguration, Region::kVersion, Region::kData}) {
    Block& block = controller->blocks[Index(region)];
    if (block.start < 0 || static_cast<std::uint32_t>(block.start) != address) continue;
    const BlockLine expected = LineFor(controller->id, region);
    if (dataLine.size() <= expected.longerThan) return;
    block.loaded = true;
    const std::size_t count = std::min({expected.bytes, block.bytes.size(), (dataLine.size() - 2) / 2});
    for (std::size_t i = 0; i < count; ++i) block.bytes[i] = static_cast<unsigned char>(logline::Byte(dataLine, 2 + 2 * i));
    return;
  }
}

bool CKorrinUnitConfig::IsVersionValid(int deviceId) const {
  const Controller* controller = Find(deviceId);
  if (!controller) return false;
  const Block& block = controller->blocks[Index(Region::kVersion)];
  if (!block.loaded || block.bytes.size() != kVersionBytes) return false;
  const auto& b = block.bytes;
  const bool primary = deviceId == kPrimary;
  return b[3] == (primary ? 0xDC : 0xCC) && b[4] <= (primary ? 0x0F : 0x00) && b[5] <= 8 && b[6] <= 0x99 && b[7] <= 0x99;
}

std::string CKorrinUnitConfig::GetVersionText(int deviceId) const {
  const Controller* controller = Find(deviceId);
  if (!controller) return {};
  const Block& block = controller->blocks[Index(Region::kVersion)];
  if (!block.loaded || block.bytes.size() < kVersionBytes) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%02X.%02X.%02X.%02X.%02X", block.bytes[3], block.bytes[4], block.bytes[5], block.bytes[6],
                block.bytes[7]);
  return text;
}

void CKorrinUnitConfig::Decode() {
  for (Controller& controller : controllers_) {
    controller.texts = Texts();
    const Block& config = controller.blocks[Index(Region::kConfiguration)];
    if (config.loaded && config.bytes.size() >= 256) DecodeConfiguration(config.bytes, controller.texts);
  }
}

void CKorrinUnitConfig::DecodeConfiguration(const std::vector<unsigned char>& b, Texts& texts) {
  const bool later = std::any_of(b.begin() + 56, b.begin() + 64, [](unsigned char c) { return c != 0; });
  texts.byte35 = b[35];
  texts.name = TextOf(b, 0, 16, true);
  texts.name2 = TextOf(b, 18, 16, true);
  const CLogDateTime date = CLogDateTime::FromFields(DecimalOf(b, 40, 4), DecimalOf(b, 38, 2), DecimalOf(b, 36, 2), 0, 0, 0);
  texts.date = date.IsValid() ? date.Format("%d/%m/%Y") : "Invalid Date";
  texts.code = later ? TextOf(b, 56, 8, true) : TextOf(b, 44, 6, true);
  texts.number = std::to_string(b[50]);
  if (later) {
    texts.option44 = YesNo(b[44] != 0);
    texts.bit0 = YesNo((b[45] & 1) != 0);
    texts.bit1 = YesNo((b[45] & 2) != 0);
  }
  if (!later || b[44] == 0) {
    texts.wing = Choice(b[51], {"16 Kg", "22 Kg", "Jacket"});
    texts.size = Choice(b[52], {"Small", "Medium", "Large", "X Large", "XX Large"});
    texts.size2 = Choice(b[53], {"Medium", "Large", "X Large"});
    texts.option54 = YesNo(b[54] != 0);
    texts.option55 = YesNo(b[55] != 0);
  }
  texts.textC = TextOf(b, 64, 16, false);
  texts.textD = TextOf(b, 82, 16, false);
  texts.textE = TextOf(b, 100, 16, false);
  for (std::size_t i = 0; i < kEntryCount; ++i) {
    const std::size_t at = 128 + 3 * i;
    if (b[at] == 255) continue;
    texts.entryIds[i] = b[at];
    texts.entryValues[i] = b[at + 1] * 256 + b[at + 2];
    ++texts.entryCount;
  }
}

int CKorrinUnitConfig::GetVersionBlockSize(int deviceId) const {
  return static_cast<int>(GetBlock(deviceId, Region::kVersion).size());
}

const std::vector<unsigned char>& CKorrinUnitConfig::GetBlock(int deviceId, Region region) const {
  static const std::vector<unsigned char> kNone;
  const Controller* controller = Find(deviceId);
  return controller ? controller->blocks[Index(region)].bytes : kNone;
}

bool CKorrinUnitConfig::IsLoaded(int deviceId, Region region) const {
  const Controller* controller = Find(deviceId);
  return controller && controller->blocks[Index(region)].loaded;
}

const CKorrinUnitConfig::Texts& CKorrinUnitConfig::GetTexts(int deviceId) const {
  const Controller* controller = Find(deviceId);
  return (controller ? *controller : controllers_[0]).texts;
}
