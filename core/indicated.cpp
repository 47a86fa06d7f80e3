// Indicated work, mean effective pressure, power and mean gas torque from the
// pressure at its own resolution.
#include "core/indicated.h"

#include <algorithm>
#include <cmath>

#include "core/assembly_steps.h"
#include "core/checked.h"
#include "core/numeric.h"
#include "core/one_cylinder.h"
#include "core/pressure_trace.h"

namespace zorvan {

namespace {

constexpr double kRowDegrees = 3;

double WristpinAt(const EngineDesignRecord& d, double degrees) {
  const double r = d.CrankRadius, l = d.ConrodLength, c = d.WristpinOffset;
  const double theta = degrees * kDegToRad, rise = r * std::sin(theta) - c;
  return r * std::cos(theta) + std::sqrt(std::max(0.0, l * l - rise * rise));
}

// The work of one pressure column over its periodic points, per cycle.
double LoopWork(const PressurePoints& p, const std::vector<double>& volumes, const std::vector<double>& pressure) {
  const std::size_t n = p.angles.size();
  double work = 0;
  for (std::size_t k = 0; k < n; ++k) {
    const std::size_t next = (k + 1) % n;  // the last step closes the loop back to the first point
    work += (pressure[k] + pressure[next]) / 2 * (volumes[next] - volumes[k]);
  }
  return Chk(work / p.cycles);
}

}  // namespace

double SweptVolumeAt(const EngineDesignRecord& d, double degrees) {
  const double r = d.CrankRadius, l = d.ConrodLength, c = d.WristpinOffset;
  const double highest = std::sqrt(std::max(0.0, (r + l) * (r + l) - c * c));
  return static_cast<double>(d.PistonArea) * (highest - WristpinAt(d, degrees));
}

double ClearanceVolume(const EngineDesignRecord& d, double compressionRatio) {
  return Div(d.CylinderDisplacement, compressionRatio - 1);
}

PressurePoints PressurePointsOf(const EngineDesignRecord& d) {
  PressurePoints p;
  const double cycle = d.StrokeCycle == 2 ? 360 : 720;
  if (d.Pressure) {
    if (auto fault = PressureFault(d)) throw RunTimeError(err::InvalidCall, *fault);
    const PressureTrace& t = *d.Pressure;
    const TraceCycleFit& fit = t.FitFor(d.StrokeCycle);
    const double perBar = HeldPressurePerBar(d.UnitSystem);
    p.angles.assign(t.angles.begin(), t.angles.begin() + fit.points);
    for (const std::vector<double>& column : t.columns) {
      std::vector<double> held(fit.points);
      for (int k = 0; k < fit.points; ++k) held[k] = column[k] * perBar;
      p.columns.push_back(std::move(held));
    }
    p.cycles = fit.cycles;
    p.period = fit.cycles * cycle;
    p.measured = true;
    return p;
  }
  Column force{};
  FillGasForceCurve(d, force);
  const int rows = static_cast<int>(cycle / kRowDegrees);
  std::vector<double> held(rows);
  for (int k = 0; k < rows; ++k) {
    p.angles.push_back(k * kRowDegrees);
    held[k] = Div(force[k], d.PistonArea);
  }
  p.columns.push_back(std::move(held));
  p.period = cycle;
  return p;
}

PressureTrace TraceInUse(const EngineDesignRecord& d) {
  if (d.Pressure) return *d.Pressure;
  const PressurePoints p = PressurePointsOf(d);
  PressureTrace t;
  t.angles = p.angles;
  const double perBar = HeldPressurePerBar(d.UnitSystem);
  std::vector<double> bar(p.angles.size());
  for (std::size_t k = 0; k < bar.size(); ++k) bar[k] = p.columns[0][k] / perBar;
  t.columns.push_back(std::move(bar));
  return t;
}

IndicatedResult IndicatedOf(const EngineDesignRecord& d) {
  const PressurePoints p = PressurePointsOf(d);
  std::vector<double> volumes(p.angles.size());
  for (std::size_t k = 0; k < volumes.size(); ++k) volumes[k] = SweptVolumeAt(d, p.angles[k]);
  const double revolutions = d.StrokeCycle == 2 ? 1 : 2;
  auto figures = [&](double work, double displacement) {
    IndicatedFigures f;
    f.work = work;
    f.imep = Div(work, displacement);
    f.meanGasTorque = Chk(work / (2 * kPi * revolutions));
    f.power = Chk(f.meanGasTorque * d.Omega);
    return f;
  };
  IndicatedResult r;
  std::vector<double> work;
  for (const std::vector<double>& column : p.columns) work.push_back(LoopWork(p, volumes, column));
  const int cylinders = std::clamp<int>(d.NumCylinders, 1, kMaxCylinders);
  for (int k = 1; k <= cylinders; ++k)
    r.cylinders.push_back(figures(work[work.size() == 1 ? 0 : static_cast<std::size_t>(k - 1)],
                                  d.CylinderDisplacement));
  // The engine is the cylinders whose gas torque the engine sums: the first
  // in the firing order and each one delayed after it.
  MessageList ignored;
  const FiringDelays delays = ReadFiringDelays(d, ignored);
  double sum = r.cylinders[static_cast<std::size_t>(std::clamp(delays.first, 1, cylinders) - 1)].work;
  for (int j = 0; j < delays.count; ++j) sum += r.cylinders[static_cast<std::size_t>(delays.cylinders[j] - 1)].work;
  r.engineCylinders = delays.count + 1;
  r.engine = figures(sum, Chk(static_cast<double>(d.CylinderDisplacement) * r.engineCylinders));
  return r;
}

}  // namespace zorvan
