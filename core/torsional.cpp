// Torsional vibration of the crankshaft: the excitation of each cylinder at
// its throw, the crossings of the Campbell diagram and the forced response
// over the running range (the formulas are in core/torsional.h).
#include "core/torsional.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>
#include <numbers>

#include "core/error_report.h"
#include "core/flywheel.h"
#include "core/harmonics.h"
#include "core/runtime_error.h"
#include "core/shaft_model.h"

namespace zorvan {

namespace {

using Complex = std::complex<double>;
constexpr double kDegree = std::numbers::pi / 180;

// The cylinder a firing-order entry names, or 0 (as the engine pass reads it).
int NamedCylinder(float entry, int cylinders) {
  if (!std::isfinite(entry) || std::fabs(entry) > 32767) return 0;
  const int c = static_cast<int>(std::nearbyint(entry));
  return c >= 1 && c <= cylinders ? c : 0;
}

// An angle in degrees wrapped into one 720-degree cycle.
double InCycle(double degrees) {
  double a = std::fmod(degrees, 720.0);
  return a < 0 ? a + 720 : a;
}

// The complex order k/2 of a one-cylinder column: a - i b.
std::vector<Complex> ColumnOrders(const Column& column) {
  std::array<double, kLastRow> samples{};
  for (int row = 0; row < kLastRow; ++row) samples[row] = column[row];
  const OrderSpectrum s = OrdersOfSamples(samples);
  std::vector<Complex> orders;
  for (const OrderTerm& t : s) orders.emplace_back(t.a, -t.b);
  return orders;
}

Complex Turned(double order, double delayDegrees) { return std::polar(1.0, -order * delayDegrees * kDegree); }

void AddNotes(const EngineDesignRecord& d, const ShaftTable& stations, TorsionalResult& r) {
  const int throws = static_cast<int>(CrankThrows(d).size());
  for (const ShaftStation& s : stations) {
    const int k = ThrowNumberOf(s.name);
    if (k > throws)
      r.notes.push_back("The station \"" + s.name + "\" names no throw of the design, which has " +
                        std::to_string(throws) + ": it takes no cylinder's torque.");
  }
  for (int k = 1; k <= throws; ++k) {
    const bool named = std::any_of(r.drives.begin(), r.drives.end(),
                                   [k](const CylinderDrive& c) { return c.throwNumber == k && c.station >= 0; });
    if (!named) {
      r.notes.push_back("No station is named \"" + ThrowName(k) + "\": the design's " + std::to_string(throws) +
                        " throws are Throw 1 to " + ThrowName(throws) +
                        ". Without them the cylinders' torques cannot be applied: the natural frequencies and "
                        "mode shapes stand, the relative amplitude sums and the forced response do not.");
      return;
    }
  }
}

void AddCrossings(TorsionalResult& r) {
  const double lo = std::min(r.idle, r.redline), hi = std::max(r.idle, r.redline);
  for (std::size_t m = 1; m < r.modes.size(); ++m) {
    for (double q : r.orders) {
      Crossing c;
      c.mode = static_cast<int>(m);
      c.frequency = r.modes[m].frequency;
      c.order = q;
      c.speed = 60 * c.frequency / q;
      c.inRange = c.speed >= lo && c.speed <= hi;
      c.major = MajorOrder(r.drives, q);
      c.amplitudeSum = r.driven ? RelativeAmplitudeSum(r.drives, r.modes[m], q) : std::nan("");
      r.crossings.push_back(c);
    }
  }
}

// The speeds of the response: the grid from idle to redline and each
// critical speed inside it (where a damped peak lies), unless nothing damps
// the shaft and a critical speed would be infinite.
std::vector<double> ResponseSpeeds(const TorsionalResult& r, bool damped) {
  const double lo = std::min(r.idle, r.redline), hi = std::max(r.idle, r.redline);
  std::vector<double> speeds;
  for (int i = 0; i < kResponseSpeeds; ++i) speeds.push_back(hi == lo ? lo : lo + (hi - lo) * i / (kResponseSpeeds - 1));
  for (const Crossing& c : r.crossings)
    if (damped && c.inRange) speeds.push_back(c.speed);
  std::sort(speeds.begin(), speeds.end());
  speeds.erase(std::unique(speeds.begin(), speeds.end()), speeds.end());
  return speeds;
}

void Keep(ResponsePeak& peak, double value, double speed, double order, int section) {
  if (value > peak.value || peak.section < 0) peak = {value, speed, order, section};
}

double DesignSpeed(const EngineDesignRecord& d) {
  const double speed = static_cast<double>(d.Omega) * 60 / (2 * std::numbers::pi);
  if (!(speed > 0) || !std::isfinite(speed)) RaiseError(err::InvalidCall);
  return speed;
}

// One order's torques on the stations: the gas part, and the inertia part at the design speed.
struct OrderDrive {
  std::vector<Complex> gas, inertia;
  std::vector<Complex> At(double speedRatio) const {
    std::vector<Complex> t(gas.size());
    for (std::size_t s = 0; s < t.size(); ++s) t[s] = gas[s] + speedRatio * speedRatio * inertia[s];
    return t;
  }
};

OrderDrive DriveOf(const std::vector<CylinderDrive>& drives, std::size_t stations, double order,
                   const std::vector<Complex>& gas, const std::vector<Complex>& inertia) {
  const std::size_t k = static_cast<std::size_t>(std::lround(2 * order));
  if (k >= gas.size()) RaiseError(err::SubscriptOutOfRange);
  OrderDrive o{std::vector<Complex>(stations), std::vector<Complex>(stations)};
  for (const CylinderDrive& c : drives) {
    if (c.station < 0 || static_cast<std::size_t>(c.station) >= stations) RaiseError(err::SubscriptOutOfRange);
    const std::size_t s = static_cast<std::size_t>(c.station);
    if (c.fires) o.gas[s] += gas[k] * Turned(order, c.gasDelay);
    o.inertia[s] += inertia[k] * Turned(order, c.inertiaDelay);
  }
  return o;
}

void AddResponse(const EngineDesignRecord& d, const ShaftDynamics& dynamics, TorsionalResult& r) {
  const double designSpeed = DesignSpeed(d);
  const std::vector<Complex> gas = ColumnOrders(d.table.SingleGasTorque);
  const std::vector<Complex> inertia = ColumnOrders(d.table.SingleInertiaTorque);
  const std::size_t n = r.stations.size();
  r.speeds = ResponseSpeeds(r, dynamics.Damped());
  if (!dynamics.Damped())
    r.notes.push_back("Nothing damps the shaft: the response grows without bound at each critical speed, and the "
                      "peaks are those of the speed grid.");
  for (double q : r.orders) {
    const OrderDrive drive = DriveOf(r.drives, n, q, gas, inertia);
    OrderResponse o;
    o.order = q;
    for (double speed : r.speeds) {
      const std::vector<Complex> x = dynamics.Response(q * 2 * std::numbers::pi * speed / 60, drive.At(speed / designSpeed));
      std::vector<double> amplitude, twist, shaftTorque;
      for (std::size_t s = 0; s < n; ++s) amplitude.push_back(std::abs(x[s]) / kDegree);
      for (std::size_t s = 0; s + 1 < n; ++s) {
        const double angle = std::abs(x[s] - x[s + 1]);
        twist.push_back(angle / kDegree);
        shaftTorque.push_back(r.stations[s].stiffness * angle);
        Keep(o.peakTwist, twist.back(), speed, q, static_cast<int>(s));
        Keep(o.peakTorque, shaftTorque.back(), speed, q, static_cast<int>(s));
      }
      o.amplitude.push_back(std::move(amplitude));
      o.twist.push_back(std::move(twist));
      o.torque.push_back(std::move(shaftTorque));
    }
    if (o.peakTwist.section >= 0) Keep(r.peakTwist, o.peakTwist.value, o.peakTwist.speed, q, o.peakTwist.section);
    if (o.peakTorque.section >= 0)
      Keep(r.peakTorque, o.peakTorque.value, o.peakTorque.speed, q, o.peakTorque.section);
    r.response.push_back(std::move(o));
  }
}

}  // namespace

ShaftTable ShaftOf(const EngineDesignRecord& d, std::vector<std::string>& notes) {
  if (d.Shaft) return *d.Shaft;
  // The flywheel as the flywheel screen sizes it, on a copy: the design keeps its own results.
  auto copy = std::make_unique<EngineDesignRecord>(d);
  MessageList told;
  FlywheelResult flywheel;
  if (!FlywheelCalculation(*copy, told, flywheel)) {
    notes.push_back("The flywheel could not be sized, so the default shaft ends at its last throw: add the "
                    "flywheel as a station.");
    flywheel.flywheelInertia = 0;
  }
  return DefaultShaft(d, flywheel.flywheelInertia);
}

std::vector<CylinderDrive> CylinderDrives(const EngineDesignRecord& d, const ShaftTable& stations) {
  std::vector<int> stationOfThrow;
  const std::vector<CrankThrow> throws = CrankThrows(d);
  stationOfThrow.assign(throws.size() + 1, -1);
  for (std::size_t s = 0; s < stations.size(); ++s) {
    const int k = ThrowNumberOf(stations[s].name);
    if (k >= 1 && k <= static_cast<int>(throws.size())) stationOfThrow[static_cast<std::size_t>(k)] = static_cast<int>(s);
  }
  // Bank tilts of the cylinders' sets, as the inertia torque of the engine pass turns them.
  std::array<double, kMaxCylinders + 1> tilt{};
  for (const HarmonicTerm& t : HarmonicTerms(d))
    if (d.Arrangement >= 2 && t.set >= 1 && t.set <= 3) tilt[t.cylinder] = d.BankAngleRad[t.set] / kDegree;
  std::vector<CylinderDrive> drives;
  for (std::size_t k = 0; k < throws.size(); ++k) {
    for (int c : throws[k].cylinders) {
      CylinderDrive drive;
      drive.cylinder = c;
      drive.throwNumber = static_cast<int>(k) + 1;
      drive.station = stationOfThrow[k + 1];
      drive.inertiaDelay = d.PhaseAngle[c] + tilt[c];
      drives.push_back(drive);
    }
  }
  // The gas torque: the firing order's first cylinder undelayed, each further
  // one named for the first time by its firing angle.
  const int positions = d.Arrangement == 0 ? 1 : d.NumCylinders;
  std::array<bool, kMaxCylinders + 1> named{};
  for (int j = 1; j <= positions && j <= kMaxCylinders; ++j) {
    const int c = d.Arrangement == 0 ? 1 : NamedCylinder(d.FiringOrder[j], d.NumCylinders);
    if (c == 0 || named[c]) continue;
    named[c] = true;
    for (CylinderDrive& drive : drives) {
      if (drive.cylinder != c) continue;
      drive.fires = true;
      drive.gasDelay = j == 1 ? 0 : InCycle(d.FiringAngle[c]);
    }
  }
  return drives;
}

std::vector<std::complex<double>> StationTorques(const EngineDesignRecord& d, const std::vector<CylinderDrive>& drives,
                                                 std::size_t stations, double order, double speed) {
  const OrderDrive drive = DriveOf(drives, stations, order, ColumnOrders(d.table.SingleGasTorque),
                                   ColumnOrders(d.table.SingleInertiaTorque));
  return drive.At(speed / DesignSpeed(d));
}

std::vector<double> EngineOrders(const EngineDesignRecord& d) {
  std::vector<double> orders;
  const double step = d.StrokeCycle == 2 ? 1 : 0.5;
  for (double q = step; q <= kHighestOrder; q += step) orders.push_back(q);
  return orders;
}

double RelativeAmplitudeSum(const std::vector<CylinderDrive>& drives, const ShaftMode& mode, double order) {
  Complex sum;
  double scale = 0;
  for (const CylinderDrive& c : drives) {
    if (!c.fires) continue;
    if (c.station < 0) return std::nan("");
    const double beta = mode.shape[static_cast<std::size_t>(c.station)];
    sum += beta * Turned(order, c.gasDelay);
    scale += std::fabs(beta);
  }
  // Phases that cancel leave rounding, not a sum.
  return std::abs(sum) <= 1e-12 * scale ? 0 : std::abs(sum);
}

bool MajorOrder(const std::vector<CylinderDrive>& drives, double order) {
  const CylinderDrive* first = nullptr;
  for (const CylinderDrive& c : drives) {
    if (!c.fires) continue;
    if (!first) {
      first = &c;
      continue;
    }
    const double apart = std::remainder(order * (c.gasDelay - first->gasDelay), 360.0);
    if (std::fabs(apart) > 1e-6) return false;
  }
  return first != nullptr;
}

TorsionalResult TorsionalAnalysis(const EngineDesignRecord& d, const ShaftTable& stations, bool entered,
                                  double modalRatio) {
  if (!d.EngineResultsValid) throw RunTimeError(err::InvalidCall, "The engine has not been calculated.");
  if (auto fault = ShaftTableFault(stations)) throw RunTimeError(err::InvalidCall, *fault);
  if (!(modalRatio >= 0 && modalRatio < 1))
    throw RunTimeError(err::InvalidCall, "The modal damping ratio must be at least 0 and below 1.");
  TorsionalResult r;
  r.stations = stations;
  r.entered = entered;
  r.modalRatio = modalRatio;
  const ShaftDynamics dynamics(stations, modalRatio);
  r.modes = dynamics.Modes();
  r.orders = EngineOrders(d);
  r.idle = d.IdleRPM;
  r.redline = d.RedlineRPM;
  r.drives = CylinderDrives(d, stations);
  AddNotes(d, stations, r);
  r.driven = std::all_of(r.drives.begin(), r.drives.end(), [](const CylinderDrive& c) { return c.station >= 0; });
  AddCrossings(r);
  if (r.driven) AddResponse(d, dynamics, r);
  return r;
}

bool TorsionalCalculation(const EngineDesignRecord& d, double modalRatio, MessageList& messages, TorsionalResult& out) {
  TorsionalResult fresh;
  const bool ok = Guarded(messages, "Torsional", [&] {
    std::vector<std::string> notes;
    const ShaftTable stations = ShaftOf(d, notes);
    if (auto fault = ShaftTableFault(stations); fault && !d.Shaft)
      throw RunTimeError(err::InvalidCall, *fault + " The design's default stiffness needs journal diameters and a "
                                                    "cylinder spacing above 0: enter the stations' stiffnesses.");
    fresh = TorsionalAnalysis(d, stations, d.Shaft.has_value(), modalRatio);
    fresh.notes.insert(fresh.notes.begin(), notes.begin(), notes.end());
  });
  if (ok) out = std::move(fresh);
  return ok;
}

std::string SectionName(const ShaftTable& stations, int section) {
  const auto s = static_cast<std::size_t>(section);
  if (section < 0 || s + 1 >= stations.size()) return "";
  return stations[s].name + " - " + stations[s + 1].name;
}

}  // namespace zorvan
