#pragma once
// The data of a graph: named, styled sets of (x, y) points, drawn in the order they were added.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace views {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct CGraphData {
  double y = 0;
  double x = 0;
};

enum GraphMarker { kMarkerNone = 0, kMarkerSquare = 1, kMarkerCross = 2 };

// A set labelled this way is drawn as the profile graph's warning bar.
inline constexpr const char* kErrorBarLabel = "ErrorBar";

class CGraphDataSet {
 public:
  void AddPoint(double x, double y);
  // Both throw std::invalid_argument for an index outside the set.
  double GetX(int index) const;
  double GetY(int index) const;
  int GetPointCount() const { return static_cast<int>(points_.size()); }
  const std::vector<CGraphData>& Points() const { return points_; }
  const std::string& GetName() const { return name_; }
  const std::string& GetLabel() const { return label_; }
  void SetName(std::string name) { name_ = std::move(name); }
  void SetLabel(std::string label) { label_ = std::move(label); }
  bool IsErrorBar() const { return label_ == kErrorBarLabel; }

  int marker = kMarkerNone;
  Rgb colour;
  int lineWidth = 1;

 private:
  const CGraphData& At(int index) const;

  std::vector<CGraphData> points_;
  std::string label_;
  std::string name_;
};

}  // namespace views
