// Orders of crank speed. The sums run in double precision over rows 0..239;
// the angle n * theta of order n = k/2 at row i is 2 pi k i / 240, reduced to
// a whole multiple of 2 pi / 240 before its cosine and sine are taken, so the
// sums are as exact as the samples.
#include "core/orders.h"

#include <cmath>
#include <numbers>

#include "core/error_report.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

constexpr int kSamples = kLastRow;  // 240 samples over 720 degrees

struct UnitCircle {
  std::array<double, kSamples> cos{}, sin{};
  UnitCircle() {
    for (int m = 0; m < kSamples; ++m) {
      const double angle = 2 * std::numbers::pi * m / kSamples;
      cos[m] = std::cos(angle);
      sin[m] = std::sin(angle);
    }
  }
};

OrderTerm Term(double order, double a, double b) {
  return {order, a, b, std::hypot(a, b), std::atan2(b, a) * 180 / std::numbers::pi};
}

}  // namespace

OrderSpectrum OrdersOfSamples(const std::array<double, kLastRow>& samples) {
  static const UnitCircle circle;
  OrderSpectrum spectrum{};
  for (int k = 0; k < kOrderCount; ++k) {  // order k/2
    double a = 0, b = 0;
    for (int i = 0; i < kSamples; ++i) {
      if (!std::isfinite(samples[i])) RaiseError(err::Overflow);
      const int m = (k * i) % kSamples;
      a += samples[i] * circle.cos[m];
      b += samples[i] * circle.sin[m];
    }
    // The mean is the plain average; every other order is twice the projection.
    const double scale = k == 0 ? 1.0 / kSamples : 2.0 / kSamples;
    spectrum[k] = Term(k / 2.0, a * scale, k == 0 ? 0 : b * scale);
  }
  return spectrum;
}

OrderSpectrum OrdersOf(const CrankAngleTable& t, const ResultEntry& e, bool y) {
  std::array<double, kLastRow> samples{};
  for (int row = 0; row < kLastRow; ++row) {
    const ResultXY v = ResultAt(t, e, row);
    samples[row] = y ? v.y : v.x;
  }
  return OrdersOfSamples(samples);
}

namespace {

// The moment's X or Y about a point `arm` from cylinder 1's plane, row by row
// (core/moment_reference.h: M - arm F).
OrderSpectrum MomentOrders(const CrankAngleTable& t, bool y, double arm) {
  const ResultEntry& moment = PlotFunction(kTotalShakingMoment);
  const ResultEntry& force = PlotFunction(kTotalShakingForce);
  std::array<double, kLastRow> samples{};
  for (int row = 0; row < kLastRow; ++row) {
    const ResultXY m = ResultAt(t, moment, row), f = ResultAt(t, force, row);
    samples[row] = y ? m.y - arm * static_cast<double>(f.y) : m.x - arm * static_cast<double>(f.x);
  }
  return OrdersOfSamples(samples);
}

}  // namespace

std::vector<OrderColumn> OrderAnalysis(const EngineDesignRecord& d, OrderSubject subject, MomentReference reference) {
  struct Wanted {
    const char* name;
    PlotFn function;
    bool y;
  };
  static constexpr Wanted kTorque[] = {
      {"GasTorque", kGasTorque, false}, {"InertiaTorque", kInertiaTorque, false}, {"TotalTorque", kTotalTorque, false}};
  static constexpr Wanted kShaking[] = {{"ShakingForceX", kTotalShakingForce, false},
                                        {"ShakingForceY", kTotalShakingForce, true},
                                        {"ShakingMomentX", kTotalShakingMoment, false},
                                        {"ShakingMomentY", kTotalShakingMoment, true}};
  std::vector<OrderColumn> columns;
  auto add = [&](const Wanted& w) {
    const ResultEntry& e = PlotFunction(w.function);
    OrderColumn c{w.name, &e, w.y, Offered(d, e)};
    c.moment = w.function == kTotalShakingMoment;
    c.reference = reference;
    if (c.offered) c.spectrum = c.moment ? MomentOrders(d.table, w.y, ReferenceArm(d, reference)) : OrdersOf(d.table, e, w.y);
    columns.push_back(std::move(c));
  };
  if (subject == OrderSubject::Torque) {
    for (const Wanted& w : kTorque) add(w);
  } else {
    for (const Wanted& w : kShaking) add(w);
  }
  return columns;
}

bool OrderCalculation(const EngineDesignRecord& d, OrderSubject subject, MessageList& messages,
                      std::vector<OrderColumn>& out, MomentReference reference) {
  std::vector<OrderColumn> fresh;
  if (!Guarded(messages, "Orders", [&] { fresh = OrderAnalysis(d, subject, reference); })) return false;
  out = std::move(fresh);
  return true;
}

}  // namespace zorvan
