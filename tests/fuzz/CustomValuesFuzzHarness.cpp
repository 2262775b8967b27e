#include "tests/fuzz/CustomValuesFuzzHarness.h"

#include <cmath>
#include <string_view>

#include "app/core/CustomCompartmentValues.h"
#include "engine/Zhl16Coefficients.h"

namespace valuesfuzz {
namespace {

void Require(bool promise) {
  if (!promise) __builtin_trap();
}

bool Same(const CZhl16Coefficients& a, const CZhl16Coefficients& b) {
  for (int c = 0; c < CZhl16Coefficients::kCompartments; ++c) {
    Zhl16Compartment x;
    Zhl16Compartment y;
    Require(a.GetCompartment(kZhl16Custom, c, x) && b.GetCompartment(kZhl16Custom, c, y));
    if (x.nitrogenHalfTimeMin != y.nitrogenHalfTimeMin || x.heliumHalfTimeMin != y.heliumHalfTimeMin ||
        x.nitrogenAMbar != y.nitrogenAMbar || x.nitrogenB != y.nitrogenB || x.heliumAMbar != y.heliumAMbar ||
        x.heliumB != y.heliumB) {
      return false;
    }
  }
  return true;
}

void RequireSoundValues(const CZhl16Coefficients& table) {
  for (int c = 0; c < CZhl16Coefficients::kCompartments; ++c) {
    Zhl16Compartment v;
    Require(table.GetCompartment(kZhl16Custom, c, v));
    Require(std::isfinite(v.nitrogenHalfTimeMin) && v.nitrogenHalfTimeMin > 0);
    Require(std::isfinite(v.heliumHalfTimeMin) && v.heliumHalfTimeMin > 0);
    Require(std::isfinite(v.nitrogenAMbar) && v.nitrogenAMbar >= 0 && std::isfinite(v.heliumAMbar) && v.heliumAMbar >= 0);
    Require(v.nitrogenB > 0 && v.nitrogenB <= 1 && v.heliumB > 0 && v.heliumB <= 1);
  }
}

}  // namespace

void RunCustomValues(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const CZhl16Coefficients before;
  CZhl16Coefficients table = before;
  const app::CustomValuesReading reading = app::ReadCustomCompartmentValues(text, table);
  if (reading.result != app::CustomValuesReading::Result::kRead) {
    Require(reading.wrongLine >= 1 && reading.wrongLine <= CZhl16Coefficients::kCompartments);
    Require(Same(table, before));
    return;
  }
  RequireSoundValues(table);
  CZhl16Coefficients reread;
  Require(app::ReadCustomCompartmentValues(app::CustomCompartmentValuesText(table, ';'), reread, ';').result ==
          app::CustomValuesReading::Result::kRead);
  Require(Same(reread, table));
}

void PrepareProcess() {}

}  // namespace valuesfuzz
