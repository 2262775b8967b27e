#pragma once
// Every persistent setting of the program, each with its registry path and default. Lengths,
// rates, PPO2, SAC rates, cylinder pressures and the maximum CNS are stored in thousandths of
// the unit named in the member's name; everything else is stored as it is used.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Gas.h"
#include "engine/RegSetting.h"
#include "engine/SettingRanges.h"

// A number stored in thousandths of its unit (millimetres for metres, millibar for bar).
class CRegSettingMilli {
 public:
  CRegSettingMilli() = default;
  CRegSettingMilli(std::string_view path, std::uint32_t defaultThousandths) : raw(path, defaultThousandths) {}
  double Get() const { return raw.Get() / 1000.0; }
  // Stored rounded to the nearest thousandth (1.15 as 1150); negative values as 0.
  void Set(double value);

  CRegSettingDword raw;
};

// A choice stored as 1 or 0; only 1 reads as on.
class CRegSettingFlag {
 public:
  CRegSettingFlag() = default;
  CRegSettingFlag(std::string_view path, bool defaultOn) : raw(path, defaultOn ? 1 : 0) {}
  bool Get() const { return raw.Get() == 1; }
  void Set(bool on) { raw.Set(on ? 1 : 0); }

  CRegSettingDword raw;
};

// The diagnostic detail, which the log follows whenever it is loaded or set.
class CRegSettingDebugLevel {
 public:
  CRegSettingDebugLevel() = default;
  explicit CRegSettingDebugLevel(std::string_view path) : raw(path, 0) {}
  std::uint32_t Get() const { return raw.Get(); }
  void Set(std::uint32_t level);
  // Hands the current level to the diagnostic log.
  void Apply() const;

  CRegSettingDword raw;
};

// The full registry path of a setting given below the program's "Settings" key.
std::string SettingPath(std::string_view relativePath);
// Where the file dialogs start before the user has chosen a folder.
std::string DefaultDialogFolder();

// Limits shared by the dive and bailout groups, which differ only in their defaults.
struct DecoLimitSettings {
  DecoLimitSettings(std::string_view group, std::uint32_t gfLow, std::uint32_t gfHigh, std::uint32_t maxEadMm);
  CRegSettingDword gfLowPercent;
  CRegSettingDword gfHighPercent;
  CRegSettingMilli sacRateLitresPerMin;
  CRegSettingMilli maxPpo2Bar;
  CRegSettingMilli maxEadMetres;
  CRegSettingMilli descentRateMetresPerMin;
  CRegSettingMilli ascentRateMetresPerMin;
  CRegSettingMilli lastDecoStopMetres;
};

using GasSwitchSettings = std::array<CRegSettingString, NO_OF_GAS_MIXES>;

class CAppSettings {
 public:
  CRegSettingDword languageId{SettingPath("Language ID"), 1033};

  struct Directories {
    CRegSettingString plansAndDives{SettingPath("Directories\\Default Directory"), DefaultDialogFolder()};
    CRegSettingString tableSettings{SettingPath("Directories\\Default Settings Directory"), DefaultDialogFolder()};
    CRegSettingString gasMixLists{SettingPath("Directories\\Default Gas Mix List Directory"), DefaultDialogFolder()};
  } directories;

  struct General {
    CRegSettingFlag chartGridEnable{SettingPath("General\\Chart Grid Enable"), true};
    CRegSettingFlag autoRecalc{SettingPath("General\\Auto Recalc"), true};
    CRegSettingDword units{SettingPath("General\\Units"), 0};  // UnitSystem
    CRegSettingDword printingDirection{SettingPath("General\\Printing Direction"), 1};
    CRegSettingDword timeUnits{SettingPath("General\\Time Units"), 0};
    CRegSettingDword firstAscentOption{SettingPath("General\\First Ascent Option"), 0};
    CRegSettingString diverId{SettingPath("General\\Diver ID"), ""};
  } general;

  struct DivePlan {
    CRegSettingDword surfaceIntervalAlgorithm{SettingPath("Dive Plan\\Surface Interval Algorithm"), 0};
    CRegSettingDword algorithm{SettingPath("Dive Plan\\Algorithm"), 0};
    CRegSettingFlag defaultClosedCircuit{SettingPath("Dive Plan\\Default CC"), false};
    CRegSettingMilli defaultSetPointBar{SettingPath("Dive Plan\\Default PPO2"), 1300};
    CRegSettingFlag defaultNoClearSurface{SettingPath("Dive Plan\\Default No Clear Surface"), false};
    CRegSettingMilli defaultCylinderWorkingPressureBar{SettingPath("Dive Plan\\Default Cylinder Working Pressure"),
                                                       240000};
    CRegSettingDword defaultGasReservePercent{SettingPath("Dive Plan\\Default Gas Reserve"), 33};
    // The custom ZH-L16 coefficients loaded last, in the custom values file's form with ';'
    // ending each compartment's line; empty until a file was loaded.
    CRegSettingString customCompartmentValues{SettingPath("Dive Plan\\Custom Compartment Values"), ""};
  } divePlan;

