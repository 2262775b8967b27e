#include "engine/Zhl16Coefficients.h"

#include <cmath>

namespace {

// Half-times (min), N2 a for ZH-L16A and ZH-L16C (mbar), N2 b, He a (mbar), He b.
struct PublishedRow {
  double nitrogenHalfTimeMin;
  double heliumHalfTimeMin;
  double nitrogenAMbarA;
  double nitrogenAMbarC;
  double nitrogenB;
  double heliumAMbar;
  double heliumB;
};

constexpr PublishedRow kPublished[CZhl16Coefficients::kCompartments] = {
    {4.0, 1.51, 1259.9, 1259.9, 0.505, 1742.4, 0.4245},   {8.0, 3.02, 1000.0, 1000.0, 0.6514, 1383.0, 0.5747},
    {12.5, 4.72, 861.8, 861.8, 0.7222, 1191.9, 0.6527},   {18.5, 6.99, 756.2, 756.2, 0.7725, 1045.8, 0.7223},
    {27.0, 10.21, 666.7, 620.0, 0.8126, 922.0, 0.7582},   {38.3, 14.48, 593.3, 504.3, 0.8434, 820.5, 0.7957},
    {54.3, 20.53, 528.2, 441.0, 0.8693, 730.5, 0.8279},   {77.0, 29.11, 470.1, 400.0, 0.891, 650.2, 0.8553},
    {109.0, 41.2, 418.7, 375.0, 0.9092, 595.0, 0.8757},   {146.0, 55.19, 379.8, 350.0, 0.9222, 554.5, 0.8903},
    {187.0, 70.69, 349.7, 329.5, 0.9319, 533.3, 0.8997},  {239.0, 90.34, 322.3, 306.5, 0.9403, 518.9, 0.9073},
    {305.0, 115.29, 297.1, 283.5, 0.9477, 518.1, 0.9122}, {390.0, 147.42, 273.7, 261.0, 0.9544, 517.6, 0.9171},
    {498.0, 188.24, 252.3, 248.0, 0.9602, 517.2, 0.9217}, {635.0, 240.03, 232.7, 232.7, 0.9653, 511.9, 0.9267},
};

bool IsSoundHalfTime(double minutes) { return std::isfinite(minutes) && minutes > 0; }
bool IsSoundA(double aMbar) { return std::isfinite(aMbar) && aMbar >= 0; }
bool IsSoundB(double b) { return std::isfinite(b) && b > 0 && b <= 1; }

}  // namespace

CZhl16Coefficients::CZhl16Coefficients() {
  for (int c = 0; c < kCompartments; ++c) {
    const PublishedRow& row = kPublished[c];
    for (int variant = 0; variant < kZhl16VariantCount; ++variant) {
      const double nitrogenA = variant == kZhl16A ? row.nitrogenAMbarA : row.nitrogenAMbarC;
      table_[variant][c] = {row.nitrogenHalfTimeMin, row.heliumHalfTimeMin, nitrogenA,
                            row.nitrogenB,           row.heliumAMbar,       row.heliumB};
    }
  }
}

bool CZhl16Coefficients::GetCompartment(int variant, int compartment, Zhl16Compartment& values) const {
  if (variant < 0 || variant >= kZhl16VariantCount || compartment < 0 || compartment >= kCompartments) return false;
  values = table_[variant][compartment];
  return true;
}

bool CZhl16Coefficients::SetCompartment(int compartment, double nitrogenHalfTimeMin, double heliumHalfTimeMin,
                                        double nitrogenAMbar, double nitrogenB, double heliumAMbar, double heliumB) {
  if (compartment < 0 || compartment >= kCompartments) return false;
  if (!IsSoundHalfTime(nitrogenHalfTimeMin) || !IsSoundHalfTime(heliumHalfTimeMin) || !IsSoundA(nitrogenAMbar) ||
      !IsSoundA(heliumAMbar) || !IsSoundB(nitrogenB) || !IsSoundB(heliumB)) {
    return false;
  }
  table_[kZhl16Custom][compartment] = {nitrogenHalfTimeMin, heliumHalfTimeMin, nitrogenAMbar,
                                       nitrogenB,           heliumAMbar,       heliumB};
  return true;
}

CZhl16Coefficients& Zhl16Coefficients() {
  static CZhl16Coefficients coefficients;
  return coefficients;
}
