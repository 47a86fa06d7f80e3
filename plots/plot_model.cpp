#include "plots/plot_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/csv_writer.h"
#include "core/numeric.h"
#include "core/pressure_trace.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

constexpr double kXmin = 0, kXmax = 720;  // 3 x LastStep degrees
constexpr Dash kPatterns[4] = {Dash::Solid, Dash::Dashed, Dash::Dotted, Dash::DashDot};
constexpr Rgb kSetColours[4] = {palette::Blue, palette::Red, palette::Purple, palette::Black};
// A dark green and an orange, which stand apart from every set colour.
constexpr Rgb kOverlayColours[4] = {{0, 140, 0}, {230, 120, 0}, palette::Magenta, palette::Grey};

std::string OverflowText(const std::string& name) {
  return "The magnitude of " + name + " exceeds the capacity of this window.\r\n"
         "Switch to the 'Annotated' style of plot instead of the 'Aligned' style,\r\n"
         "or use a plot type with a larger window to see this function.";
}

// The overlay's curve of a slot beside the plot's own; none when the
// overlay does not draw that function or its design does not offer it.
bool OverlayCurve(const PlotOverlay* o, const PlotSelection& s, int slot) {
  if (!o || !o->design) return false;
  const ResultEntry& e = PlotFunction(s.SlotFunction[slot]);
  return OverlayDraws(*o, e.function) && Offered(*o->design, e);
}

// A curve's name and legend naming its design.
void Named(PlotCurve& c, const std::string& design) {
  c.name = design + ": " + c.name;
  c.legend = c.legend + " - " + design;
}

PlotCurve Curve(const EngineDesignRecord& d, const PlotSelection& s, int slot, int set) {
  PlotCurve c;
  c.name = SlotLegend(d, s, slot);
  c.legend = SlotLegend(d, s, slot, true);
  c.unit = SlotUnit(d, s, slot);
  c.pen = {kSetColours[set & 3], 1.0, kPatterns[set & 3]};
  for (int k = 0; k <= kLastRow; ++k) c.y.push_back(Select_Variable(d, s, k, slot));
  MaxMin1(c.y, 0, kLastRow, c.min, c.max);
  return c;
}

// A label without the point that whole numbers are written with ("8,000." -> "8,000").
std::string Label(double v, int16_t places) {
  std::string t = FNRoundStr(v, places);
  if (!t.empty() && t.back() == '.') t.pop_back();
  return t;
}

bool Representable(double r) { return std::isfinite(r) && std::fabs(r) <= kPlotMagnitudeLimit; }

// The window of the aligned rules: scale, axes, tick marks and quarter lines.
void AlignedFrame(PlotWindow& w, float r, int windowCount) {
  const double span = kXmax - kXmin;
  const bool two = windowCount == 2;
  w.left = kXmin - (two ? 0.16 : 0.18) * span;
  w.right = kXmax + 0.04 * span;
  w.top = (two ? 1.14 : 1.15) * r;
  w.bottom = (two ? -1.4 : -1.7) * r;
  w.lines.push_back({kXmin, 0, kXmax, 0});
  w.lines.push_back({kXmin, -r, kXmin, r});
  // Crank-angle ticks every 24th of the span, in single precision as they
  // always were, and one at the end whatever the rounding left.
  const float step = static_cast<float>(span * 0.041666667);
  for (float x = static_cast<float>(kXmin); x <= static_cast<float>(kXmax); x += step) {
    w.lines.push_back({x, -0.07 * r, x, 0.07 * r});
    w.xTicks.push_back({x, ""});
  }
  if (w.xTicks.back().at != kXmax) w.xTicks.push_back({kXmax, ""});
  w.lines.push_back({kXmax, -0.07 * r, kXmax, 0.07 * r});
  const int n = 5;
  const float ystep = r / n;
  for (float y = -r; y <= (1.0f + 1.0f / n) * r; y += ystep) {
    w.lines.push_back({kXmin - 0.01 * span, y, kXmin + 0.01 * span, y});
    w.yTicks.push_back({y, ""});
  }
  for (int k = 1; k <= 4; ++k) w.lines.push_back({kXmin + k * span / 4, -0.95 * r, kXmin + k * span / 4, r});
  for (int k = 0; k <= 4; ++k) w.xTicks.push_back({kXmin + k * span / 4, std::to_string(k * 180)});
}

