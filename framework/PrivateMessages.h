#pragma once
// The private window messages that the window bases themselves post. The program's whole table
// of private messages belongs to the engine; these numbers are the same.

namespace framework::wmu {

constexpr unsigned kDiveTabSelected = 0x800F;
constexpr unsigned kDiveTabRightClick = 0x8010;
constexpr unsigned kSettingsPageChanged = 0x8032;

}  // namespace framework::wmu
