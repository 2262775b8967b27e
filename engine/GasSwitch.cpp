#include "engine/GasSwitch.h"

#include "engine/NumberText.h"
#include "engine/support/Rounding.h"
#include "engine/support/SParser.h"

void CGasSwitch::Reset() { *this = CGasSwitch(); }

bool CGasSwitch::Set(double depthMetres, double oxygenPercent, double heliumPercent, bool closedCircuit,
                     double setPointBar, bool gasSet) {
  depthMetres_ = depthMetres;
  oxygen_ = oxygenPercent;
  helium_ = heliumPercent;
  closedCircuit_ = closedCircuit;
  setPointBar_ = setPointBar;
  gasSet_ = gasSet;
  return true;
}

std::string CGasSwitch::ToString() const {
  return FormatC("%0.2f,%0.2f,%0.2f,%d,%0.2f,%d", depthMetres_, oxygen_, helium_, closedCircuit_ ? 1 : 0,
                 setPointBar_, gasSet_ ? 1 : 0);
}

bool CGasSwitch::FromString(std::string_view text) {
  constexpr int kFieldCount = 6;
  CSParser fields(text, ',');
  if (fields.GetCount() != kFieldCount) {
    gasSet_ = false;
    return false;
  }
  return Set(ReadLeadingDouble(fields.GetField(1)), ReadLeadingDouble(fields.GetField(2)),
             ReadLeadingDouble(fields.GetField(3)), ReadLeadingInt(fields.GetField(4)) == 1,
             ReadLeadingDouble(fields.GetField(5)), ReadLeadingInt(fields.GetField(6)) == 1);
}

std::string CGasSwitch::GetGasName() const {
  return gasSet_ ? MixName(oxygen_, helium_) : std::string();
}
