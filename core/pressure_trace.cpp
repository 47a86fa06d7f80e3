// The pressure trace fitted to a working cycle and resampled to the rows of
// the results table; its gas force.
#include "core/pressure_trace.h"

#include <algorithm>
#include <cmath>

#include "core/checked.h"
#include "core/number_text.h"
#include "core/units.h"

namespace zorvan {

namespace {

constexpr double kRowDegrees = 3;

std::string Angle(double v) { return DigitsText(v, 7); }

std::string Where(const PressureTrace& t, int line, int column) {
  return t.source + ": line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
}

// One column of whole cycles as a periodic curve: the monotone cubic through
// its points (Fritsch-Carlson slopes), repeating every `period` degrees.
class PeriodicCurve {
 public:
  PeriodicCurve(const std::vector<double>& x, const std::vector<double>& y, std::size_t n, double period)
      : x_(x), y_(y), n_(n), period_(period), slope_(n) {
    for (std::size_t k = 0; k < n_; ++k) {
      const std::size_t before = (k + n_ - 1) % n_;
      const double hl = Step(before), hr = Step(k);
      const double dl = (y_[k] - y_[before]) / hl, dr = (y_[(k + 1) % n_] - y_[k]) / hr;
      if (!(dl * dr > 0)) continue;  // an extreme or a flat: the curve levels out here
      const double w1 = 2 * hr + hl, w2 = hr + 2 * hl;
      slope_[k] = (w1 + w2) / (w1 / dl + w2 / dr);
    }
  }

  double At(double u) const {
    double r = std::fmod(u - x_[0], period_);
    if (r < 0) r += period_;
    u = x_[0] + r;
    std::size_t k = static_cast<std::size_t>(std::upper_bound(x_.begin(), x_.begin() + n_, u) - x_.begin());
    k = k == 0 ? 0 : k - 1;
    if (u == x_[k]) return y_[k];
    const double h = Step(k), t = (u - x_[k]) / h, t2 = t * t, t3 = t2 * t;
    const double y1 = y_[(k + 1) % n_];
    return (2 * t3 - 3 * t2 + 1) * y_[k] + (t3 - 2 * t2 + t) * h * slope_[k] + (3 * t2 - 2 * t3) * y1 +
           (t3 - t2) * h * slope_[(k + 1) % n_];
  }

 private:
  double Step(std::size_t k) const { return (k + 1 < n_ ? x_[k + 1] : x_[0] + period_) - x_[k]; }

