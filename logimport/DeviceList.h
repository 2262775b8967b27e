#pragma once
// The devices on the dive electronics' bus, each with its even 8-bit bus id, address ranges and
// numbered memory areas. The catalogue is fixed when it is built and only read afterwards.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CDevice {
 public:
  static constexpr int kRangeGroups = 8;
  static constexpr int kRangesPerGroup = 10;
  static constexpr int kMaxAreas = 20;

  struct Range {
    std::int32_t start = 0;
    std::int32_t end = 0;  // inclusive
    bool used = false;
  };
  struct Area {
    std::int32_t key = 0;
    unsigned char type = 0;
    std::int32_t start = 0;
    std::int32_t length = 0;
    bool used = false;
  };

  CDevice() = default;
  CDevice(std::string name, std::int32_t id, unsigned char flag);

  // False for a group outside 0 to 7 or one that holds 10 ranges already.
  bool AddRange(int group, std::int32_t start, std::int32_t end);
  // False when 20 areas are held; keys are not checked for repeats.
  bool AddArea(std::int32_t key, unsigned char type, std::int32_t start, std::int32_t length);
  // The first used area with the key; the outputs are untouched when there is none.
  bool GetArea(std::int32_t key, unsigned char& type, std::int32_t& start, std::int32_t& length) const;
  bool GetAreaStart(std::int32_t key, std::int32_t& start) const;

  const std::string& GetName() const { return name_; }
  std::int32_t GetId() const { return id_; }
  unsigned char GetFlag() const { return flag_; }
  bool IsValid() const { return valid_; }
  int GetRangeCount(int group) const;
  int GetAreaCount() const { return areaCount_; }

 private:
  const Area* FindArea(std::int32_t key) const;

  std::array<std::array<Range, kRangesPerGroup>, kRangeGroups> ranges_{};
  std::array<int, kRangeGroups> rangeCounts_{};
  std::array<Area, kMaxAreas> areas_{};
  int areaCount_ = 0;
  std::string name_;
  std::int32_t id_ = 0;
  unsigned char flag_ = 0;
  bool valid_ = false;
};

class CDeviceList {
 public:
  CDeviceList();  // the 40 entries of the catalogue

  // Index of the first entry with the id (ids repeat: the first one counts), or -1.
  int FindDevice(std::int32_t id) const;
  bool GetArea(std::int32_t deviceId, std::int32_t key, unsigned char& type, std::int32_t& start,
               std::int32_t& length) const;
  bool GetAreaStart(std::int32_t deviceId, std::int32_t key, std::int32_t& start) const;

  int GetCount() const { return static_cast<int>(devices_.size()); }
  const CDevice& GetDevice(int index) const { return devices_.at(static_cast<std::size_t>(index)); }

 private:
  std::vector<CDevice> devices_;
};
