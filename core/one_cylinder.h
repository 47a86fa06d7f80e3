#pragma once
// The one-cylinder pass: kinematics, gas force, forces and torques of one cylinder.
#include "core/design_record.h"
#include "core/slider_crank.h"
#include "platform/messages.h"

namespace zorvan {

// Fills a column with the gas-force curve of the design, or with cylinder 1's
// gas force from its pressure trace.
void FillGasForceCurve(const EngineDesignRecord& d, Column& target);
// The largest value a gas curve's stored rows take at unit scale: the
// normalised pressure the entered peak pressure stands for.
double StoredCurvePeak(int16_t gasCurve);

// The name under which the pass reports its failures.
constexpr const char* kOneCylinderProcedure = "One_Cylinder";

// Runs the pass over rows 0..LastStep. Failures are reported under the pass's
// name; returns false on failure, and then no results are marked valid.
bool OneCylinderPass(EngineDesignRecord& d, MessageList& messages);

}  // namespace zorvan
