#pragma once
// Where shaking moments are taken. The shaking-moment tables take them about
// cylinder 1's plane: a cylinder's force F at its place z along the
// crankshaft (z = its arm in cylinder spacings times the spacing, cylinder 1
// at z = 0) gives z F, component by component, so the tables' moment X is
// the sum of z Fx and moment Y the sum of z Fy. Handbooks quote the free
// moments about the engine's centre, midway between the outer cylinder
// planes (z = zc); there each cylinder's arm is z - zc, so
//
//   M_centre(theta) = M_cylinder1(theta) - zc F(theta)
//
// with F the engine's free force at the same crank angle, X with X and Y
// with Y. The two agree when the engine has no free force.
#include <optional>
#include <string>
#include <string_view>

#include "core/crank_angle_table.h"
#include "core/design_record.h"

namespace zorvan {

enum class MomentReference { Centre, Cylinder1 };

// Where the engine's centre lies along the crankshaft from cylinder 1's
// plane (held length): midway between the outer cylinder planes; 0 for a
// single cylinder.
double EngineCentre(const EngineDesignRecord& d);
// The arm from cylinder 1's plane to the reference point (held length).
double ReferenceArm(const EngineDesignRecord& d, MomentReference r);

// "centre" or "cylinder1", as the command line and the dump name it.
const char* ReferenceName(MomentReference r);
std::optional<MomentReference> ParseReference(std::string_view name);
// "the engine's centre" or "cylinder 1's plane", as the texts name it.
const char* ReferenceText(MomentReference r);

// The engine slot's moments of every group turned to a point `arm` from
// cylinder 1's plane: M - arm F, in place. The bank slots stay as they are.
void MoveEngineMoments(ShakingTable& moment, const ShakingTable& force, double arm);

}  // namespace zorvan