PlotWindow AlignedWindow(const EngineDesignRecord& d, const PlotSelection& s, int slot, std::string& message,
                         const PlotOverlay* overlay) {
  PlotWindow w;
  const ResultEntry& e = PlotFunction(s.SlotFunction[slot]);
  w.leftTitle = ShownName(d, e);
  w.component = s.SlotComponentText[slot];
  w.unit = SlotUnit(d, s, slot);
  w.yAxisTitle = w.unit;
  PlotCurve c = Curve(d, s, slot, 0);
  std::vector<PlotCurve> second;
  if (OverlayCurve(overlay, s, slot)) {
    second.push_back(Curve(*overlay->design, s, slot, 0));
    second.back().pen = OverlayPen(0);
    Named(c, overlay->mainName);
    Named(second.back(), overlay->otherName);
  }
  const float r = second.empty() ? CartesianMax(c.y, 0, kLastRow)
                                 : std::max(CartesianMax(c.y, 0, kLastRow), CartesianMax(second[0].y, 0, kLastRow));
  w.r = r;
  if (!Representable(1.7 * r)) {
    w.overflow = true;
    if (message.empty()) message = OverflowText(e.shortName);
  } else {
    AlignedFrame(w, r, s.WindowCount);
  }
  const int16_t places = AlignedDecimals(r);
  w.ymax = Label(r, places);
  w.ymin = Label(-r, places);
  w.maxText = Label(c.max, places);
  w.minText = Label(c.min, places);
  w.peakText = Label(static_cast<double>(c.max) - c.min, places);
  c.pen = {palette::Blue, 1.0, Dash::Solid};
  if (!w.overflow) {
    w.curves.push_back(std::move(c));
    for (PlotCurve& o : second) w.curves.push_back(std::move(o));
  }
  return w;
}

// Round numbers for an axis: about five steps of 1, 2 or 5 x 10^k from below
// lo to above hi, each with its label.
std::vector<PlotTick> NiceTicks(double& lo, double& hi) {
  if (lo == hi) {
    const double pad = lo == 0 ? 0.0001 : std::fabs(lo) * 0.1;
    lo -= pad;
    hi += pad;
  }
  const double rough = (hi - lo) / 5;
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  const double norm = rough / magnitude;
  const double step = (norm < 1.5 ? 1 : norm < 3 ? 2 : norm < 7 ? 5 : 10) * magnitude;
  lo = std::floor(lo / step) * step;
  hi = std::ceil(hi / step) * step;
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  std::vector<PlotTick> ticks;
  for (int i = 0; lo + i * step <= hi + step * 1e-6; ++i) {
    const double v = lo + i * step;
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(v) < step * 1e-6 ? 0.0 : v);
    ticks.push_back({v, text});
  }
  return ticks;
}

void NiceAxis(PlotWindow& w, double lo, double hi) { NiceYAxis(w, lo, hi); }

// The annotated frame: ticks every 45 degrees, labels every 90, grid lines
// as the check boxes ask.
void AnnotatedFrame(PlotWindow& w, const PlotOptions& o, const std::vector<float>& crankAngle) {
  w.left = kXmin;
  w.right = kXmax;
  for (int k = 0; k <= kLastRow; k += 15) {
    const bool labelled = k % 30 == 0;
    w.xTicks.push_back({crankAngle[k], labelled ? Label(FNRound(crankAngle[k], 0), 0) : ""});
    if (o.vGrid) w.lines.push_back({crankAngle[k], w.bottom, crankAngle[k], w.top});
  }
  if (o.hGrid)
    for (const PlotTick& t : w.yTicks) w.lines.push_back({kXmin, t.at, kXmax, t.at});
  if (w.bottom < 0 && w.top > 0) w.lines.push_back({kXmin, 0, kXmax, 0});
}

// One window of the annotated style: every slot of the one-window plot
// (legends name function, component and unit), or one slot with its long
// name as the title.
PlotWindow AnnotatedWindow(const EngineDesignRecord& d, const PlotSelection& s, int firstSlot, int lastSlot,
                           const PlotOptions& o, const std::vector<float>& crankAngle, std::string& message,
                           const PlotOverlay* overlay) {
  const bool multiplot = s.WindowCount != 2 && s.WindowCount != 4;
  PlotWindow w;
  double lo = 0, hi = 0;
  bool first = true;
  for (int slot = firstSlot; slot <= lastSlot; ++slot) {
    PlotCurve c = Curve(d, s, slot, slot - firstSlot);
    if (!multiplot) {  // one function a window: its long name is the title
      w.title = ShownName(d, PlotFunction(s.SlotFunction[slot]), true) + " (" + SlotUnit(d, s, slot) + ")";
      c.legend = PlotFunction(s.SlotFunction[slot]).vector ? s.SlotComponentText[slot] : "Mag";
    }
    lo = first ? c.min : std::min<double>(lo, c.min);
    hi = first ? c.max : std::max<double>(hi, c.max);
    first = false;
    const std::string unit = SlotUnit(d, s, slot);
    w.yAxisTitle = slot == firstSlot || w.yAxisTitle == unit ? unit : "";
    const bool second = OverlayCurve(overlay, s, slot);
    PlotCurve other;
    if (second) {
      other = Curve(*overlay->design, s, slot, slot - firstSlot);
      other.legend = c.legend;
      other.pen = OverlayPen(slot - firstSlot);
      Named(c, overlay->mainName);
      Named(other, overlay->otherName);
      lo = std::min<double>(lo, other.min);
      hi = std::max<double>(hi, other.max);
    }
    w.curves.push_back(std::move(c));
    if (second) w.curves.push_back(std::move(other));
  }
  if (!Representable(lo) || !Representable(hi)) {
    w.overflow = true;
    if (message.empty()) message = OverflowText(PlotFunction(s.SlotFunction[firstSlot]).shortName);
    w.curves.clear();
    return w;
  }
  NiceAxis(w, lo, hi);
  AnnotatedFrame(w, o, crankAngle);
  return w;
}

}  // namespace

