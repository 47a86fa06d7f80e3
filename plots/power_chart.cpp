#include "plots/power_chart.h"

#include <algorithm>
#include <cstdio>

#include "core/csv_writer.h"
#include "core/firing_order.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

constexpr const char* kTitles[3] = {"Phase Angles in Cylinder Order over 360 deg ",
                                    "Firing Angles in Cylinder Order over 720 deg ",
                                    "Firing Angles in Firing Order  over 720 deg "};
constexpr Rgb kColours[3] = {palette::Magenta, palette::Cyan, palette::Green};

const Pen kFrame{palette::Black, 0.75, Dash::Solid};
const Pen kMark{palette::Blue, 0.75, Dash::DashDotDot};

// The stroke of row i on chart k: its cylinder and where the bar starts; no
// cylinder for a firing-order entry that names none.
std::pair<int, double> RowStart(const EngineDesignRecord& d, int chart, int i) {
  switch (chart) {
    case 0: return {i, 2.0 * d.PhaseAngle[i]};
    case 1: return {i, d.FiringAngle[i]};
    default: {
      const int k = FiredCylinder(d, i);
      return {k, k ? d.FiringAngle[k] : 0.0};
    }
  }
}

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t k = 0; k <= text.size(); ++k) {
    if (k < text.size() && text[k] != at) continue;
    parts.push_back(text.substr(start, k - start));
    start = k + 1;
  }
  return parts;
}

}  // namespace

PowerChartModel BuildPowerChart(const EngineDesignRecord& d) {
  const int n = d.NumCylinders;
  if (n < 1 || n > kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
  PowerChartModel m;
  for (int chart = 0; chart < 3; ++chart) {
    PowerChartPanel& p = m.charts[chart];
    p.title = kTitles[chart];
    p.colour = kColours[chart];
    p.bottom = kPowerRowPitch * n;
    for (int x = 0; x <= 720; x += 180) p.angleTicks.push_back({double(x), std::to_string(x)});
    double y = kPowerRowPitch / 2;
    for (int i = 1; i <= n; ++i, y += kPowerRowPitch) {
      const auto [cylinder, start] = RowStart(d, chart, i);
      if (cylinder)
        p.bars.push_back({cylinder, y, start, start + kPowerStroke, std::min(start + kPowerStroke, p.right)});
      p.frames.push_back({0, y, 720, y});
      p.frames.push_back({0, y - kPowerTick, 0, y + kPowerTick});
      for (int x = 180; x <= 720; x += 180) p.marks.push_back({double(x), y - kPowerTick, double(x), y + kPowerTick});
    }
  }
  return m;
}

namespace {

// The text from the top left of the current viewport, in points.
void DrawText(Canvas& c, const std::string& text, double width, double height) {
  const std::vector<std::string> lines = Split(text, '\r');
  double size = std::clamp(height / (lines.size() + 2.0) / 1.25, 5.0, 10.0);
  // Four columns and the unit fit beside each other.
  auto stopAt = [&c](double s) { return c.TextWidthPt("Firing ", s) * 1.4; };
  while (size > 5 && std::max(c.TextWidthPt(" Your firing arrangement is:", size),
                              4 * stopAt(size) + c.TextWidthPt(" deg", size)) > width - 8)
    size -= 0.5;
  const double stop = stopAt(size);
  double y = size * 1.5;
  for (const std::string& line : lines) {
    double x = 4;
    for (const std::string& column : Split(line, '\t')) {
      c.Text(x, y, column, palette::Black, size, Align::Left);
      x += stop;
    }
    y += size * 1.25;
  }
}

// One chart in the rectangle (x, y, w, h) of the surface, in points: its
// scale, bars, row frames and quarter marks, and the crank angles under it.
void DrawPanel(Canvas& c, const PowerChartPanel& p, double x, double y, double w, double h) {
  const double numberSize = std::clamp(h / 14, 6.0, 9.0), strip = numberSize * 1.5;
  const double chartH = std::max(h - strip, 1.0);
  c.Viewport(x, y, w, chartH);
  c.Scale(p.left, p.top, p.right, p.bottom);
  c.Clear(palette::White);
  c.Box(p.left, p.top, p.right, p.bottom, {palette::Grey, 0.5}, false);
  const double labelSize = std::clamp(chartH / (p.bottom / kPowerRowPitch) * 0.45, 4.0, 9.0);
  for (const PowerBar& b : p.bars) {
    c.Box(b.from, b.y, b.shownTo, b.y + kPowerBarHeight, {p.colour, 0.75}, true);
    c.Text(-35, b.y + kPowerTick * 0.4, std::to_string(b.cylinder), palette::Black, labelSize, Align::Centre);
  }
  for (const PlotSegment& s : p.frames) c.Line(s.x1, s.y1, s.x2, s.y2, kFrame);
  for (const PlotSegment& s : p.marks) c.Line(s.x1, s.y1, s.x2, s.y2, kMark);
  c.Viewport(x, y + chartH, w, strip);
  c.Scale(p.left, 0, p.right, strip);
  c.Clear(palette::White);
  for (const PlotTick& t : p.angleTicks) c.Text(t.at, numberSize * 1.1, t.text, palette::Black, numberSize, Align::Centre);
}

}  // namespace

void PaintPowerText(Canvas& c, const std::string& text) {
  c.Viewport(0, 0, 0, 0);
  c.Scale(0, 0, c.WidthPt(), c.HeightPt());
  c.Clear(palette::White);
  DrawText(c, text, c.WidthPt(), c.HeightPt());
}

void PaintPowerPanel(Canvas& c, const PowerChartPanel& p) {
  DrawPanel(c, p, 0, 0, c.WidthPt(), c.HeightPt());
  c.Viewport(0, 0, 0, 0);
}

void PaintPowerChart(Canvas& c, const PowerChartModel& m) {
  const double width = c.WidthPt(), height = c.HeightPt();
  c.Viewport(0, 0, 0, 0);
  c.Scale(0, 0, width, height);
  c.Clear(palette::White);
  const double textWidth = std::clamp(width * 0.3, 120.0, 260.0);
  DrawText(c, m.arrangementText, textWidth, height);
  // The three charts, one below the other, each under its title.
  const double chartX = textWidth, chartW = width - textWidth - 6;
  const double band = height / 3;
  const double titleSize = std::clamp(band / 12, 6.0, 10.0);
  for (std::size_t k = 0; k < m.charts.size(); ++k) {
    const PowerChartPanel& p = m.charts[k];
    const double top = k * band;
    c.Viewport(0, 0, 0, 0);
    c.Scale(0, 0, width, height);
    c.Text(chartX + chartW / 2, top + titleSize * 1.4, p.title, palette::Black, titleSize, Align::Centre);
    DrawPanel(c, p, chartX, top + titleSize * 1.8, chartW, band - titleSize * 2);
  }
  c.Viewport(0, 0, 0, 0);
}

std::string PowerChartCsv(const PowerChartModel& m) {
  std::string text;
  CsvWriter csv(text, kCsvFile);
  csv.Heading("Chart").Heading("Row").Heading("Cylinder").Heading("From", "Deg").Heading("To", "Deg").EndLine();
  for (std::size_t k = 0; k < m.charts.size(); ++k)
    for (const PowerBar& b : m.charts[k].bars) {
      csv.Whole(static_cast<long long>(k + 1)).Whole(static_cast<int>((b.y - kPowerRowPitch / 2) / kPowerRowPitch) + 1);
      csv.Whole(b.cylinder).Number(b.from).Number(b.to).EndLine();
    }
  return text;
}

}  // namespace zorvan
