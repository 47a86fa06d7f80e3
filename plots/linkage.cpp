// The linkage picture: one frame per crank position, each bank's piston, rod,
// crank and bearings, drawn on the canvas in user units of the engine.
#include "plots/linkage.h"

#include <algorithm>
#include <cmath>

#include "core/checked.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

constexpr double kRowToRad = 0.017453292522222223;
constexpr double kQuarterTurn = 1.570796327;
constexpr int N = kLinkageRowsPerTurn;

// The row offset of a fraction q of a revolution for bank multiplier p.
int RowOffset(double q, int p) {
  const double f = (N * q - N) * p;
  const double o = std::nearbyint(std::fabs(Chk(f)));  // halves to even
  if (o > 32767) RaiseError(err::Overflow);
  const int offset = static_cast<int>(o);
  return offset > N && p != 0 ? offset - N : offset;
}

// A row of the table: phase angles beyond one revolution fold back into the
// table by whole revolutions, so no row outside 0..240 is ever read.
int TableRow(int row) {
  if (row >= 0 && row <= kLastRow) return row;
  return ((row % N) + N) % N;
}

// (a, b) turned by alpha about (x0, y0).
Point2 Turned(double a, double b, double alpha, Point2 about) {
  return {a * std::cos(alpha) - b * std::sin(alpha) + about.x, a * std::sin(alpha) + b * std::cos(alpha) + about.y};
}

struct BankFrame {
  Point2 crankPin, wristPin;
  double theta = 0, alpha = 0;
};

BankFrame BankAt(const EngineDesignRecord& d, const LinkageGeometry& g, int rowK, int bank) {
  const CrankAngleTable& t = d.table;
  const double radius = d.CrankRadius;
  const int middle = static_cast<int>(d.NumCylinders / 2.0 + 1);
  const int m = middle >= 1 && middle <= kMaxCylinders ? middle : 1;
  BankFrame f;
  const int crankRow = TableRow(rowK + RowOffset(d.PhaseAngle[m] / 360.0, bank - 1));
  f.theta = t.CrankAngle[crankRow] * kRowToRad;
  f.crankPin = {radius * std::sin(f.theta), g.crankY - radius * std::cos(f.theta)};
  if (!d.EngineResultsValid) {
    f.wristPin = {d.WristpinOffset, g.crankY - t.PistonPosition[TableRow(rowK)]};
    return f;
  }
  const double halfVee = std::nearbyint(d.VeeAngle / 2.0);
  int row = rowK;
  if (d.Arrangement == 1)
    row = rowK + RowOffset(d.PhaseAngle[m] / 360.0, bank - 1);
  else if (bank == 1)
    row = rowK + N - RowOffset((halfVee + d.PhaseAngle[1]) / 360.0, 1);
  else if (bank == 2)
    row = rowK + RowOffset((halfVee + d.PhaseAngle[m]) / 360.0, 1);
  const double tilt = d.BankAngleRad[bank];
  const Point2 p = PPxy(t.PistonPosition, TableRow(row), tilt, d.WristpinOffset);
  f.wristPin = {p.x, g.crankY - p.y};
  f.alpha = kQuarterTurn - tilt;
  return f;
}

void DrawBank(Canvas& canvas, const EngineDesignRecord& d, const LinkageGeometry& g, const BankFrame& f,
              const Pen& pen) {
  const double half = d.Bore / 2.0, bearing = 0.03 * g.size;
  const Point2 centre{0, g.crankY};
  // The piston: a square of side B about the wrist pin, turned with its bank.
  const Point2 corners[] = {Turned(-half, -half, f.alpha, f.wristPin), Turned(half, -half, f.alpha, f.wristPin),
                            Turned(half, half, f.alpha, f.wristPin), Turned(-half, half, f.alpha, f.wristPin)};
  canvas.Line(corners[3].x, corners[3].y, corners[0].x, corners[0].y, pen);
  for (int k = 1; k < 4; ++k) canvas.LineTo(corners[k].x, corners[k].y, pen);
  canvas.Circle(centre.x, centre.y, bearing, pen);
  canvas.Circle(centre.x, centre.y, d.CrankRadius, pen);
  canvas.Line(centre.x, centre.y, f.crankPin.x, f.crankPin.y, pen);
  canvas.Circle(f.crankPin.x, f.crankPin.y, bearing, pen);
  if (d.BalanceResultsValid && !d.EngineResultsValid) {
    // The counterweight opposite the crank pin, at its own radius.
    const double r = d.CounterweightRadius;
    const Point2 weight{-r * std::sin(f.theta), g.crankY + r * std::cos(f.theta)};
    canvas.Line(centre.x, centre.y, weight.x, weight.y, pen);
    canvas.Circle(weight.x, weight.y, 0.06 * g.size, pen);
  }
  canvas.Line(f.crankPin.x, f.crankPin.y, f.wristPin.x, f.wristPin.y, pen);
  canvas.Circle(f.wristPin.x, f.wristPin.y, bearing, pen);
}

}  // namespace

