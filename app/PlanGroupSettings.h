#pragma once
// The Dive Plan Settings dialog: the settings of the whole plan rather than of one dive: how the
// tissues off-gas over the surface intervals, the decompression algorithm, and the cylinder
// working pressure and gas reserve of the gas-consumption tables. Load reads a custom
// compartment values file into the coefficients at once (whether or not the dialog is then
// confirmed). The dialog opens on ZH-L16C: the user's one choice is Custom, which shows Load.
#include "controls/HelpDlg.h"

namespace controls {
class CNumSpinCtrl;
}

namespace app {

class CPlanGroupSettings : public controls::CHelpDlg {
 public:
  static constexpr double kBarPerPsi = 0.06894757;
  static constexpr double kPsiPerBar = 14.50377;

  explicit CPlanGroupSettings(wxWindow* parent = nullptr);

  // Set by the caller before the dialog runs and read after OK.
  int m_surfaceIntervalMethod = 0;  // 0 delayed surface desaturation, 1 Buhlmann
  int m_algorithm = 1;              // 0 ZH-L16A, 1 ZH-L16C, 2 custom
  double m_cylinderWorkingPressureBar = 0;
  double m_gasReservePercent = 0;
  bool m_useMaxPigtForGf = false;

  // The Load button: asks for a custom values file and reads it into the coefficients.
  void LoadCustomValues();

 protected:
  wxWindow* CreateControl(wxWindow* parent, const platform::DialogControl& control, const wxPoint& position,
                          const wxSize& size) override;
  bool OnInitDialog() override;
  void DoDataExchange(bool save) override;
  bool TransferDataFromWindow() override;

 private:
  controls::CNumSpinCtrl* Spin(int id) const;
  void SetUpSpins();
  void ShowLoadForCustom();
};

}  // namespace app
