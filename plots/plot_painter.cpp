#include "plots/plot_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zorvan {

namespace {

struct Rect {
  double x, y, w, h;
};

const Pen kFrame{palette::Black, 0.75, Dash::Solid};
const Pen kGrid{palette::Grey, 0.5, Dash::Dotted};
const Pen kCursor{palette::Grey, 0.75, Dash::Dashed};

// Text in the points of a rectangle: y grows downwards from its top.
void PointScale(Canvas& c, const Rect& r) {
  c.Viewport(r.x, r.y, r.w, r.h);
  c.Scale(r.x, r.y, r.x + r.w, r.y + r.h);
}

// The largest size, from `size` down to 5 points, at which every text fits `width`.
double Fitting(Canvas& c, const std::vector<std::string>& texts, double width, double size) {
  for (; size > 5; size -= 0.5) {
    bool fits = true;
    for (const std::string& t : texts) fits = fits && c.TextWidthPt(t, size) <= width;
    if (fits) break;
  }
  return size;
}

// A value as the cursor reads it; a point without a value (a design that
// failed) has none.
std::string ValueText(float v) {
  if (!std::isfinite(v)) return "none";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", static_cast<double>(v));
  return buf;
}

// A curve through its points; a point without a value leaves a gap.
void DrawCurve(Canvas& c, const PlotCurve& curve, const std::vector<float>& x, bool lines, bool sticks,
               double base) {
  bool drawing = false;
  for (std::size_t k = 0; lines && k < curve.y.size(); ++k) {
    if (!std::isfinite(curve.y[k])) {
      drawing = false;
      continue;
    }
    if (!drawing) c.Point(x[k], curve.y[k], curve.pen.colour);
    drawing = true;
    c.LineTo(x[k], curve.y[k], curve.pen);
  }
  for (std::size_t k = 0; sticks && k < curve.y.size(); ++k)
    if (std::isfinite(curve.y[k])) c.Line(x[k], base, x[k], curve.y[k], {curve.pen.colour, 0.5});
}

// The cursor's line and the values of the row, in the window's top corner;
// the data rectangle spans x values xLeft to xRight.
void DrawCursor(Canvas& c, const PlotModel& m, const PlotWindow& w, const Rect& data, double xLeft, double xRight,
                int row, double size) {
  if (row < 0 || row >= static_cast<int>(m.crankAngle.size()) || w.overflow) return;
  const double x = data.x + (m.crankAngle[row] - xLeft) / (xRight - xLeft) * data.w;
  std::vector<std::string> lines{m.xName + " " + ValueText(m.crankAngle[row]) + " " + m.xUnit};
  for (const PlotCurve& cv : w.curves) {
    if (!cv.listed) continue;
    // "T Gas Mag: 1234 lb-in": the unit after the value rather than in the name.
    std::string name = cv.name;
    const std::string inName = " (" + cv.unit + ")";
    if (!cv.unit.empty() && name.ends_with(inName)) name.resize(name.size() - inName.size());
    lines.push_back(name + ": " + ValueText(cv.y[row]) + (cv.unit.empty() ? "" : " " + cv.unit));
  }
  double width = 0;
  for (const std::string& t : lines) width = std::max(width, c.TextWidthPt(t, size));
  c.Line(x, data.y, x, data.y + data.h, kCursor);
  const double boxX = x + width + 8 < data.x + data.w ? x + 4 : std::max(data.x, x - width - 8);
  c.Box(boxX, data.y + 2, boxX + width + 4, data.y + 4 + lines.size() * size * 1.2, {palette::White}, true);
  for (std::size_t i = 0; i < lines.size(); ++i)
    c.Text(boxX + 2, data.y + 2 + (i + 1) * size * 1.2, lines[i], palette::Black, size, Align::Left);
}

PlotArea PaintAligned(Canvas& c, const PlotModel& m, const PlotWindow& w, const Rect& r, int cursor) {
  const double span = w.right - w.left, height = w.top - w.bottom;
  auto px = [&](double x) { return r.x + (x - w.left) / span * r.w; };
  auto py = [&](double y) { return r.y + (w.top - y) / height * r.h; };
  if (!w.overflow) {
    c.Viewport(r.x, r.y, r.w, r.h);
    c.Scale(w.left, w.top, w.right, w.bottom);
    for (const PlotSegment& s : w.lines) c.Line(s.x1, s.y1, s.x2, s.y2, kFrame);
    for (const PlotCurve& cv : w.curves) DrawCurve(c, cv, m.crankAngle, true, false, 0);
  }
  PointScale(c, r);
  const double margin = w.overflow ? r.w * 0.16 : px(0) - r.x;
  double size = std::clamp(r.h / 11, 5.0, 10.0);
  size = Fitting(c, {w.leftTitle, w.component, w.unit, w.ymax, w.ymin}, margin - 6, size);
  const double lh = size * 1.2;
  // The panels of the left margin, centred on the axis between the scale's
  // ends: name, component and unit.
  std::vector<std::string> panel{w.leftTitle, w.component, "(" + w.unit + ")"};
  const double middle = w.overflow ? r.y + r.h / 2 : py(0);
  for (std::size_t i = 0; i < panel.size(); ++i)
    c.Text(r.x + 3, middle + (static_cast<double>(i) - 1) * lh + size / 3, panel[i], palette::Black, size, Align::Left);
  if (!w.overflow) {
    c.Text(px(0) - 0.02 * r.w, py(w.r) + size / 2, w.ymax, palette::Black, size, Align::Right);
    c.Text(px(0) - 0.02 * r.w, py(-w.r) + size / 2, w.ymin, palette::Black, size, Align::Right);
    for (const PlotTick& t : w.xTicks)
      if (!t.text.empty()) c.Text(px(t.at), py(-0.07 * w.r) + lh, t.text, palette::Black, size, Align::Centre);
  }
  // Below the axis: the bottom title, and the extremes when there is room for both lines.
  const double below = r.y + r.h - (w.overflow ? r.y + r.h * 0.6 : py(-0.07 * w.r) + lh);
  const std::string extremes = "Max " + w.maxText + "   Min " + w.minText + "   Peak " + w.peakText;
  if (below > 2 * lh) c.Text(r.x + r.w / 2, r.y + r.h - lh - 2, w.bottomTitle, palette::Black, size, Align::Centre);
  if (below > lh) c.Text(r.x + r.w - 3, r.y + r.h - 3, extremes, palette::Black, size, Align::Right);
  const Rect data{px(0), py(w.top), px(720) - px(0), r.h};
  DrawCursor(c, m, w, data, 0, 720, cursor, size);
  return {r.x, r.y, r.w, r.h, px(0), px(720), 0, 720, &m.crankAngle};
}

// The bands' labels and the marks, in points; a mark outside the data area
// is left out, its label is not (a line's label at the window's edge).
template <class Px, class Py>
void DrawMarks(Canvas& c, const PlotWindow& w, const Rect& data, Px px, Py py, double size) {
  for (const PlotBand& b : w.bands)
    if (!b.label.empty())
      c.Text((px(std::max(b.from, w.left)) + px(std::min(b.to, w.right))) / 2, data.y + size * 1.1, b.label,
             palette::Black, size * 0.85, Align::Centre);
  const double half = 3;
  for (const PlotMark& k : w.marks) {
    const double x = px(k.x), y = py(k.y);
    const bool inside = x >= data.x - 0.5 && x <= data.x + data.w + 0.5 && y >= data.y - 0.5 && y <= data.y + data.h + 0.5;
    if (inside && k.shape == MarkShape::Square) c.Box(x - half, y - half, x + half, y + half, {k.colour}, true);
    if (inside && k.shape == MarkShape::Circle) c.Circle(x, y, half, {k.colour, 1.0});
    if (k.text.empty() || (!inside && k.shape != MarkShape::None)) continue;
    const double dx = k.shape != MarkShape::None ? half + 2 : k.align == Align::Right ? -2 : k.align == Align::Left ? 2 : 0;
    c.Text(x + dx, y - 2, k.text, k.colour, size * 0.8, k.shape != MarkShape::None ? Align::Left : k.align);
  }
}

double AnnotatedSize(const Rect& r) { return std::clamp(r.h / 14, 5.0, 10.0); }

// The left margin the y labels of every window need, so stacked windows share
// it and their crank-angle axes line up.
double SharedLeftMargin(Canvas& c, const PlotModel& m, double size) {
  double left = 6;
  for (const PlotWindow& w : m.windows)
    for (const PlotTick& t : w.yTicks) left = std::max(left, c.TextWidthPt(t.text, size) + 8);
  return left;
}

PlotArea PaintAnnotated(Canvas& c, const PlotModel& m, const PlotWindow& w, const Rect& r, int cursor,
                        double left) {
  PointScale(c, r);
  const double size = AnnotatedSize(r);
  const double lh = size * 1.25;
  double top = 2;
  // A window of one curve carries its legend at the end of its title line.
  const bool legendBesideTitle = !w.title.empty() && w.curves.size() == 1;
  if (!w.title.empty()) {
    const double titleSize = Fitting(c, {w.title}, r.w - 8, size + 1);
    c.Text(r.x + r.w / 2, r.y + top + titleSize, w.title, palette::Black, titleSize, Align::Centre);
    top += titleSize * 1.3;
  }
  double lx = r.x + 6, ly = r.y + top + (legendBesideTitle ? 0 : lh);
  if (legendBesideTitle) {
    const PlotCurve& cv = w.curves[0];
    lx = r.x + r.w - 36 - c.TextWidthPt(cv.legend, size);
    ly = r.y + top - size * 0.3;
  }
  // Legends in rows: a sample of each curve's pattern, then its text.
  for (const PlotCurve& cv : w.curves) {
    if (!cv.listed) continue;
    const double width = 24 + c.TextWidthPt(cv.legend, size) + 12;
    if (lx + width > r.x + r.w && lx > r.x + 6) {
      lx = r.x + 6;
      ly += lh;
    }
    c.Line(lx, ly - size / 3, lx + 20, ly - size / 3, cv.pen);
    c.Text(lx + 24, ly, cv.legend, palette::Black, size, Align::Left);
    lx += width;
  }
  top = legendBesideTitle ? top - size * 0.4 : ly - r.y + size * 0.8;
  // The unit above the data area, clear of the highest y label beside it.
  if (!w.yAxisTitle.empty())
    c.Text(r.x + left + 2, r.y + top + size, "(" + w.yAxisTitle + ")", palette::Black, size, Align::Left);
  // Room on the right for the half of the last x label that stands beyond the frame.
  double right = 12;
  for (const PlotTick& t : w.xTicks)
    if (t.at >= w.right) right = std::max(right, c.TextWidthPt(t.text, size) / 2 + 3);
  const Rect data{r.x + left, r.y + top + size * 1.5, r.w - left - right, r.h - top - size * 1.5 - 2.6 * lh};
  if (data.w < 20 || data.h < 10 || w.overflow)
    return {r.x, r.y, r.w, r.h, data.x, data.x + data.w, w.left, w.right, &m.crankAngle};
  c.Viewport(data.x, data.y, data.w, data.h);
  c.Scale(w.left, w.top, w.right, w.bottom);
  for (const PlotBand& b : w.bands) c.Box(b.from, w.top, b.to, w.bottom, {b.colour}, true);
  for (const PlotSegment& s : w.lines) c.Line(s.x1, s.y1, s.x2, s.y2, s.y1 == s.y2 && s.y1 == 0 ? kFrame : kGrid);
  const double base = std::clamp(0.0, w.bottom, w.top);
  for (const PlotCurve& cv : w.curves) DrawCurve(c, cv, m.crankAngle, m.options.lines, m.options.sticks, base);
  PointScale(c, r);
  auto px = [&](double x) { return data.x + (x - w.left) / (w.right - w.left) * data.w; };
  auto py = [&](double y) { return data.y + (w.top - y) / (w.top - w.bottom) * data.h; };
  DrawMarks(c, w, data, px, py, size);
  c.Box(data.x, data.y, data.x + data.w, data.y + data.h, kFrame, false);
  double lastEnd = -1e9;  // a label that would run into the one before it is left out
  for (const PlotTick& t : w.xTicks) {
    c.Line(px(t.at), data.y + data.h, px(t.at), data.y + data.h - 4, kFrame);
    const double half = c.TextWidthPt(t.text, size) / 2;
    if (t.text.empty() || px(t.at) - half < lastEnd + 4) continue;
    c.Text(px(t.at), data.y + data.h + lh, t.text, palette::Black, size, Align::Centre);
    lastEnd = px(t.at) + half;
  }
  for (const PlotTick& t : w.yTicks) {
    c.Line(data.x, py(t.at), data.x + 4, py(t.at), kFrame);
    c.Text(data.x - 4, py(t.at) + size / 3, t.text, palette::Black, size, Align::Right);
  }
  c.Text(data.x + data.w / 2, r.y + r.h - 3, w.bottomTitle, palette::Black, size, Align::Centre);
  DrawCursor(c, m, w, data, w.left, w.right, cursor, size);
  return {r.x, r.y, r.w, r.h, data.x, data.x + data.w, w.left, w.right, &m.crankAngle};
}

}  // namespace

