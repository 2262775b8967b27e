#pragma once
// Copies of memory areas of the three controllers on the dive electronics' bus (ids 176, 178 and
// 180) carried by a log: per controller a configuration block, a version block and a data block,
// sized from the device catalogue and filled from the log's memory-block line pairs; the version
// block checked and written as text; the configuration block decoded into display texts.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "logimport/DeviceList.h"

class CKorrinUnitConfig {
 public:
  static constexpr int kEntryCount = 21;

  // What Decode makes of one controller's configuration block.
  struct Texts {
    std::string name, name2, date, code, number;
    std::string option44, wing, size, size2, option54, option55, bit0, bit1;
    std::string textC, textD, textE;
    unsigned char byte35 = 0;
    std::array<unsigned char, kEntryCount> entryIds{};
    std::array<int, kEntryCount> entryValues{};
    int entryCount = 0;
  };
  enum class Region { kConfiguration, kVersion, kData };

  CKorrinUnitConfig();

  // Zeroes every block and marks it not loaded, and empties the decoded texts.
  void ClearBlocks();
  // Copies the block that a memory-block header line (type 176) names from the data line (type
  // 177) that follows it. Other devices and addresses, and data lines too short for the block,
  // are ignored; never more than the block holds is copied.
  void ReadBlockLines(std::string_view headerLine, std::string_view dataLine);
  bool IsVersionValid(int deviceId) const;
  // Bytes 3 to 7 of the version block as "%02X" joined by "."; empty when there is none.
  std::string GetVersionText(int deviceId) const;
  void Decode();

  int GetVersionBlockSize(int deviceId) const;
  // The block's bytes, empty for an unknown device; IsLoaded tells whether a line filled it.
  const std::vector<unsigned char>& GetBlock(int deviceId, Region region) const;
  bool IsLoaded(int deviceId, Region region) const;
  // The decoded texts of one of the three controllers (of the first for any other id).
  const Texts& GetTexts(int deviceId) const;

 private:
  struct Block {
    std::vector<unsigned char> bytes;
    std::int32_t start = -1;  // the area's address, -1 when the catalogue lacks it
    bool loaded = false;
  };
  struct Controller {
    int id = 0;
    std::array<Block, 3> blocks;  // by Region
    Texts texts;
  };

  const Controller* Find(int deviceId) const;
  Controller* Find(int deviceId);
  void AllocateBlocks(Controller& controller);
  static void DecodeConfiguration(const std::vector<unsigned char>& config, Texts& texts);

  CDeviceList catalogue_;
  std::array<Controller, 3> controllers_;
};
