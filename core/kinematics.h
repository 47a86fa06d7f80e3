#pragma once
// Crank angle of the rows and the piston motion of the one-cylinder pass.
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

// The crank rows of the table (row i at 3*i degrees) as columns, formed once,
// for the loops over the rows.
struct CrankColumns {
  Column degrees;
  std::array<double, kRows> cos1, sin1, cos2, sin2, cos3, sin3, cosBack, sinBack;
};
const CrankColumns& Crank();

// Solves the slider-crank for rows 0..last and stores the crank angle, piston
// position, velocity, acceleration and the tangent of the rod angle. Returns
// the number of results beyond the float range (the caller raises the overflow).
int StoreKinematics(const EngineDesignRecord& d, CrankAngleTable& t, int last);

}  // namespace zorvan
