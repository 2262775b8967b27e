#include "logimport/DeviceList.h"


namespace {

struct RangeRow {
  int group;
  std::int32_t start;
  std::int32_t end;
};

struct AreaRow {
  std::int32_t key;
  unsigned char type;
  std::int32_t start;
  std::int32_t length;
};

struct DeviceRow {
  const char* name;
  std::int32_t id;
  unsigned char flag;
  std::vector<RangeRow> ranges;
  std::vector<AreaRow> areas;
};

// Memory map of the three controllers: configuration (0), settings (3), version (7), the
// non-volatile store (8, area type 2) and the log store (13).
std::vector<AreaRow> ControllerAreas(std::int32_t settings, std::int32_t storeLength, std::int32_t logStart,
                                     std::int32_t logLength) {
  return {{0, 1, settings, 64}, {3, 1, settings + 0xC0, 64}, {7, 1, 0x200000, 8}, {8, 2, 0, storeLength},
          {13, 1, logStart, logLength}};
}

const std::vector<DeviceRow>& Catalogue() {
  static const std::vector<DeviceRow> rows = {
      {"Primary Controller", 176, 1, {{0, 0x0000, 0x3FFF}, {0, 0x4000, 0xFFFF}, {1, 0x10000, 0x1FFFF}},
       ControllerAreas(0x4000, 1024, 0x10000, 0x10000)},
      {"Dive Data Recorder", 188, 1, {{0, 0x10000, 0x1FFFFFF}}, {{13, 6, 0x10000, 0x1FF0000}, {7, 1, 0x200000, 8}}},
      {"Handset Display", 160, 0, {{0, 0x0000, 0x7FFF}}, {{0, 1, 0x1000, 64}, {7, 1, 0x200000, 8}}},
      {"Head-Up Display", 162, 0, {{0, 0x0000, 0x3FFF}}, {{0, 1, 0x0800, 32}, {7, 1, 0x200000, 8}}},
      {"Secondary Controller A", 178, 1, {{0, 0x0000, 0x1FFF}, {0, 0x2000, 0x7FFF}},
       ControllerAreas(0x2000, 256, 0x4800, 0x3800)},
      {"Secondary Controller B", 180, 1, {{0, 0x0000, 0x1FFF}, {0, 0x2000, 0x7FFF}},
       ControllerAreas(0x2000, 256, 0x4800, 0x3800)},
      {"Oxygen Cell Monitor 1", 16, 0, {{0, 0x0000, 0x03FF}}, {{0, 1, 0x0100, 16}}},
      {"Oxygen Cell Monitor 2", 18, 0, {{0, 0x0000, 0x03FF}}, {{0, 1, 0x0100, 16}}},
      {"Oxygen Cell Monitor 3", 20, 0, {{0, 0x0000, 0x03FF}}, {{0, 1, 0x0100, 16}}},
      {"Solenoid Driver", 32, 0, {{0, 0x0000, 0x01FF}}, {{0, 1, 0x0080, 16}}},
      {"Battery Monitor Left", 40, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0040, 8}}},
      {"Battery Monitor Right", 42, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0040, 8}}},
      {"Depth Sensor", 48, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0020, 16}}},
      {"Temperature Sensor", 50, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0020, 8}}},
      {"Carbon Dioxide Sensor", 52, 0, {{0, 0x0000, 0x01FF}}, {{0, 1, 0x0040, 16}}},
      {"Helium Sensor", 54, 0, {{0, 0x0000, 0x01FF}}, {{0, 1, 0x0040, 16}}},
      {"Oxygen Cylinder Pressure", 64, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0010, 8}}},
      {"Diluent Cylinder Pressure", 66, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0010, 8}}},
      {"First Bailout Cylinder Pressure", 68, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0010, 8}}},
      {"Second Bailout Cylinder Pressure", 70, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0010, 8}}},
      {"Compass Module", 80, 0, {{0, 0x0000, 0x07FF}}, {{0, 1, 0x0200, 32}}},
      {"Wireless Link", 96, 0, {{0, 0x0000, 0x0FFF}, {1, 0x1000, 0x1FFF}}, {{0, 1, 0x0400, 64}}},
      {"Service Port", 112, 0, {}, {}},
      {"Bus Bridge", 128, 0, {{0, 0x0000, 0x00FF}}, {}},
      {"Scrubber Monitor", 130, 0, {{0, 0x0000, 0x03FF}}, {{0, 1, 0x0100, 32}, {8, 2, 0, 128}}},
      {"Loop Flow Sensor", 132, 0, {{0, 0x0000, 0x01FF}}, {{0, 1, 0x0080, 16}}},
      {"Buzzer Module", 140, 0, {}, {}},
      {"Vibration Alarm", 142, 0, {}, {}},
      {"Light Controller", 144, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0020, 8}}},
      {"Backup Display", 164, 0, {{0, 0x0000, 0x3FFF}}, {{0, 1, 0x0800, 32}, {7, 1, 0x200000, 8}}},
      {"Backup Controller", 182, 1, {{0, 0x0000, 0x1FFF}}, {{0, 1, 0x1000, 64}, {7, 1, 0x200000, 8}}},
      {"Boot Loader", 190, 1, {{0, 0x0000, 0x0FFF}}, {{7, 1, 0x0F00, 8}}},
      {"Factory Test Unit", 200, 0, {{0, 0x0000, 0xFFFF}}, {{0, 1, 0x0000, 256}}},
      {"Calibration Unit", 202, 0, {{0, 0x0000, 0x0FFF}}, {{0, 1, 0x0100, 64}}},
      {"Planner Link", 210, 0, {{0, 0x0000, 0x0FFF}}, {{0, 1, 0x0400, 64}}},
      {"Data Recorder Extension", 212, 0, {{0, 0x0000, 0xFFFFF}}, {{13, 6, 0x20000, 0x80000}}},
      {"First Expansion Port", 220, 0, {}, {}},
      {"Second Expansion Port", 222, 0, {}, {}},
      {"Diagnostic Monitor", 240, 0, {{0, 0x0000, 0x00FF}}, {{0, 1, 0x0010, 16}}},
      {"Factory Test Unit, second revision", 200, 0, {{0, 0x0000, 0x1FFFF}}, {{0, 1, 0x0100, 256}}},
  };
  return rows;
}

}  // namespace

