// The bailout plan.
#include "engine/DivePlan.h"

bool CDivePlan::CalculateBailout() {
  TheDebugLog().LogText("Bailout planning is not available");
  return false;
}
