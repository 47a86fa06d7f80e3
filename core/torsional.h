#pragma once
// Torsional vibration of the crankshaft: the design's shaft (the entered
// stations, or the defaults of core/shaft_model.h), its natural frequencies
// and mode shapes, the Campbell (interference) diagram's crossings of the
// engine orders with the natural frequencies, and the forced response order
// by order over the running range.
//
// Excitation: each cylinder puts its own gas and inertia torque on the
// station of its throw, as the engine pass sums them: the one cylinder's
// curves, the gas torque delayed by the cylinder's firing angle (the first
// to fire undelayed; a cylinder the firing order does not name adds none),
// the inertia torque by its crank phase plus its bank's tilt. Order q of a
// cylinder is then G(q) e^{-i q dg} + (N / Nd)^2 I(q) e^{-i q di}, with G and
// I the complex orders (a - i b) of the one cylinder's gas and inertia
// torque, dg and di the delays, N the speed and Nd the design speed: the gas
// torque is taken as the same at every speed, the inertia torque grows with
// the square of the speed. The orders are 0.5 ... 12 for a four-stroke
// engine and 1 ... 12 for a two-stroke one.
//
// A crossing of order q with the natural frequency f lies at the critical
// speed 60 f / q rpm. Its relative amplitude sum is |sum over the firing
// cylinders of beta_c e^{-i q dg_c}|, beta_c the mode's relative amplitude at
// the cylinder's throw. The order is major when the firing phases of all
// cylinders coincide at it (q dg_c equal modulo 360 degrees): then the sum
// is |sum of beta_c|; at a minor order the phases spread and the sum is less.
//
// The response at speed N to order q: the angular frequency q 2 pi N / 60,
// the stations' amplitudes |X| and the sections' vibratory twist
// |X[s] - X[s+1]| (both in degrees) and torque k[s] |X[s] - X[s+1]|, over a
// grid of 241 speeds from idle to redline and every critical speed between.
#include <complex>
#include <optional>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/orders.h"
#include "core/shaft_dynamics.h"
#include "platform/messages.h"

namespace zorvan {

constexpr double kDefaultModalRatio = 0.02;
constexpr int kResponseSpeeds = 241;

// One cylinder's torque on the shaft.
struct CylinderDrive {
  int cylinder = 0;
  int throwNumber = 0;     // 1..
  int station = -1;        // the station named after its throw; -1 when none is
  bool fires = false;      // the firing order names it: it adds gas torque
  double gasDelay = 0;     // degrees
  double inertiaDelay = 0; // degrees
};

struct Crossing {
  int mode = 0;             // 1.. (0 is the rigid-body mode, which no order crosses)
  double frequency = 0;     // Hz
  double order = 0;
  double speed = 0;         // rpm
  bool inRange = false;     // idle to redline
  bool major = false;
  double amplitudeSum = 0;  // the relative amplitude sum; NaN when the throws have no stations
};

struct ResponsePeak {
  double value = 0, speed = 0, order = 0;
  int section = -1;  // 0..: between stations section and section + 1; -1 when there is none
};

struct OrderResponse {
  double order = 0;
  std::vector<std::vector<double>> amplitude;  // [speed][station], degrees
  std::vector<std::vector<double>> twist;      // [speed][section], degrees
  std::vector<std::vector<double>> torque;     // [speed][section], torque units
  ResponsePeak peakTwist, peakTorque;
};

struct TorsionalResult {
  ShaftTable stations;
  bool entered = false;  // the user's stations, not the defaults
  double modalRatio = kDefaultModalRatio;
  std::vector<ShaftMode> modes;
  std::vector<double> orders;
  double idle = 0, redline = 0;  // rpm
  std::vector<Crossing> crossings;  // every elastic mode with every order, by mode then order
  std::vector<CylinderDrive> drives;
  bool driven = false;  // every throw has its station: the sums and the response stand
  std::vector<double> speeds;  // rpm, rising
  std::vector<OrderResponse> response;
  ResponsePeak peakTwist, peakTorque;
  std::vector<std::string> notes;  // what the analysis could not do, and why
};

// The stations the analysis runs on: the entered ones, or the defaults with
// the flywheel sized on a copy of the design (the design is not changed).
ShaftTable ShaftOf(const EngineDesignRecord& d, std::vector<std::string>& notes);
// The cylinders' drives on the stations' throws.
std::vector<CylinderDrive> CylinderDrives(const EngineDesignRecord& d, const ShaftTable& stations);
// The order torque (complex amplitude a - i b) the drives put on each of
// `stations` stations at a speed (rpm); every drive must have its station.
std::vector<std::complex<double>> StationTorques(const EngineDesignRecord& d, const std::vector<CylinderDrive>& drives,
                                                 std::size_t stations, double order, double speed);
// The orders of a design: 0.5 ... 12, or 1 ... 12 for a two-stroke.
std::vector<double> EngineOrders(const EngineDesignRecord& d);
double RelativeAmplitudeSum(const std::vector<CylinderDrive>& drives, const ShaftMode& mode, double order);
bool MajorOrder(const std::vector<CylinderDrive>& drives, double order);

// The whole analysis of a calculated design on `stations` (judged first: a
// bad table is error 5 with its sentence). Errors as RunTimeError.
TorsionalResult TorsionalAnalysis(const EngineDesignRecord& d, const ShaftTable& stations, bool entered,
                                  double modalRatio = kDefaultModalRatio);
// The analysis of the design's own shaft, reported under "Torsional"; false
// (and `out` untouched) when it failed.
bool TorsionalCalculation(const EngineDesignRecord& d, double modalRatio, MessageList& messages, TorsionalResult& out);

// The sections' names: "Throw 1 - Throw 2".
std::string SectionName(const ShaftTable& stations, int section);

// Texts, in the design's unit labels (the stations' quantities in the base
// units of its system), "\n" line ends, 9 significant digits in the CSVs:
// the report of the whole analysis, or of one part: the natural frequencies
// with the mode shapes, every crossing, or the peaks of the response;
enum class TorsionalPart { All, Modes, Campbell, Response };
std::string TorsionalText(const EngineDesignRecord& d, const TorsionalResult& r, TorsionalPart part = TorsionalPart::All);
// "mode,frequency (Hz),<station>,...": one row per mode from 0;
std::string ModesCsv(const TorsionalResult& r);
// "mode,frequency (Hz),order,speed (rpm),in range,kind,relative amplitude sum": one row per crossing;
std::string CampbellCsv(const TorsionalResult& r);
// "order,speed (rpm),<station> amplitude (deg)...,<section> twist (deg)...,<section> torque (unit)...".
std::string ResponseCsv(const EngineDesignRecord& d, const TorsionalResult& r);

}  // namespace zorvan
