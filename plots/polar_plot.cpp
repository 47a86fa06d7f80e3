#include "plots/polar_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/csv_writer.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/pressure_trace.h"
#include "core/result_catalogue.h"
#include "plots/design_header.h"

namespace zorvan {

namespace {

constexpr double kPolarDegToRad = 0.017453292522222223;

std::string Whole(double v) {
  std::string t = FNRoundStr(v, 0);
  if (!t.empty() && t.back() == '.') t.pop_back();
  return t;
}

std::string Short(double v) { return DigitsText(v, 6); }

const Pen kFrame{palette::Black, 0.75, Dash::Solid};
const Pen kEnvelope{palette::Blue, 1.0, Dash::Solid};
const Pen kVector{palette::Green, 0.75, Dash::Solid};
const Pen kCursor{palette::Red, 1.5, Dash::Solid};

}  // namespace

int16_t PolarModeFrom(bool envelope, bool vectors, int16_t previous) {
  if (envelope && vectors) return kPolarBoth;
  if (envelope) return kPolarEnvelope;
  if (vectors) return kPolarVectors;
  return previous;
}

PolarPlotModel BuildPolarPlot(const EngineDesignRecord& d, const PlotSelection& s, int16_t mode,
                              const PlotOverlay* overlay) {
  PolarPlotModel m;
  const ResultEntry& e = PlotFunction(s.SlotFunction[1]);
  m.function = s.SlotFunction[1];
  m.shortName = e.shortName;
  m.longName = e.longName;
  m.unit = ResultUnit(d, e);
  m.rotating = SlotRotates(s, 1);
  m.mode = mode;
  if (d.EngineResultsValid) m.header = {PhaseLine(d), FiringOrderLine(d), FiringAngleLine(d)};
  // A measured pressure trace says so (a design without one keeps its header as it was).
  if (d.Pressure) m.header.push_back(PressureCaption(d));
  m.crankAngle.assign(d.table.CrankAngle.begin(), d.table.CrankAngle.end());
  double sum = 0;
  for (int k = 0; k <= kLastRow; ++k) {
    const auto [mag, ang] = Select_PolarVariable(d, s, k, 1);
    m.magnitude.push_back(mag);
    m.angle.push_back(ang);
    m.x.push_back(mag * static_cast<float>(std::cos(ang * kPolarDegToRad)));
    m.y.push_back(mag * static_cast<float>(std::sin(ang * kPolarDegToRad)));
    if (k == 0 || mag > m.peak) {
      m.peak = mag;
      m.peakAngle = m.crankAngle[k];
    }
    if (k < kLastRow) sum += mag;
  }
  m.mean = static_cast<float>(sum / kLastRow);
  float largest = GlobalMax(m.x, m.y, 0, kLastRow);
  if (overlay && overlay->design && OverlayDraws(*overlay, e.function) && Offered(*overlay->design, e)) {
    for (int k = 0; k <= kLastRow; ++k) {
      const auto [mag, ang] = Select_PolarVariable(*overlay->design, s, k, 1);
      m.overlayX.push_back(mag * static_cast<float>(std::cos(ang * kPolarDegToRad)));
      m.overlayY.push_back(mag * static_cast<float>(std::sin(ang * kPolarDegToRad)));
    }
    for (int k = 0; k < kLastRow; ++k)
      m.overlayEnvelope.push_back({m.overlayX[k], m.overlayY[k], m.overlayX[k + 1], m.overlayY[k + 1]});
    largest = std::max(largest, GlobalMax(m.overlayX, m.overlayY, 0, kLastRow));
    m.overlayLegend = OverlayLegend(*overlay);
  }
  m.frame = MakePolarFrame(largest, 10);
  if (m.frame.overflow) m.overflowMessage = PolarOverflowText(m.longName);
  const float r = m.frame.r;
  m.ymax = m.xmax = Whole(r);
  m.ymin = m.xmin = Whole(-r);
  switch (mode) {
    case kPolarEnvelope:
      m.startPoint = true;
      for (int k = 0; k < kLastRow; ++k) m.envelope.push_back({m.x[k], m.y[k], m.x[k + 1], m.y[k + 1]});
      break;
    case kPolarVectors:
      for (int k = 0; k <= kLastRow; ++k) m.vectors.push_back({0, 0, m.x[k], m.y[k]});
      break;
    case kPolarBoth:
      // Vector and the tip's next step in turn; the last row's vector is the first one again.
      for (int k = 0; k < kLastRow; ++k) {
        m.vectors.push_back({0, 0, m.x[k], m.y[k]});
        m.envelope.push_back({m.x[k], m.y[k], m.x[k + 1], m.y[k + 1]});
      }
      break;
    default: break;
  }
  return m;
}

std::string PolarPeakText(const PolarPlotModel& m) {
  return "Peak " + Short(m.peak) + " " + m.unit + " at " + Whole(m.peakAngle) + " deg";
}

std::string PolarTitle(const PolarPlotModel& m) {
  return m.longName + (m.rotating ? ", rotating frame" : ", global frame") + " (" + m.unit + ")";
}

std::string PolarMeanText(const PolarPlotModel& m) { return "Mean " + Short(m.mean) + " " + m.unit; }

std::string PolarCsv(const PolarPlotModel& m) {
  std::string text;
  CsvWriter csv(text, kCsvFile);
  csv.Heading("Crank Angle", "Deg");
  const std::string name = m.shortName + (m.rotating ? " Rotating" : " Global");
  for (const char* part : {" X", " Y", " Mag"}) csv.Heading(name + part, m.unit, true);
  csv.Heading(name + " Ang", "Deg", true);
  csv.EndLine();
  for (std::size_t k = 0; k < m.x.size(); ++k) {
    for (double v : {m.crankAngle[k], m.x[k], m.y[k], m.magnitude[k], m.angle[k]}) csv.Number(v);
    csv.EndLine();
  }
  return text;
}

PolarArea PaintPolarPlot(Canvas& c, const PolarPlotModel& m, int cursorRow) {
  const double width = c.WidthPt(), height = c.HeightPt();
  c.Viewport(0, 0, 0, 0);
  c.Scale(0, 0, width, height);
  c.Clear(palette::White);
  const double size = std::clamp(std::min(width, height) / 45, 6.0, 10.0);
  const double lh = size * 1.3;
  double top = 0;
  for (const std::string& line : m.header) {
    top += lh;
    c.Text(4, top, line, palette::Black, size, Align::Left);
  }
  top += lh;
  c.Text(width / 2, top, PolarTitle(m), palette::Black, size + 1, Align::Centre);
  c.Text(4, top + lh * 1.2, PolarPeakText(m), palette::Black, size, Align::Left);
  c.Text(4, top + lh * 2.2, PolarMeanText(m), palette::Black, size, Align::Left);
  if (!m.overlayLegend.empty()) {
    c.Text(4, top + lh * 3.2, m.overlayLegend, palette::Black, size, Align::Left);
    top += lh;
  }
  top += lh * 0.6;
  // The window as wide as it is high in user units, so a circle stays round.
  const PolarFrame& f = m.frame;
  const double spanX = 2.2, spanY = 2.23;
  const double availW = width - 2 * (c.TextWidthPt(m.xmin, size) + 8), availH = height - top - 2 * lh - 4;
  const double unit = std::max(1.0, std::min(availW / spanX, availH / spanY));
  PolarArea a{(width - unit * spanX) / 2, top + lh + (availH - unit * spanY) / 2, unit * spanX, unit * spanY,
              f.left, f.top, f.right, f.bottom};
  const bool drawable = !f.overflow && c.CanScale(f.left, f.top, f.right, f.bottom);
  if (drawable) {
    c.Viewport(a.x, a.y, a.w, a.h);
    c.Scale(f.left, f.top, f.right, f.bottom);
    for (const PlotSegment& s : f.lines) c.Line(s.x1, s.y1, s.x2, s.y2, kFrame);
    if (m.startPoint && !m.x.empty()) c.Point(m.x[0], m.y[0], palette::Blue);
    if (m.mode == kPolarBoth) {
      for (std::size_t k = 0; k < m.envelope.size(); ++k) {
        const PlotSegment& v = m.vectors[k];
        c.Line(v.x1, v.y1, v.x2, v.y2, kVector);
        c.LineTo(m.envelope[k].x2, m.envelope[k].y2, kEnvelope);
      }
    } else {
      for (const PlotSegment& v : m.vectors) c.Line(v.x1, v.y1, v.x2, v.y2, kVector);
      for (const PlotSegment& s : m.envelope) c.Line(s.x1, s.y1, s.x2, s.y2, kEnvelope);
    }
    for (const PlotSegment& s : m.overlayEnvelope) c.Line(s.x1, s.y1, s.x2, s.y2, OverlayPen(0));
    if (cursorRow >= 0 && cursorRow < static_cast<int>(m.x.size())) {
      c.Line(0, 0, m.x[cursorRow], m.y[cursorRow], kCursor);
      c.Circle(m.x[cursorRow], m.y[cursorRow], 0.015 * f.r, kCursor);
    }
    c.Viewport(0, 0, 0, 0);
    c.Scale(0, 0, width, height);
  }
  // The axis ends: the magnitude at the ends of both axes.
  const double cx = a.x + a.w / 2, cy = a.y + a.h / 2, rr = a.w / 2.2;
  c.Text(cx + 4, cy - rr - 2, m.ymax, palette::Black, size, Align::Left);
  c.Text(cx + 4, cy + rr + size + 2, m.ymin, palette::Black, size, Align::Left);
  c.Text(cx + rr + 4, cy + size / 3, m.xmax, palette::Black, size, Align::Left);
  c.Text(cx - rr - 4, cy + size / 3, m.xmin, palette::Black, size, Align::Right);
  if (cursorRow >= 0 && cursorRow < static_cast<int>(m.x.size())) {
    const std::string u = " " + m.unit;
    const std::string text = "Crank " + Whole(m.crankAngle[cursorRow]) + " deg   X " + Short(m.x[cursorRow]) + u +
                             "   Y " + Short(m.y[cursorRow]) + u + "   Mag " + Short(m.magnitude[cursorRow]) + u +
                             "   Ang " + Short(m.angle[cursorRow]) + " deg";
    c.Text(width - 4, height - 4, text, palette::Black, size, Align::Right);
  }
  return a;
}

int PolarRowAt(const PolarArea& a, const PolarPlotModel& m, double xPt, double yPt) {
  if (xPt < a.x || xPt > a.x + a.w || yPt < a.y || yPt > a.y + a.h || a.w <= 0 || a.h <= 0) return -1;
  const double ux = a.left + (xPt - a.x) / a.w * (a.right - a.left);
  const double uy = a.top + (yPt - a.y) / a.h * (a.bottom - a.top);
  int best = -1;
  double nearest = 0;
  for (std::size_t k = 0; k < m.x.size(); ++k) {
    const double dd = std::hypot(m.x[k] - ux, m.y[k] - uy);
    if (best < 0 || dd < nearest) {
      best = static_cast<int>(k);
      nearest = dd;
    }
  }
  return best;
}

}  // namespace zorvan
