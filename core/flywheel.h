#pragma once
#include <string>
#include <vector>

#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {

struct FlywheelResult {
  int pulseCount = 0;
  int firstSign = 0;                    // +1 or -1
  float averageTorque = 0;
  double energySwing = 0;               // largest energy swing over the cycle
  double flywheelInertia = 0;           // energySwing / (CoefFluct * Omega^2)
};

// The flywheel calculation; failures reported under "Flywheel". False on failure.
bool FlywheelCalculation(EngineDesignRecord& d, MessageList& messages, FlywheelResult& result);

// The lines of the energy table: the pulse areas the calculation left in the
// record, in the design's units. Formed when shown, not by the calculation,
// which a design study runs many thousands of times.
std::vector<std::string> EnergyTable(const EngineDesignRecord& d, const FlywheelResult& result);

}  // namespace zorvan