CDevice::CDevice(std::string name, std::int32_t id, unsigned char flag)
    : name_(std::move(name)), id_(id), flag_(flag), valid_(!name_.empty() && id != 0) {}

bool CDevice::AddRange(int group, std::int32_t start, std::int32_t end) {
  if (group < 0 || group >= kRangeGroups) return false;
  int& count = rangeCounts_[static_cast<std::size_t>(group)];
  if (count >= kRangesPerGroup) return false;
  ranges_[static_cast<std::size_t>(group)][static_cast<std::size_t>(count++)] = Range{start, end, true};
  return true;
}

bool CDevice::AddArea(std::int32_t key, unsigned char type, std::int32_t start, std::int32_t length) {
  if (areaCount_ >= kMaxAreas) return false;
  areas_[static_cast<std::size_t>(areaCount_++)] = Area{key, type, start, length, true};
  return true;
}

const CDevice::Area* CDevice::FindArea(std::int32_t key) const {
  for (int i = 0; i < areaCount_; ++i) {
    const Area& area = areas_[static_cast<std::size_t>(i)];
    if (area.used && area.key == key) return &area;
  }
  return nullptr;
}

bool CDevice::GetArea(std::int32_t key, unsigned char& type, std::int32_t& start, std::int32_t& length) const {
  const Area* area = FindArea(key);
  if (!area) return false;
  type = area->type;
  start = area->start;
  length = area->length;
  return true;
}

bool CDevice::GetAreaStart(std::int32_t key, std::int32_t& start) const {
  const Area* area = FindArea(key);
  if (!area) return false;
  start = area->start;
  return true;
}

int CDevice::GetRangeCount(int group) const {
  return group >= 0 && group < kRangeGroups ? rangeCounts_[static_cast<std::size_t>(group)] : 0;
}

CDeviceList::CDeviceList() {
  devices_.reserve(Catalogue().size());
  for (const DeviceRow& row : Catalogue()) {
    CDevice device(row.name, row.id, row.flag);
    for (const RangeRow& range : row.ranges) device.AddRange(range.group, range.start, range.end);
    for (const AreaRow& area : row.areas) device.AddArea(area.key, area.type, area.start, area.length);
    devices_.push_back(device);
  }
}

int CDeviceList::FindDevice(std::int32_t id) const {
  for (std::size_t i = 0; i < devices_.size(); ++i) {
    if (devices_[i].GetId() == id) return static_cast<int>(i);
  }
  return -1;
}

bool CDeviceList::GetArea(std::int32_t deviceId, std::int32_t key, unsigned char& type, std::int32_t& start,
                          std::int32_t& length) const {
  const int index = FindDevice(deviceId);
  return index >= 0 && devices_[static_cast<std::size_t>(index)].GetArea(key, type, start, length);
}

bool CDeviceList::GetAreaStart(std::int32_t deviceId, std::int32_t key, std::int32_t& start) const {
  const int index = FindDevice(deviceId);
  return index >= 0 && devices_[static_cast<std::size_t>(index)].GetAreaStart(key, start);
}