  const std::vector<double>& x_;
  const std::vector<double>& y_;
  std::size_t n_;
  double period_;
  std::vector<double> slope_;
};

// The averaged cycle of one column at a crank angle.
double CycleMean(const PeriodicCurve& curve, double angle, double cycle, int cycles) {
  if (cycles == 1) return curve.At(angle);
  double sum = 0;
  for (int j = 0; j < cycles; ++j) sum += curve.At(angle + j * cycle);
  return sum / cycles;
}

TraceCycleFit Fit(const PressureTrace& t, double cycle) {
  TraceCycleFit fit;
  const std::size_t n = t.angles.size();
  const double first = t.angles.front(), span = t.angles.back() - first;
  double widest = 0;
  for (std::size_t k = 1; k < n; ++k) widest = std::max(widest, t.angles[k] - t.angles[k - 1]);
  const double whole = std::max(1.0, std::round(span / cycle));
  const double gap = whole * cycle - span, tolerance = 1e-9 * cycle;
  const std::string where = Where(t, t.lastLine, 1);
  const std::string range = "the angles run from " + Angle(first) + " to " + Angle(t.angles.back()) + " degrees";
  const std::string cycles = whole == 1 ? "one cycle of " + Angle(cycle) + " degrees"
                                        : Angle(whole) + " cycles of " + Angle(cycle) + " degrees";
  if (gap < -tolerance) {
    fit.fault = where + range + ", more than " + cycles + ": a trace holds whole cycles";
    return fit;
  }
  if (gap > widest + tolerance) {
    fit.fault = where + range + ": they do not cover " + cycles + " (the gap from the last angle round to the " +
                "first, " + Angle(gap) + " degrees, is wider than the widest step between points, " +
                Angle(widest) + ")";
    return fit;
  }
  // A last point one whole period after the first closes the cycle: it is the first again.
  const std::size_t used = gap <= tolerance ? n - 1 : n;
  if (static_cast<double>(used) < kFewestTracePoints * whole) {
    fit.fault = where + "only " + std::to_string(static_cast<long long>(used / whole)) + " points for each cycle of " +
                Angle(cycle) + " degrees; a trace needs at least " + std::to_string(kFewestTracePoints);
    return fit;
  }
  fit.cycles = static_cast<int>(whole);
  fit.points = static_cast<int>(used);
  const int rows = static_cast<int>(cycle / kRowDegrees);
  const double period = whole * cycle;
  for (const std::vector<double>& y : t.columns) {
    const PeriodicCurve curve(t.angles, y, used, period);
    std::vector<double> r(rows);
    for (int k = 0; k < rows; ++k) r[k] = CycleMean(curve, k * kRowDegrees, cycle, fit.cycles);
    // The peak of the averaged cycle, sought at the phases of the first cycle's points.
    double peak = -HUGE_VAL, peakAngle = 0;
    for (std::size_t i = 0; i < used && t.angles[i] < first + cycle; ++i) {
      const double p = CycleMean(curve, t.angles[i], cycle, fit.cycles);
      if (p > peak) peak = p, peakAngle = t.angles[i];
    }
    double phase = std::fmod(peakAngle, cycle);
    if (phase < 0) phase += cycle;
    const int row = static_cast<int>(std::lround(phase / kRowDegrees)) % rows;
    r[row] = std::max(r[row], peak);
    fit.rows.push_back(std::move(r));
  }
  return fit;
}

}  // namespace

std::shared_ptr<const PressureTrace> CompleteTrace(PressureTrace trace) {
  trace.fits = {Fit(trace, 360), Fit(trace, 720)};
  return std::make_shared<const PressureTrace>(std::move(trace));
}

std::shared_ptr<const PressureTrace> WithCompressionRatio(const PressureTrace& t, std::optional<double> ratio) {
  auto copy = std::make_shared<PressureTrace>(t);
  copy->compressionRatio = ratio;
  return copy;
}

std::optional<std::string> PressureFault(const EngineDesignRecord& d) {
  if (!d.Pressure) return std::nullopt;
  const PressureTrace& t = *d.Pressure;
  const TraceCycleFit& fit = t.FitFor(d.StrokeCycle);
  if (!fit.fault.empty()) return fit.fault;
  const int columns = t.Columns(), cylinders = d.NumCylinders;
  if (columns == 1 || columns == cylinders) return std::nullopt;
  // The first pressure column too many, or the first one missing (the angle is column 1).
  const int column = (columns > cylinders ? cylinders : columns) + 2;
  return Where(t, t.columnsLine, column) + "the trace has " + std::to_string(columns) +
         " pressure columns and the design " + std::to_string(cylinders) +
         " cylinders: give one column for every cylinder or one column per cylinder";
}

std::string PressureCaption(const EngineDesignRecord& d) {
  if (!d.Pressure) return {};
  return "Pressure: measured, " + d.Pressure->source + ", " + std::to_string(d.Pressure->Points()) + " points";
}

double HeldPressurePerBar(int16_t unitSystem) { return kPascalsPerBar / PascalsPerHeldPressure(unitSystem); }

void FillTraceForce(const EngineDesignRecord& d, int column, Column& target) {
  if (auto fault = PressureFault(d)) throw RunTimeError(err::InvalidCall, *fault);
  if (d.LastStep < 0 || d.LastStep > kLastRow) RaiseError(err::SubscriptOutOfRange);
  const std::vector<double>& rows = d.Pressure->FitFor(d.StrokeCycle).rows.at(static_cast<std::size_t>(column));
  const double force = Chk(HeldPressurePerBar(d.UnitSystem) * d.PistonArea);
  for (int i = 0; i <= d.LastStep; ++i) target[i] = Sng(Chk(rows[static_cast<std::size_t>(i) % rows.size()] * force));
}

}  // namespace zorvan