  struct Dive : DecoLimitSettings {
    Dive() : DecoLimitSettings("Dive", 20, 80, 35000) {}
    CRegSettingDword surfacePressureMbar{SettingPath("Dive\\Surface Pressure"), 1000};
    CRegSettingDword surfaceIntervalSec{SettingPath("Dive\\Surface Interval"), 0};
  } dive;

  struct Bailout : DecoLimitSettings {
    Bailout() : DecoLimitSettings("Bailout", 100, 100, 40000) {}
    CRegSettingDword noOfGasSwitches{SettingPath("Bailout\\No Of Gas Switches"), 2};
    CRegSettingMilli maxCnsPercent{SettingPath("Bailout\\Max CNS"), 100000};
    CRegSettingFlag useBailoutGasList{SettingPath("Bailout\\Use Bailout Gas List"), false};
    CRegSettingFlag ignoreCns{SettingPath("Bailout\\Ignore CNS"), false};
    CRegSettingFlag ignoreIcd{SettingPath("Bailout\\Ignore ICD"), false};
  } bailout;

  CRegSettingString bailoutGasList{SettingPath("Bailout Gas List\\Gas Mix 01"), ""};

  struct GasMix {
    GasMix();
    CRegSettingString gasMixes;
    CRegSettingString gasMixesAgeing;
    GasSwitchSettings travelGas;  // CGasSwitch texts, slots 1 to 12
    GasSwitchSettings decoGas;
  } gasMix;

  struct TableGeneration {
    CRegSettingMilli depthStartMetres{SettingPath("Table Generation\\Depth Start"), 10000};
    CRegSettingMilli depthFinishMetres{SettingPath("Table Generation\\Depth Finish"), 20000};
    CRegSettingMilli depthStepMetres{SettingPath("Table Generation\\Depth Step Size"), 10000};
    CRegSettingDword durationStartMin{SettingPath("Table Generation\\Duration Start"), 10};
    CRegSettingDword durationFinishMin{SettingPath("Table Generation\\Duration Finish"), 20};
    CRegSettingDword durationStepMin{SettingPath("Table Generation\\Duration Step Size"), 5};
    CRegSettingDword surfacePressureMbar{SettingPath("Table Generation\\Surface Pressure"), 1000};
    CRegSettingDword gfLowPercent{SettingPath("Table Generation\\Gradient Factor Low"), 20};
    CRegSettingDword gfHighPercent{SettingPath("Table Generation\\Gradient Factor High"), 80};
    CRegSettingMilli descentRateMetresPerMin{SettingPath("Table Generation\\Descent Rate"), 20000};
    CRegSettingMilli ascentRateMetresPerMin{SettingPath("Table Generation\\Ascent Rate"), 10000};
    CRegSettingMilli lastDecoStopMetres{SettingPath("Table Generation\\Last Deco Stop"), 6000};
    CRegSettingMilli maxPpo2Bar{SettingPath("Table Generation\\Max PPO2"), 1600};
    CRegSettingMilli maxEadMetres{SettingPath("Table Generation\\Max EAD"), 35000};
    CRegSettingDword tableGrouping{SettingPath("Table Generation\\Table Grouping"), 0};
  } tableGeneration;

  CRegSettingDebugLevel debugLevel{SettingPath("Debug Level")};
  CRegSettingDword decoSurfaceOffsetMbar{SettingPath("Deco Surface Offset"), 30};
};

// The process-wide settings.
CAppSettings& AppSettings();
// A stored number outside what the settings pages allow (a store edited by hand or damaged) is
// used at the nearer end of that range, and the clamp is logged.
double StoredInRange(const CRegSettingDword& setting, const SettingRange& range);
double StoredInRange(const CRegSettingMilli& setting, const SettingRange& range);
// The "General\Units" setting; any value other than 1 reads as metric.
UnitSystem DisplayUnits();
// Rebuilds every setting from the registry (start-up, before anything reads a setting), turns a
// stored algorithm 0 into 1, and hands the debug level to the diagnostic log.
void LoadRegistrySettings();
