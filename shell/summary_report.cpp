// The engine summary report and the flywheel summary block. Lines are broken
// by CR. Lengths are held in metres in the metric systems and shown in the
// system's own length unit; displacements there are shown in cubic centimetres.
#include "shell/summary_report.h"

#include <algorithm>
#include <cmath>

#include "screen_logic/notices.h"
#include "core/display_units.h"
#include "core/indicated.h"
#include "core/units.h"
#include "core/unit_slots.h"
#include "core/number_text.h"
#include "core/numeric.h"

namespace zorvan {

namespace {

constexpr const char* CR = "\r";

std::string R(double x, int16_t places) { return FNRoundStr(x, places); }

int Cylinders(const EngineDesignRecord& d) { return std::clamp<int>(d.NumCylinders, 0, kMaxCylinders); }

// A held value in the unit the system shows.
double Shown(double value, Quantity q, const EngineDesignRecord& d) { return ToDisplay(value, q, d.UnitSystem); }
// Lengths are shown in single precision, as the screens held them.
float ShownLength(float value, const EngineDesignRecord& d) {
  return static_cast<float>(Shown(value, Quantity::Length, d));
}

std::string TotalDisplacementText(const EngineDesignRecord& d) {
  return R(Shown(d.TotalDisplacement, Quantity::Volume, d), 0);
}

std::string ReportLength(const EngineDesignRecord& d, float value) {
  switch (d.UnitSystem) {
    case 3: return R(value, 4);
    case 4:
    case 5: return R(ShownLength(value, d), 1);
    default: return R(value, 2);
  }
}

std::string FlywheelLength(const EngineDesignRecord& d, float value) {
  if (d.UnitSystem == 3) return R(value, 2);
  return ReportLength(d, value);
}

std::string PistonAreaText(const EngineDesignRecord& d) {
  switch (d.UnitSystem) {
    case 3: return R(d.PistonArea, 5);
    case 4: return R(Shown(d.PistonArea, Quantity::Area, d), 2);  // square centimetres
    case 5: return R(Shown(d.PistonArea, Quantity::Area, d), 0);  // square millimetres
    default: return R(d.PistonArea, 2);
  }
}

// The firing angles listed in firing order; an entry that names no cylinder
// of the design has no angle to show.
std::string FiringAnglesInOrder(const EngineDesignRecord& d, const std::string& gap) {
  std::string s;
  for (int j = 1; j <= Cylinders(d); ++j) {
    int k = FiredCylinder(d, j);
    if (k) s += Str(d.FiringAngle[k]);
    s += gap;
  }
  return s;
}

std::string EngineLine(const EngineDesignRecord& d) {
  return d.MachineType + " is " + Str(d.StrokeCycle) + " stroke cycle, " + Str(d.NumCylinders) + " cylinder " +
         d.ArrangementName;
}

// The measured trace and its indicated figures: work and mean gas torque in
// the system's torque unit, the mean effective pressure in bar, the power in kW.
std::string IndicatedBlock(const EngineDesignRecord& d) {
  IndicatedResult r;
  try {
    r = IndicatedOf(d);
  } catch (const std::exception&) {
    return PressureCaption(d) + CR + "The indicated figures cannot be formed for this design." + CR + CR;
  }
  const std::string torque = d.UnitLabel[kTorqueSlot];
  const double bar = 1 / HeldPressurePerBar(d.UnitSystem), kilowatts = JoulesPerHeldWork(d.UnitSystem) / 1000;
  const double rpm = d.Omega * 30 / kPi;
  std::string s = PressureCaption(d) + CR;
  s += "Indicated figures per working cycle, at " + std::to_string(std::lround(rpm)) + " RPM:" + CR;
  s += "              Work (" + torque + ")   IMEP (bar)   Power (kW)   Mean gas torque (" + torque + ")" + CR;
  auto line = [&](const std::string& name, const IndicatedFigures& f) {
    s += name + ":  " + R(f.work, 2) + "   " + R(f.imep * bar, 3) + "   " + R(f.power * kilowatts, 3) + "   " +
         R(f.meanGasTorque, 2) + CR;
  };
  for (std::size_t k = 0; k < r.cylinders.size(); ++k) line("Cylinder " + std::to_string(k + 1), r.cylinders[k]);
  line("Engine (" + std::to_string(r.engineCylinders) + ")", r.engine);
  return s + CR;
}

}  // namespace

std::string EngineSummaryReport(const EngineDesignRecord& d, const ProgramValues&) {
  const auto& U = d.UnitLabel;
  const int n = Cylinders(d);
  std::string s;
  // Only a design with a measured trace says so: any other's report stays as it was.
  if (d.Pressure) s += IndicatedBlock(d);
  s += "Units chosen are:  length = " + U[kLengthSlot] + ", force = " + U[kForceSlot] + ", mass = " + U[kMassSlot] + CR + CR;
  s += "Idle RPM      = " + Str(d.IdleRPM) + "     Redline RPM   = " + Str(d.RedlineRPM) + CR + CR;
  s += EngineLine(d) + CR + CR;
  s += "Total displacement  = " + TotalDisplacementText(d) + "  " + U[kVolumeSlot] + " for " + Str(d.NumCylinders) +
       " cylinders" + CR;
  s += "Each cylinder has " + R(Shown(d.CylinderDisplacement, Quantity::Volume, d), 1) + "  " + U[kVolumeSlot] +
       " displacement" + CR + CR;
  s += "Bore = " + ReportLength(d, d.Bore) + " " + U[kLengthSlot] + "                                       Stroke = " +
       ReportLength(d, d.Stroke) + " " + U[kLengthSlot] + CR;
  s += "Bore/Stroke Ratio = " + R(d.BoreStrokeRatio, 3) + "                    L/R Ratio = " + R(d.LRRatio, 2) +
       CR + CR;
  s += "Piston area is " + PistonAreaText(d) + " sq. " + U[kLengthSlot] + std::string(23, ' ');
  if (d.Arrangement != 1) s += "Vee Angle = " + Str(d.VeeAngle);
  s += std::string(CR) + CR;
  s += "Piston mass     = " + Str(d.PistonMass) + "  " + U[kMassSlot] + CR;
  // The percentages are formed in single precision, as the fractions are held.
  const float crankPercent = 100 * d.CrankCGFraction;
  const float rodPercent = 100 * d.ConrodCGFraction;
  s += "Crank  mass    = " + Str(d.CrankMass) + "  " + U[kMassSlot] + " at " + Str(crankPercent) +
       " %  dist from mainpin to crankpin" + CR;
  s += "Conrod mass   = " + Str(d.ConrodMass) + "  " + U[kMassSlot] + " at " + Str(rodPercent) +
       " %  dist from crankpin to wristpin" + CR + CR;
  s += "Bearing friction coefficient = " + Str(d.FrictionCoefficient) + "     " + CR;
  s += "Main bearing journal dia. = " + Str(d.MainJournalDiameter) + "        Crankpin journal dia. = " +
       Str(d.CrankpinJournalDiameter) + CR + CR;
  if (d.EngineResultsValid) {
    s += "Crankpin phase angles :  ";
    for (int k = 1; k <= n; ++k) s += Str(d.PhaseAngle[k]) + " ";
    s += CR;
    s += "Cylinder firing order :        ";
    for (int k = 1; k <= n; ++k) s += Str(d.FiringOrder[k]) + " ";
    s += CR;
    s += "Crankshaft Firing angles (in firing order): " + FiringAnglesInOrder(d, "");
  }
  return s + CR;
}

std::string FlywheelSummaryBlock(const EngineDesignRecord& d) {
  const auto& U = d.UnitLabel;
  const int n = Cylinders(d);
  std::string s = " " + EngineLine(d) + std::string(7, ' ') + "Crank Speed = " +
                  R(static_cast<double>(d.Omega) * 60 / 6.283185308, 0) + "  rpm        " +
                  "Bore/Stroke Ratio = " + R(d.BoreStrokeRatio, 3) + "              L/R Ratio = " + R(d.LRRatio, 2) +
                  std::string(8, ' ');
  if (d.Arrangement != 1) s += "Vee Angle = " + Str(d.VeeAngle);
  s += CR;
  s += " Total displacement  = " + TotalDisplacementText(d) + "   " + U[kVolumeSlot] + "  for  " + Str(d.NumCylinders) +
       " cylinders" + std::string(6, ' ') + "Bore = " + FlywheelLength(d, d.Bore) + " " + U[kLengthSlot] +
       "        Stroke = " + FlywheelLength(d, d.Stroke) + " " + U[kLengthSlot] + std::string(5, ' ') +
       Str(d.RodsPerCrank) + "  Conrods per crank" + CR;
  if (d.EngineResultsValid) {
    s += " Phase angles :        ";
    for (int k = 1; k <= n; ++k) s += Str(d.PhaseAngle[k]) + "  ";
    s += CR;
    s += " Cylinder firing order :        ";
    for (int k = 1; k <= n; ++k) s += Str(d.FiringOrder[k]) + "  ";
    s += CR;
    s += " Firing angles (in firing order): " + FiringAnglesInOrder(d, "  ");
  }
  return s + CR;
}

}  // namespace zorvan
