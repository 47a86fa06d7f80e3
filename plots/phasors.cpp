#include "plots/phasors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/csv_writer.h"
#include "core/harmonics.h"
#include "core/numeric.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

constexpr const char* kSetNames[4] = {"All Cylinders", "Right Bank", "Left Bank", "Centre Bank"};

const Pen kAxis{palette::Grey, 0.5, Dash::Dotted};
const Pen kArrow{palette::Blue, 1.25, Dash::Solid};
const Pen kResultant{palette::Red, 1.5, Dash::Solid};

void Arrow(Canvas& c, double x1, double y1, double x2, double y2, double head, const Pen& pen) {
  c.Line(x1, y1, x2, y2, pen);
  const double len = std::hypot(x2 - x1, y2 - y1);
  if (len < head * 0.2) return;
  const double ux = (x2 - x1) / len, uy = (y2 - y1) / len, h = std::min(head, len * 0.5);
  c.Line(x2, y2, x2 - h * (ux * 0.94 - uy * 0.34), y2 - h * (uy * 0.94 + ux * 0.34), pen);
  c.Line(x2, y2, x2 - h * (ux * 0.94 + uy * 0.34), y2 - h * (uy * 0.94 - ux * 0.34), pen);
}

// One label an arrow, or one for all the arrows that lie on one another.
std::vector<PhasorLabel> Labels(const std::vector<PhasorArrow>& arrows, double extent) {
  std::vector<PhasorLabel> labels;
  std::vector<const PhasorArrow*> firsts;  // the arrow each label stands beside
  const double near = 1e-6 * extent;
  auto same = [near](const PhasorArrow& a, const PhasorArrow& b) {
    return std::fabs(a.x1 - b.x1) < near && std::fabs(a.y1 - b.y1) < near && std::fabs(a.x2 - b.x2) < near &&
           std::fabs(a.y2 - b.y2) < near;
  };
  for (const PhasorArrow& a : arrows) {
    const double len = std::hypot(a.x2 - a.x1, a.y2 - a.y1);
    if (len <= near) continue;
    std::size_t k = 0;
    while (k < firsts.size() && !same(*firsts[k], a)) ++k;
    if (k < firsts.size()) {
      labels[k].text += ", " + std::to_string(a.cylinder);
      continue;
    }
    firsts.push_back(&a);
    labels.push_back({std::to_string(a.cylinder), (a.x1 + a.x2) / 2, (a.y1 + a.y2) / 2, -(a.y2 - a.y1) / len,
                      (a.x2 - a.x1) / len});
  }
  return labels;
}

}  // namespace

double PhasorTextSize(double widthPt, double heightPt) { return std::clamp(std::min(widthPt, heightPt) / 50, 9.0, 12.0); }

std::vector<int> PhasorSets(const EngineDesignRecord& d) {
  switch (d.Arrangement) {
    case 2:
    case 3: return {0, 1, 2};
    case 4: return {0, 1, 3, 2};
    default: return {0};
  }
}

PhasorModel BuildPhasors(const EngineDesignRecord& d, int kind, std::vector<int> orders) {
  if (kind != kPhasorForces && kind != kPhasorMoments) RaiseError(err::SubscriptOutOfRange);
  PhasorModel m;
  m.kind = kind;
  m.orders = std::move(orders);
  m.sets = PhasorSets(d);
  m.title = kind == kPhasorForces ? "Inertia Force Phasors: sum of cos and sin of n Phi"
                                  : "Inertia Moment Phasors: sum of Zi * cos and sin of n Phi";
  const HarmonicTermList terms = HarmonicTerms(d);
  for (int n : m.orders) {
    if (n < 1 || n > 6) RaiseError(err::SubscriptOutOfRange);
    for (int set : m.sets) {
      PhasorDiagram g;
      g.order = n;
      g.set = set;
      g.title = "Order " + std::to_string(n) + " - " + kSetNames[set];
      double x = 0, y = 0, far = 0;
      for (const HarmonicTerm& t : terms) {
        if (set != 0 && t.set != set) continue;
        const auto [cx, sy] = HarmonicShare(d, t, n, kind);
        g.arrows.push_back({t.cylinder, x, y, x + cx, y + sy});
        x += cx;
        y += sy;
        far = std::max({far, std::fabs(x), std::fabs(y)});
      }
      g.rx = d.HarmonicSums[n][kind][0][set];
      g.ry = d.HarmonicSums[n][kind][1][set];
      g.length = std::hypot(g.rx, g.ry);
      g.lengthText = "Resultant " + FNRoundStr(g.length, 2);
      far = std::max({far, std::fabs(g.rx), std::fabs(g.ry)});
      g.extent = (far > 0 ? far : 1.0) * 1.15;
      g.labels = Labels(g.arrows, g.extent);
      m.diagrams.push_back(std::move(g));
    }
  }
  return m;
}