// A result that barely changes is drawn flat: the axis spans at least this
// fraction of the largest magnitude on it, so rounding noise (6427.5083 to
// 6427.5088) cannot fill the window with V shapes and square waves.
constexpr double kFlatFraction = 1e-3;

void NiceYAxis(PlotWindow& w, double lo, double hi) {
  const double least = kFlatFraction * std::max(std::fabs(lo), std::fabs(hi));
  if (hi - lo < least) {
    const double middle = (lo + hi) / 2;
    lo = middle - least / 2;
    hi = middle + least / 2;
  }
  w.yTicks = NiceTicks(lo, hi);
  w.bottom = lo;
  w.top = hi;
  w.r = static_cast<float>(std::max(std::fabs(w.top), std::fabs(w.bottom)));
}

void NiceXAxis(PlotWindow& w, double lo, double hi) {
  w.xTicks = NiceTicks(lo, hi);
  w.left = lo;
  w.right = hi;
}

float CartesianMax(const std::vector<float>& v, int first, int last) {
  float smallest = 0, largest = 0;
  MaxMin1(v, first, last, smallest, largest);
  const float r = std::max(std::fabs(smallest), std::fabs(largest));
  return r == 0 ? 0.0001f : r;
}

int16_t AlignedDecimals(float r) { return r >= 100 ? 0 : r >= 10 ? 1 : r >= 1 ? 2 : 3; }

Pen OverlayPen(int set) { return {kOverlayColours[set & 3], 1.0, Dash::Dashed}; }

bool OverlayDraws(const PlotOverlay& o, int function) {
  if (!o.shakingOnly) return true;
  return function >= kPrimaryShakingForce && function <= kTotalShakingMoment;
}

std::string OverlayLegend(const PlotOverlay& o) {
  // The plot's own curves keep their usual pens (some of them dashed too in
  // one window of several curves); the overlay's are always dashed in its colours.
  return "A: " + o.mainName + "     B (dashed, own colours): " + o.otherName;
}

PlotModel BuildPlot(const EngineDesignRecord& d, const PlotSelection& s, bool aligned, const PlotOptions& o,
                    const PlotOverlay* overlay) {
  PlotModel m;
  m.options = o;
  m.crankAngle.assign(d.table.CrankAngle.begin(), d.table.CrankAngle.end());
  const int windows = s.WindowCount == 2 || s.WindowCount == 4 ? s.WindowCount : 1;
  m.aligned = aligned && windows > 1;
  if (d.EngineResultsValid) m.header = {PhaseLine(d), FiringOrderLine(d), FiringAngleLine(d)};
  // A measured pressure trace says so (a design without one keeps its header as it was).
  if (d.Pressure) m.header.push_back(PressureCaption(d));
  if (windows == 1) {
    const int count = std::clamp<int>(s.FunctionCount, 1, 4);
    m.windows.push_back(AnnotatedWindow(d, s, 1, count, o, m.crankAngle, m.overflowMessage, overlay));
  } else {
    for (int slot = 1; slot <= windows; ++slot) {
      m.windows.push_back(m.aligned ? AlignedWindow(d, s, slot, m.overflowMessage, overlay)
                                    : AnnotatedWindow(d, s, slot, slot, o, m.crankAngle, m.overflowMessage, overlay));
    }
  }
  // The line naming both designs, when the overlay drew a curve.
  for (const PlotWindow& w : m.windows)
    for (const PlotCurve& c : w.curves)
      if (overlay && c.name.starts_with(overlay->otherName + ": ")) m.overlayLegend = OverlayLegend(*overlay);
  return m;
}

std::string PlotCsv(const PlotModel& m) {
  std::vector<const PlotCurve*> curves;
  for (const PlotWindow& w : m.windows)
    for (const PlotCurve& c : w.curves)
      if (c.listed) curves.push_back(&c);
  std::string text;
  CsvWriter csv(text, kCsvFile);
  csv.Heading("Crank Angle", "Deg");
  for (const PlotCurve* c : curves) csv.Heading(c->name, {}, true);
  csv.EndLine();
  for (std::size_t k = 0; k < m.crankAngle.size(); ++k) {
    csv.Number(m.crankAngle[k]);
    for (const PlotCurve* c : curves) csv.Number(c->y[k]);
    csv.EndLine();
  }
  return text;
}

}  // namespace zorvan
