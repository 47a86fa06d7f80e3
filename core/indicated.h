#pragma once
// Indicated figures: the work the gas does on each piston over a working
// cycle (the loop integral of pressure over the cylinder's volume, by the
// trapezoid rule over the pressure's own points, the volume from the exact
// slider-crank with its offset), the mean effective pressure, the power at
// the calculation speed and the mean gas torque, for each cylinder and the
// engine. Mean gas torque x 2 pi x the cycle's revolutions = work = IMEP x
// displacement.
#include <optional>
#include <vector>

#include "core/design_record.h"
#include "core/pressure_trace.h"

namespace zorvan {

// The volume the piston has swept from top dead centre at a crank angle
// (degrees), in held units: the piston area times the drop from the highest
// wristpin position.
double SweptVolumeAt(const EngineDesignRecord& d, double degrees);
// The clearance volume of a compression ratio: displacement / (ratio - 1).
double ClearanceVolume(const EngineDesignRecord& d, double compressionRatio);

// The pressure the gas force comes from, at its own resolution, in held
// units: a trace's points (its whole cycles, a closing point left out) or
// the built-in curve's rows over one working cycle. The angles repeat after
// `period` degrees.
struct PressurePoints {
  std::vector<double> angles;
  std::vector<std::vector<double>> columns;  // one, or one per cylinder
  double period = 720;
  int cycles = 1;
  bool measured = false;
};
// Error 5 with the fault's sentence for a trace that does not fit the design.
PressurePoints PressurePointsOf(const EngineDesignRecord& d);

// The trace the design uses, as a trace: its own, or the built-in curve's
// rows over one working cycle (gauge, bar, from 0 degrees), which read back
// give the same gas force.
PressureTrace TraceInUse(const EngineDesignRecord& d);

struct IndicatedFigures {
  double work = 0;           // per working cycle (force x length)
  double imep = 0;           // work / displacement (held pressure)
  double power = 0;          // at the calculation speed (force x length / s)
  double meanGasTorque = 0;  // work / (2 pi x revolutions of the cycle)
};
struct IndicatedResult {
  std::vector<IndicatedFigures> cylinders;  // cylinder k at [k - 1]
  IndicatedFigures engine;                  // the cylinders the firing order names
  int engineCylinders = 0;
};
// Needs the derived quantities (Engine_Data); error 5 for a trace that does not fit.
IndicatedResult IndicatedOf(const EngineDesignRecord& d);

}  // namespace zorvan
