// The gas-force curve: a normalised pressure shape in psi, scaled to the unit
// system and the entered peak pressure, times the piston area. One pulse per
// cycle; a two-stroke design repeats it every crank revolution.
#include <algorithm>
#include <cmath>

#include "core/checked.h"
#include "core/one_cylinder.h"
#include "core/pressure_trace.h"

namespace zorvan {

namespace {

constexpr int16_t kPumpCurve = 2;

// Normalised pressure at x: an engine firing pulse 5689·x·(1 − x)^3 with its
// peak of 600 at x = 0.25, or a pump's compression curve rising to x = 1.
double PressureShape(int16_t gasCurve, double x) {
  const double x2 = x * x, x3 = x2 * x, x4 = x3 * x;
  if (gasCurve == kPumpCurve) return 924 * x4 * x2 - 792 * x4 * x3;
  return 5689 * x - 17067 * x2 + 17067 * x3 - 5689 * x4;
}

struct CurveScale {
  int16_t gasCurve;
  double factor;  // PressureFactor · GasPressureScale · PistonArea
};

float CurveValue(const CurveScale& s, float x) {
  return Sng(Chk(PressureShape(s.gasCurve, x) * s.factor));
}

// Rows first..last take the curve from x = start, x growing by dx per row in single precision.
void FillPulse(Column& target, const CurveScale& s, int first, int last, float start, float dx) {
  float x = start;
  for (int i = first; i <= last; ++i) {
    target.at(i) = CurveValue(s, x);
    x += dx;
  }
}

void CopyRows(Column& target, int from, int to, int count) {
  for (int k = 0; k <= count; ++k) target.at(to + k) = target.at(from + k);
}

// The one pulse of a cycle over rows 0..n; the rows between the strokes are 0.
void FillCycle(Column& target, const CurveScale& s, int n, int16_t strokeCycle) {
  if (n < 0 || n > kLastRow) RaiseError(err::SubscriptOutOfRange);
  const double q = n / 4.0;                           // a quarter of the rows: 180 degrees
  const float dx = Sng(Div(0.9, q));                  // x runs 0.1 .. 1.0 over that stretch
  const int quarter = static_cast<int>(std::floor(q));
  const int tail = static_cast<int>(std::lround(n - 0.1 * q));  // the pulse starts 18 degrees early

  FillPulse(target, s, 0, quarter, 0.1f, dx);
  for (int i = quarter; i <= tail; ++i) target.at(i) = 0;
  FillPulse(target, s, tail, n, 0.0f, dx);
  target.at(n) = target.at(0);

  if (strokeCycle == 2) {
    CopyRows(target, 0, 2 * quarter, quarter);            // 360..540 repeats 0..180
    CopyRows(target, 3 * quarter, quarter, quarter);      // 180..360 repeats 540..720
  }
}

}  // namespace

void FillGasForceCurve(const EngineDesignRecord& d, Column& target) {
  // A pressure trace takes the curve's place; the one cylinder is cylinder 1.
  if (d.Pressure) {
    FillTraceForce(d, TraceColumnOf(*d.Pressure, 1), target);
    return;
  }
  const CurveScale s{d.GasCurve,
                     Chk(Chk(static_cast<double>(d.PressureFactor) * d.GasPressureScale) * d.PistonArea)};
  FillCycle(target, s, d.LastStep, d.StrokeCycle);
}

double StoredCurvePeak(int16_t gasCurve) {
  Column curve{};
  FillCycle(curve, {gasCurve, 1.0}, kLastRow, 4);
  return *std::max_element(curve.begin(), curve.end());
}

}  // namespace zorvan
