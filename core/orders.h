#pragma once
// Orders of crank speed: the Fourier analysis of a result over the 720 degrees
// of the table, the mean and, for each order n = 0.5, 1, 1.5 ... 12, the
// harmonic that turns n times per crank revolution.
//
//   T(theta) = T0 + sum over n of  a(n) cos(n theta) + b(n) sin(n theta)
//
// with theta the crank angle in degrees (row i is 3 i degrees). The amplitude
// is sqrt(a^2 + b^2) and the phase atan2(b, a) in degrees (-180..180), so each
// harmonic is amplitude * cos(n theta - phase). Order 0 holds the mean: a = T0,
// b = 0, amplitude |T0|, phase 0 (or 180 for a negative mean).
//
// Rows 0..239 are the samples; row 240 repeats row 0. 240 samples over 720
// degrees resolve orders up to 60, so the orders up to 12 are exact discrete
// Fourier coefficients. A four-stroke engine repeats every 720 degrees and has
// half orders; a two-stroke repeats every 360 and has whole orders only.
#include <array>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/moment_reference.h"
#include "core/result_catalogue.h"
#include "platform/messages.h"

namespace zorvan {

constexpr double kHighestOrder = 12;
constexpr int kOrderCount = 25;  // 0, 0.5, ... 12

struct OrderTerm {
  double order;      // multiple of crank speed
  double a, b;       // cosine and sine coefficients, in the result's held unit
  double amplitude;  // sqrt(a^2 + b^2)
  double phase;      // atan2(b, a), degrees
};
using OrderSpectrum = std::array<OrderTerm, kOrderCount>;

// The orders of 240 samples over 720 degrees of crank angle (sample i at 3 i degrees).
OrderSpectrum OrdersOfSamples(const std::array<double, kLastRow>& samples);
// The orders of one component (X, or Y when `y`) of a catalogued result.
OrderSpectrum OrdersOf(const CrankAngleTable& t, const ResultEntry& e, bool y = false);

// Which results an analysis covers: the gas, inertia and total torque (of the
// one cylinder before assembly, of the engine after it), or the X and Y of the
// engine's total shaking force and moment. The moments are taken about a
// reference point (core/moment_reference.h): the orders take them about the
// engine's centre unless told otherwise.
enum class OrderSubject { Torque, Shaking };

struct OrderColumn {
  std::string name;         // "GasTorque", "ShakingForceX", ...
  const ResultEntry* entry;  // the catalogued result
  bool y;                   // the Y component of a vector result
  bool offered;             // the design's flags offer the result; otherwise no spectrum
  OrderSpectrum spectrum{};
  bool moment = false;      // a shaking moment, taken about `reference`
  MomentReference reference = MomentReference::Centre;
};

// The columns of a subject in their fixed order, each analysed when offered.
// A value that is not a finite number is error 6.
std::vector<OrderColumn> OrderAnalysis(const EngineDesignRecord& d, OrderSubject subject,
                                       MomentReference reference = MomentReference::Centre);
// The same reported under "Orders"; false (and `out` untouched) when it failed.
bool OrderCalculation(const EngineDesignRecord& d, OrderSubject subject, MessageList& messages,
                      std::vector<OrderColumn>& out, MomentReference reference = MomentReference::Centre);

// The title of a column as tables show it: "Gas Torque", "Total Shaking Force
// X", "Total Shaking Moment X about centre" (or "about cylinder 1").
std::string OrderColumnTitle(const OrderColumn& c);

// The orders as a fixed-width text (CR line breaks), one block per column, in
// the design's display units; a column without results says so. The shaking
// text names the point its moments are taken about and, for a design shown
// with its balance shafts, says so.
std::string OrdersText(const EngineDesignRecord& d, OrderSubject subject, const std::vector<OrderColumn>& columns);
// The same as comma-separated values: a header line "Order,<title> a (<unit>),
// <title> b (<unit>),<title> amplitude (<unit>),<title> phase (deg),..." and one
// line per order, "\n" line ends, 9 significant digits; columns without
// results are left out.
std::string OrdersCsv(const EngineDesignRecord& d, const std::vector<OrderColumn>& columns);

}  // namespace zorvan