LinkageGeometry LinkageGeometryOf(const EngineDesignRecord& d) {
  LinkageGeometry g;
  g.size = Chk(static_cast<double>(d.ConrodLength) + d.CrankRadius + d.Bore / 2.0);
  g.height = Chk(g.size * d.DrawingScale);
  g.crankY = 2 * g.height;
  return g;
}

bool Animate_Setup(Canvas& canvas, const EngineDesignRecord& d, Ui& ui) {
  return Guarded(ui, "Animate_Setup", [&] {
    const LinkageGeometry g = LinkageGeometryOf(d);
    const double h = g.height;
    if (!canvas.CanScale(-h, 0.5 * h, h, 2.5 * h)) RaiseError(err::InvalidCall);
    canvas.Clear(palette::White);
    canvas.Scale(-h, 0.5 * h, h, 2.5 * h);
  });
}

Point2 PPxy(const Column& positions, int row, double tilt, float wristpinOffset) {
  if (row < 0 || row > kLastRow) RaiseError(err::SubscriptOutOfRange);
  const double s = positions[row];
  const double phi = s != 0 ? std::atan(wristpinOffset / s) : 0.0;
  return {s * std::sin(phi + tilt), s * std::cos(phi + tilt)};
}

int LinkageBanks(const EngineDesignRecord& d) {
  if (!d.EngineResultsValid) return 1;
  return d.Arrangement == 4 ? 3 : 2;
}

void DrawLinkageFrame(Canvas& canvas, const EngineDesignRecord& d, int rowK, Rgb colour) {
  const LinkageGeometry g = LinkageGeometryOf(d);
  const Pen pen{colour, 1.0, Dash::Solid};
  for (int bank = 1; bank <= LinkageBanks(d); ++bank) DrawBank(canvas, d, g, BankAt(d, g, rowK, bank), pen);
}

bool DrawLinkageStill(Canvas& canvas, const EngineDesignRecord& d, Ui& ui) {
  return Animate_Setup(canvas, d, ui) &&
         Guarded(ui, "PPxy", [&] { DrawLinkageFrame(canvas, d, 0, palette::Red); });
}

void LinkageAnimation::Restart() {
  pass_ = 0;
  rowK_ = -kLinkageFrameStep;
  running_ = true;
}

bool LinkageAnimation::StepPicture(RecordingCanvas& picture, Ui& ui) {
  // The picture keeps only what stands: the set-up, the frame a finished
  // revolution left, and this step's erase and draw.
  const bool standing = pass_ > 0 || rowK_ == N;
  picture.Reset();
  if (!Animate_Setup(picture, d_, ui)) {
    running_ = false;
    return false;
  }
  if (standing) DrawLinkageFrame(picture, d_, N, palette::Red);
  return Step(picture, ui);
}

bool LinkageAnimation::Step(Canvas& canvas, Ui& ui) {
  if (!running_) return false;
  const bool ok = Guarded(ui, "PPxy", [&] {
    // The frame standing is erased, unless it ended the revolution before.
    if (rowK_ >= 0 && rowK_ < N) DrawLinkageFrame(canvas, d_, rowK_, palette::White);
    rowK_ += kLinkageFrameStep;
    if (rowK_ > N) {
      rowK_ = 0;
      ++pass_;
    }
    if (pass_ >= kLinkagePasses) {
      running_ = false;
      return;
    }
    DrawLinkageFrame(canvas, d_, rowK_, palette::Red);
  });
  if (!ok) running_ = false;
  return running_;
}

int FrameIntervalMs(int speedRange, int animationDelay) {
  if (animationDelay <= 0 || speedRange <= 0) return 0;  // the fastest slider position: no pause
  constexpr double kFrames = N / kLinkageFrameStep + 1;  // 21 frames a revolution
  // The range list narrows the slider's slow end: 1000 spans 5 s to 0.2 s a revolution.
  const double spread = std::min(speedRange, 1000) / 1000.0;
  const double revolution = 0.2 + 4.8 * spread * std::min(animationDelay, 32767) / 32767.0;
  return static_cast<int>(std::lround(1000 * revolution / kFrames));
}

}  // namespace zorvan
