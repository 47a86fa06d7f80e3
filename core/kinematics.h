#pragma once
// Crank angle of a row and the piston motion of the one-cylinder pass.
#include "core/design_record.h"

namespace zorvan {

// The crank position of one row: the stored angle in degrees and the
// trigonometry of 1, 2 and 3 times it that the force and torque steps reuse.
struct CrankRow {
  float degrees;
  double theta;  // radians
  double cos1, sin1, cos2, sin2, cos3, sin3;
  double cosBack, sinBack;  // the turn through minus the crank angle, as Rotate forms it
};

CrankRow MakeCrankRow(float degrees);
// The crank row of row i (3*i degrees), formed once for every pass that needs it.
const CrankRow& CrankRowOf(int row);

// Solves the slider-crank for the row and stores the crank angle, piston
// position, velocity, acceleration and the tangent of the rod angle.
void StoreKinematics(EngineDesignRecord& d, int row, const CrankRow& crank);

}  // namespace zorvan