void PaintPhasors(Canvas& c, const PhasorModel& m) {
  const double width = c.WidthPt(), height = c.HeightPt();
  c.Viewport(0, 0, 0, 0);
  c.Scale(0, 0, width, height);
  c.Clear(palette::White);
  const double size = PhasorTextSize(width, height);
  c.Text(width / 2, size * 1.6, m.title, palette::Black, size + 1, Align::Centre);
  // One row an order and a column a set; the orders side by side when there is one set.
  const bool oneSet = m.sets.size() == 1;
  const int rows = oneSet ? 1 : std::max<int>(1, static_cast<int>(m.orders.size()));
  const int cols = std::max<int>(1, static_cast<int>(oneSet ? m.orders.size() : m.sets.size()));
  const double top = size * 2.5, cellW = width / cols, cellH = (height - top) / rows;
  for (std::size_t i = 0; i < m.diagrams.size(); ++i) {
    const PhasorDiagram& g = m.diagrams[i];
    const double x0 = (i % cols) * cellW, y0 = top + static_cast<double>(i / cols) * cellH;
    c.Viewport(0, 0, 0, 0);
    c.Scale(0, 0, width, height);
    c.Text(x0 + cellW / 2, y0 + size * 1.3, g.title, palette::Black, size, Align::Centre);
    c.Text(x0 + cellW / 2, y0 + cellH - size * 0.6, g.lengthText, palette::Red, size, Align::Centre);
    // The diagram in a square in the middle of the cell, so the vectors keep
    // their angles; its labels may reach out to the cell's edges.
    const double side = std::max(10.0, std::min(cellW - 8, cellH - size * 4));
    const double e = g.extent, perPt = 2 * e / side;
    const double halfW = cellW / 2 * perPt, halfH = std::max(cellH - size * 4, 1.0) / 2 * perPt;
    c.Viewport(x0, y0 + size * 1.9, cellW, std::max(cellH - size * 4, 1.0));
    c.Scale(-halfW, halfH, halfW, -halfH);
    c.Line(-e, 0, e, 0, kAxis);
    c.Line(0, -e, 0, e, kAxis);
    const double head = 0.07 * e;
    for (const PhasorArrow& a : g.arrows) Arrow(c, a.x1, a.y1, a.x2, a.y2, head, kArrow);
    // Each label a little off its arrow's middle, centred on that point: on
    // its left, else on its right, else further out, where it covers no label
    // already placed.
    struct Placed {
      double x, y, hw, hh;
    };
    std::vector<Placed> placed;
    auto clear = [&placed](const Placed& p) {
      return std::none_of(placed.begin(), placed.end(), [&p](const Placed& q) {
        return std::fabs(p.x - q.x) < p.hw + q.hw && std::fabs(p.y - q.y) < p.hh + q.hh;
      });
    };
    for (const PhasorLabel& l : g.labels) {
      const double hw = c.TextWidthPt(l.text, size) / 2 * perPt, hh = 0.5 * size * perPt;
      const double away = std::fabs(l.nx) * hw + std::fabs(l.ny) * hh + 0.3 * size * perPt;
      const double step = std::fabs(l.nx) * 2 * hw + std::fabs(l.ny) * 2 * hh;
      Placed p{l.x + l.nx * away, l.y + l.ny * away, hw, hh};
      for (int k = 0; k < 8 && !clear(p); ++k) {
        const double out = (away + ((k + 1) / 2) * step) * (k % 2 ? 1 : -1);  // right, then a step further out
        p = {l.x + l.nx * out, l.y + l.ny * out, hw, hh};
      }
      placed.push_back(p);
      c.Text(p.x, p.y - 0.35 * size * perPt, l.text, palette::Blue, size, Align::Centre);
    }
    if (g.length > 1e-6 * e) Arrow(c, 0, 0, g.rx, g.ry, head, kResultant);
    else c.Circle(0, 0, 0.03 * e, kResultant);
  }
  c.Viewport(0, 0, 0, 0);
}

std::string PhasorCsv(const PhasorModel& m) {
  std::string text;
  CsvWriter csv(text, kCsvFile);
  csv.Heading("Order").Heading("Set").Heading("Cylinder").Heading("X").Heading("Y").EndLine();
  for (const PhasorDiagram& g : m.diagrams) {
    auto row = [&](int cylinder, double x, double y) {
      csv.Whole(g.order).Text(kSetNames[g.set]).Whole(cylinder).Number(x, 17).Number(y, 17).EndLine();  // doubles: 17 digits
    };
    for (const PhasorArrow& a : g.arrows) row(a.cylinder, a.x2 - a.x1, a.y2 - a.y1);
    row(0, g.rx, g.ry);  // the resultant
  }
  return text;
}

}  // namespace zorvan
