#pragma once
// What a dive reads from the plan group that owns it. The plan group implements it; a dive
// without a group uses the group's defaults.

class CDiveGroupSettings {
 public:
  virtual ~CDiveGroupSettings() = default;
  // The coefficient set: 0 ZH-L16A, 1 ZH-L16C, 2 custom.
  virtual int GetAlgorithm() const = 0;
  // How tissues off-gas between dives: 0 delayed surface desaturation, otherwise the Buhlmann
  // equation.
  virtual int GetSurfaceIntervalMethod() const = 0;
};
