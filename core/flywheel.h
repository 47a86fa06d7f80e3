#pragma once
#include <string>
#include <vector>

#include "core/design_record.h"
#include "platform/ui.h"

namespace zorvan {

struct FlywheelResult {
  int pulseCount = 0;
  int firstSign = 0;                    // +1 or -1
  float averageTorque = 0;
  double energySwing = 0;               // largest energy swing over the cycle
  double flywheelInertia = 0;           // energySwing / (CoefFluct * Omega^2)
  std::vector<std::string> energyTable; // the lines of the energy table
};

// The flywheel calculation; failures reported under "Flywheel". False on failure.
bool FlywheelCalculation(EngineDesignRecord& d, Ui& ui, FlywheelResult& result);

}  // namespace zorvan
