#pragma once
// The one-cylinder pass: kinematics, gas force, forces and torques of one cylinder.
#include "core/design_record.h"
#include "platform/ui.h"

namespace zorvan {

struct SliderCrankResult {
  double theta3, omega3, alpha3, position, velocity, acceleration;
};
SliderCrankResult SolveSliderCrank(double theta2, double omega2, double alpha2, double a, double b, double c);
// The same with sin and cos of the crank angle already known.
SliderCrankResult SolveSliderCrank(double sinTheta2, double cosTheta2, double omega2, double alpha2, double a,
                                   double b, double c);

// Fills a column with the gas-force curve of the design.
void FillGasForceCurve(const EngineDesignRecord& d, Column& target);

// The name under which the pass reports its failures.
constexpr const char* kOneCylinderProcedure = "One_Cylinder";

// Runs the pass over rows 0..LastStep. Failures are reported under the pass's
// name; returns false on failure, and then no results are marked valid.
bool OneCylinderPass(EngineDesignRecord& d, Ui& ui);

}  // namespace zorvan
