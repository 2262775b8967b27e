#pragma once
// The ZH-L16 compartment coefficients of the process in three variants: ZH-L16A, ZH-L16C and a
// custom set the user may load (ZH-L16C until then). Pressures are in millibar.
#include <array>
#include <cmath>

enum Zhl16Variant { kZhl16A = 0, kZhl16C = 1, kZhl16Custom = 2 };
inline constexpr int kZhl16VariantCount = 3;

struct Zhl16Compartment {
  double nitrogenHalfTimeMin = 0;
  double heliumHalfTimeMin = 0;
  double nitrogenAMbar = 0;
  double nitrogenB = 0;
  double heliumAMbar = 0;
  double heliumB = 0;
};

class CZhl16Coefficients {
 public:
  static constexpr int kCompartments = 16;

  CZhl16Coefficients();

  // False, with nothing written, for a variant outside 0-2 or a compartment outside 0-15.
  bool GetCompartment(int variant, int compartment, Zhl16Compartment& values) const;
  // Overwrites one compartment of the custom variant. Refused (false) for a compartment outside
  // 0-15 and for values no tissue can have: a half-time not above 0, a negative a, a b outside
  // (0, 1], or anything that is not a number.
  bool SetCompartment(int compartment, double nitrogenHalfTimeMin, double heliumHalfTimeMin, double nitrogenAMbar,
                      double nitrogenB, double heliumAMbar, double heliumB);

 private:
  std::array<std::array<Zhl16Compartment, kCompartments>, kZhl16VariantCount> table_;
};

// The table of the process, filled on first use and kept until the program ends.
CZhl16Coefficients& Zhl16Coefficients();

// The share of its distance to the inspired pressure that a compartment covers in the time dt:
// 1 - 2^(-dt / half-time), dt and half-time in the same unit.
inline double CompartmentRateFactor(double dt, double halfTime) { return 1.0 - std::pow(2.0, -dt / halfTime); }