std::vector<PlotArea> PaintPlot(Canvas& c, const PlotModel& m, int cursorRow) {
  const double width = c.WidthPt(), height = c.HeightPt();
  c.Viewport(0, 0, 0, 0);
  c.Scale(0, 0, width, height);
  c.Clear(palette::White);
  double y = 0;
  const double headerSize = std::clamp(height / 70, 5.0, 9.0);
  for (const std::string& line : m.header) {
    y += headerSize * 1.3;
    c.Text(4, y, line, palette::Black, headerSize, Align::Left);
  }
  if (!m.overlayLegend.empty()) {  // the two designs drawn, named
    y += headerSize * 1.3;
    c.Text(4, y, m.overlayLegend, palette::Black, headerSize, Align::Left);
  }
  if (!m.header.empty() || !m.overlayLegend.empty()) y += 4;
  std::vector<PlotArea> areas;
  const double each = (height - y) / std::max<std::size_t>(m.windows.size(), 1);
  const double left = SharedLeftMargin(c, m, AnnotatedSize({0, y, width, each}));
  for (std::size_t i = 0; i < m.windows.size(); ++i) {
    const Rect r{0, y + i * each, width, each};
    areas.push_back(m.aligned ? PaintAligned(c, m, m.windows[i], r, cursorRow)
                              : PaintAnnotated(c, m, m.windows[i], r, cursorRow, left));
  }
  c.Viewport(0, 0, 0, 0);
  return areas;
}

int PlotRowAt(const std::vector<PlotArea>& areas, double xPt, double yPt) {
  for (const PlotArea& a : areas) {
    if (xPt < a.x || xPt > a.x + a.w || yPt < a.y || yPt > a.y + a.h || a.xRightPt <= a.xLeftPt) continue;
    const double x = a.xLeft + (xPt - a.xLeftPt) / (a.xRightPt - a.xLeftPt) * (a.xRight - a.xLeft);
    if (!a.rows || a.rows->empty()) return -1;
    // The row whose x lies nearest.
    int best = 0;
    for (std::size_t k = 1; k < a.rows->size(); ++k)
      if (std::fabs((*a.rows)[k] - x) < std::fabs((*a.rows)[best] - x)) best = static_cast<int>(k);
    return best;
  }
  return -1;
}

}  // namespace zorvan
