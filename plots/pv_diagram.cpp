// The p-V diagram's model, painter and numbers.
#include "plots/pv_diagram.h"

#include <algorithm>
#include <cmath>

#include "core/csv_writer.h"
#include "core/display_units.h"
#include "core/indicated.h"
#include "core/number_text.h"
#include "core/pressure_trace.h"
#include "core/runtime_error.h"
#include "core/unit_slots.h"
#include "platform/palette.h"

namespace zorvan {

namespace {

constexpr Rgb kLoopColours[] = {palette::Blue, palette::Red, Rgb{0, 128, 0}, palette::Purple, Rgb{200, 120, 0},
                                palette::Grey, Rgb{0, 128, 128}, palette::Black};

// Ticks at 1, 2 and 5 of every decade from lo to hi (decades), labelled at whole decades
// and, over less than two decades, at 2 and 5 too.
std::vector<PlotTick> DecadeTicks(double lo, double hi) {
  std::vector<PlotTick> ticks;
  const bool few = hi - lo < 2;
  for (int e = static_cast<int>(std::floor(lo)); e <= static_cast<int>(std::ceil(hi)); ++e)
    for (int m : {1, 2, 5}) {
      const double at = e + std::log10(m);
      if (at >= lo - 1e-9 && at <= hi + 1e-9)
        ticks.push_back({at, m == 1 || few ? ShortestText(m * std::pow(10.0, e)) : ""});
    }
  return ticks;
}

void Axes(PvDiagram& m) {
  double xlo = HUGE_VAL, xhi = -HUGE_VAL, ylo = HUGE_VAL, yhi = -HUGE_VAL;
  for (const PvLoop& l : m.loops) {
    for (double v : l.volume) xlo = std::min(xlo, v), xhi = std::max(xhi, v);
    for (double p : l.pressure) ylo = std::min(ylo, p), yhi = std::max(yhi, p);
  }
  if (m.logScale) {
    m.left = std::floor(std::log10(xlo) * 10) / 10, m.right = std::ceil(std::log10(xhi) * 10) / 10;
    m.bottom = std::floor(std::log10(ylo) * 10) / 10, m.top = std::ceil(std::log10(yhi) * 10) / 10;
    if (m.top <= m.bottom) m.top = m.bottom + 1;
    m.xTicks = DecadeTicks(m.left, m.right);
    m.yTicks = DecadeTicks(m.bottom, m.top);
    return;
  }
  PlotWindow w;
  NiceXAxis(w, std::min(xlo, 0.0), xhi);
  NiceYAxis(w, std::min(ylo, 0.0), std::max(yhi, 1.0));
  m.left = w.left, m.right = w.right, m.bottom = w.bottom, m.top = w.top;
  m.xTicks = w.xTicks, m.yTicks = w.yTicks;
}

}  // namespace

PvDiagram BuildPvDiagram(const EngineDesignRecord& d, bool logScale, std::optional<double> ratio) {
  if (!ratio && d.Pressure) ratio = d.Pressure->compressionRatio;
  if (ratio && !(*ratio > 1 && *ratio <= 1000))
    throw RunTimeError(err::InvalidCall, "The compression ratio must be above 1 and up to 1000.");
  if (logScale && !ratio)
    throw RunTimeError(err::InvalidCall,
                       "The log-log p-V diagram needs the clearance volume: give the compression ratio.");
  const PressurePoints p = PressurePointsOf(d);
  PvDiagram m;
  m.logScale = logScale;
  m.caption = d.Pressure ? PressureCaption(d) : "Pressure: built-in curve, " + std::to_string(p.angles.size()) + " points";
  m.title = logScale ? "p-V diagram (log-log)" : "p-V diagram";
  m.volumeUnit = d.UnitLabel[kVolumeSlot];
  m.xTitle = (ratio ? "Cylinder volume (" : "Volume swept from top dead centre (") + m.volumeUnit + ")";
  m.yTitle = logScale ? "Pressure (bar absolute)" : "Pressure (bar gauge)";
  m.angles = p.angles;
  const double clearance = ratio ? ClearanceVolume(d, *ratio) : 0;
  const double perBar = HeldPressurePerBar(d.UnitSystem);
  std::vector<double> volumes;
  for (double a : p.angles)
    volumes.push_back(ToDisplay(SweptVolumeAt(d, a) + clearance, Quantity::Volume, d.UnitSystem));
  for (std::size_t c = 0; c < p.columns.size(); ++c) {
    PvLoop l;
    l.name = p.columns.size() == 1 ? "p" : "p" + std::to_string(c + 1);
    l.colour = kLoopColours[c % std::size(kLoopColours)];
    l.volume = volumes;
    for (double held : p.columns[c]) l.pressure.push_back(held / perBar + (logScale ? kStandardAtmosphereBar : 0));
    m.loops.push_back(std::move(l));
  }
  Axes(m);
  return m;
}

void PaintPvDiagram(Canvas& c, const PvDiagram& m) {
  const double width = c.WidthPt(), height = c.HeightPt();
  c.Viewport(0, 0, 0, 0);
  c.Scale(0, 0, width, height);
  c.Clear(palette::White);
  const double size = std::clamp(height / 40, 6.0, 10.0), lh = size * 1.3;
  double left = 10;
  for (const PlotTick& t : m.yTicks) left = std::max(left, c.TextWidthPt(t.text, size) + 2 * lh);
  const double top = 3.2 * lh, bottom = height - 2.6 * lh, right = width - 2 * size;
  c.Text(width / 2, lh, m.title, palette::Black, size + 1, Align::Centre);
  c.Text(width / 2, 2.2 * lh, m.caption, palette::Black, size, Align::Centre);
  if (bottom - top < 10 || right - left < 40) return;
  const auto px = [&](double v) { return left + (v - m.left) / (m.right - m.left) * (right - left); };
  const auto py = [&](double v) { return bottom - (v - m.bottom) / (m.top - m.bottom) * (bottom - top); };
  const auto at = [&](double v) { return m.logScale ? std::log10(v) : v; };
  for (const PlotTick& t : m.yTicks) {
    c.Line(left, py(t.at), right, py(t.at), {palette::Grey, 0.5, Dash::Dotted});
    c.Text(left - 4, py(t.at) + size / 3, t.text, palette::Black, size, Align::Right);
  }
  for (const PlotTick& t : m.xTicks) {
    c.Line(px(t.at), top, px(t.at), bottom, {palette::Grey, 0.5, Dash::Dotted});
    c.Text(px(t.at), bottom + lh, t.text, palette::Black, size, Align::Centre);
  }
  double lx = left + size;
  for (const PvLoop& l : m.loops) {
    const std::size_t n = l.volume.size();
    for (std::size_t k = 0; k < n; ++k) {  // the loop closes back to its first point
      const std::size_t j = (k + 1) % n;
      c.Line(px(at(l.volume[k])), py(at(l.pressure[k])), px(at(l.volume[j])), py(at(l.pressure[j])), {l.colour, 1});
    }
    if (m.loops.size() > 1) {
      c.Line(lx, top + lh, lx + 2 * size, top + lh, {l.colour, 2});
      c.Text(lx + 2.5 * size, top + lh + size / 3, l.name, palette::Black, size, Align::Left);
      lx += 4 * size + c.TextWidthPt(l.name, size);
    }
  }
  c.Box(left, top, right, bottom, {palette::Black, 0.75}, false);
  c.Text((left + right) / 2, height - 0.5 * lh, m.xTitle, palette::Black, size, Align::Centre);
  c.Text(left, top - 0.3 * lh, m.yTitle, palette::Black, size, Align::Left);
}

std::string PvDiagramCsv(const PvDiagram& m) {
  std::string out;
  CsvWriter w(out, kCsvFile);
  w.Heading("angle", "deg").Heading("V", m.volumeUnit);
  for (const PvLoop& l : m.loops) w.Heading(l.name, m.logScale ? "bar abs" : "bar");
  w.EndLine();
  for (std::size_t k = 0; k < m.angles.size(); ++k) {
    w.Number(m.angles[k]).Number(m.loops.empty() ? 0 : m.loops[0].volume[k]);
    for (const PvLoop& l : m.loops) w.Number(l.pressure[k]);
    w.EndLine();
  }
  return out;
}

}  // namespace zorvan
