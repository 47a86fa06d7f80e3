#include "plots/orders_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zorvan {

namespace {

constexpr Rgb kBarColours[3] = {palette::Blue, palette::Red, palette::Purple};

std::string OrderLabel(double order) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%g", order);
  return buf;
}

// The chart a column belongs to: the torques share one, force and moment one each.
std::string ChartTitle(const OrderColumn& c) {
  if (!c.entry->vector) return "Torque";
  if (c.moment)
    return std::string(c.entry->longName) + " about " + ReferenceText(c.reference);
  return c.entry->longName;
}

// A y axis from 0 to a round number above the largest bar, in about five steps.
void Scale(OrdersChart& chart) {
  double largest = 0;
  for (const BarSeries& s : chart.series)
    for (double a : s.amplitudes) largest = std::max(largest, a);
  if (!(largest > 0) || !std::isfinite(largest)) largest = 1;
  const double rough = largest / 5;
  const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
  const double norm = rough / magnitude;
  const double step = (norm < 1.5 ? 1 : norm < 3 ? 2 : norm < 7 ? 5 : 10) * magnitude;
  chart.top = std::ceil(largest / step) * step;
  const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
  for (int i = 0; i * step <= chart.top + step * 1e-6; ++i) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, i * step);
    chart.yTicks.push_back({i * step, text});
  }
}

}  // namespace

std::vector<OrdersChart> BuildOrdersCharts(const EngineDesignRecord& d, const std::vector<OrderColumn>& columns) {
  std::vector<OrdersChart> charts;
  for (const OrderColumn& c : columns) {
    if (!c.offered) continue;
    const std::string title = ChartTitle(c);
    auto it = std::find_if(charts.begin(), charts.end(), [&](const OrdersChart& k) { return k.title == title; });
    if (it == charts.end()) {
      OrdersChart chart;
      chart.title = title;
      chart.unit = ResultUnit(d, *c.entry);
      for (const OrderTerm& t : c.spectrum) chart.orderLabels.push_back(OrderLabel(t.order));
      charts.push_back(std::move(chart));
      it = charts.end() - 1;
    }
    BarSeries s{OrderColumnTitle(c), kBarColours[it->series.size() % 3], {}};
    for (const OrderTerm& t : c.spectrum) s.amplitudes.push_back(ShownResult(d, *c.entry, t.amplitude));
    it->series.push_back(std::move(s));
  }
  for (OrdersChart& chart : charts) Scale(chart);
  return charts;
}

void PaintOrdersCharts(Canvas& c, const std::vector<OrdersChart>& charts) {
  const double width = c.WidthPt(), height = c.HeightPt();
  c.Viewport(0, 0, 0, 0);
  c.Scale(0, 0, width, height);
  c.Clear(palette::White);
  if (charts.empty()) return;
  const double each = height / charts.size();
  const double size = std::clamp(each / 16, 5.0, 10.0), lh = size * 1.3;
  double left = 10;
  for (const OrdersChart& k : charts)
    for (const PlotTick& t : k.yTicks) left = std::max(left, c.TextWidthPt(t.text, size) + 10);
  for (std::size_t i = 0; i < charts.size(); ++i) {
    const OrdersChart& k = charts[i];
    const double y0 = i * each;
    c.Text(width / 2, y0 + lh, k.title + " (" + k.unit + ")", palette::Black, size + 1, Align::Centre);
    double lx = left;
    for (const BarSeries& s : k.series) {  // the legend
      c.Box(lx, y0 + 1.6 * lh, lx + size, y0 + 1.6 * lh + size, {s.colour}, true);
      c.Text(lx + size + 4, y0 + 1.6 * lh + size, s.name, palette::Black, size, Align::Left);
      lx += size + 16 + c.TextWidthPt(s.name, size);
    }
    const double top = y0 + 2.6 * lh + size, bottom = y0 + each - 2.4 * lh, right = width - 10;
    if (bottom - top < 10 || right - left < 40) continue;
    auto py = [&](double v) { return bottom - v / k.top * (bottom - top); };
    for (const PlotTick& t : k.yTicks) {
      c.Line(left, py(t.at), right, py(t.at), {palette::Grey, 0.5, Dash::Dotted});
      c.Text(left - 4, py(t.at) + size / 3, t.text, palette::Black, size, Align::Right);
    }
    const std::size_t groups = k.orderLabels.size(), bars = std::max<std::size_t>(k.series.size(), 1);
    const double slot = (right - left) / groups, bar = slot * 0.8 / bars;
    // Labels every order where they fit, else every other.
    const double labelWidth = c.TextWidthPt("10.5", size) + 4;
    const std::size_t every = labelWidth > slot ? 2 : 1;
    for (std::size_t g = 0; g < groups; ++g) {
      for (std::size_t b = 0; b < k.series.size(); ++b) {
        const double x = left + g * slot + slot * 0.1 + b * bar;
        const double v = std::min(k.series[b].amplitudes[g], k.top);
        if (v > 0) c.Box(x, py(v), x + bar, bottom, {k.series[b].colour}, true);
      }
      if (g % every == 0)
        c.Text(left + (g + 0.5) * slot, bottom + lh, k.orderLabels[g], palette::Black, size, Align::Centre);
    }
    c.Box(left, top, right, bottom, {palette::Black, 0.75}, false);
    c.Text(width / 2, y0 + each - 3, "Order of crank speed", palette::Black, size, Align::Centre);
  }
}

}  // namespace zorvan
