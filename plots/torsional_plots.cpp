#include "plots/torsional_plots.h"

#include <algorithm>
#include <cmath>

#include "core/csv_writer.h"
#include "core/number_text.h"

namespace zorvan {

namespace {

constexpr Rgb kColours[] = {palette::Blue, palette::Red, {0, 150, 0}, palette::Purple, palette::Magenta, {0, 150, 150}};
constexpr Rgb kBand{255, 244, 196};
constexpr int kCampbellSpeeds = 201;

Rgb ColourOf(std::size_t k) { return kColours[k % std::size(kColours)]; }

std::string Short(double v) { return DigitsText(v, 4); }

// The y axis from 0 (or lo) to hi with the zero line.
void Frame(PlotWindow& w, double lo, double hi) {
  NiceYAxis(w, lo, hi);
  w.lines.push_back({w.left, 0, w.right, 0});
}

}  // namespace

PlotModel ModeShapePlot(const TorsionalResult& r) {
  PlotModel m;
  m.xName = "Station";
  m.xUnit = "";
  const std::size_t n = r.stations.size();
  for (std::size_t s = 0; s < n; ++s) m.crankAngle.push_back(static_cast<float>(s + 1));
  PlotWindow w;
  w.title = "Mode shapes: relative amplitude at each station";
  w.bottomTitle = "Station, front to back";
  // Room beside the first and last station for their names.
  w.left = 0.7;
  w.right = static_cast<double>(std::max<std::size_t>(n, 2)) + 0.3;
  for (std::size_t s = 0; s < n; ++s) w.xTicks.push_back({static_cast<double>(s + 1), r.stations[s].name});
  for (std::size_t k = 1; k < r.modes.size() && k <= static_cast<std::size_t>(kPlottedModes); ++k) {
    PlotCurve c;
    c.name = "Mode " + std::to_string(k) + " (" + Short(r.modes[k].frequency) + " Hz)";
    c.legend = c.name;
    for (double beta : r.modes[k].shape) c.y.push_back(static_cast<float>(beta));
    c.pen = {ColourOf(k - 1), 1.5, Dash::Solid};
    c.max = *std::max_element(c.y.begin(), c.y.end());
    c.min = *std::min_element(c.y.begin(), c.y.end());
    w.curves.push_back(std::move(c));
  }
  Frame(w, -1.1, 1.1);
  m.windows.push_back(std::move(w));
  return m;
}

PlotModel CampbellPlot(const TorsionalResult& r) {
  PlotModel m;
  m.xName = "Speed";
  m.xUnit = "rpm";
  PlotWindow w;
  w.title = "Campbell diagram: natural frequencies and engine orders";
  w.bottomTitle = "Engine speed (rpm)";
  w.yAxisTitle = "Hz";
  NiceXAxis(w, 0, 1.1 * std::max(r.idle, r.redline));
  const double xMax = w.right;
  for (int i = 0; i < kCampbellSpeeds; ++i) m.crankAngle.push_back(static_cast<float>(xMax * i / (kCampbellSpeeds - 1)));
  const double highestOrder = r.orders.empty() ? 1 : r.orders.back();
  const double lowestMode = r.modes.size() > 1 ? r.modes[1].frequency : 0;
  NiceYAxis(w, 0, 1.05 * std::max(highestOrder * xMax / 60, lowestMode));
  const double yMax = w.top;
  w.bands.push_back({std::min(r.idle, r.redline), std::max(r.idle, r.redline), kBand, "running range"});
  for (double q : r.orders) {
    PlotCurve c;
    c.name = "Order " + Short(q);
    c.listed = false;
    const bool whole = q == std::floor(q);
    c.pen = {palette::Grey, whole ? 0.75 : 0.5, whole ? Dash::Solid : Dash::Dotted};
    for (float x : m.crankAngle) c.y.push_back(static_cast<float>(q * x / 60));
    w.curves.push_back(std::move(c));
    // The order's number where its line leaves the window.
    const bool top = q * xMax / 60 > yMax;
    w.marks.push_back({top ? 60 * yMax / q : xMax, top ? yMax : q * xMax / 60, MarkShape::None, palette::Black, Short(q),
                       top ? Align::Centre : Align::Right});
  }
  for (std::size_t k = 1; k < r.modes.size(); ++k) {
    if (r.modes[k].frequency > yMax) break;
    PlotCurve c;
    c.name = "Mode " + std::to_string(k) + " (" + Short(r.modes[k].frequency) + " Hz)";
    c.legend = c.name;
    c.unit = "Hz";
    c.y.assign(m.crankAngle.size(), static_cast<float>(r.modes[k].frequency));
    c.pen = {ColourOf(k - 1), 1.5, Dash::Solid};
    c.max = c.min = c.y.front();
    w.curves.push_back(std::move(c));
  }
  for (const Crossing& c : r.crossings) {
    if (c.speed > xMax || c.frequency > yMax) continue;
    const Rgb colour = c.inRange ? (c.major ? palette::Red : palette::Blue) : palette::Grey;
    // The major crossings in the running range carry their speed; the table lists every one.
    w.marks.push_back({c.speed, c.frequency, c.major ? MarkShape::Square : MarkShape::Circle, colour,
                       c.inRange && c.major ? Short(c.speed) : ""});
  }
  w.lines.push_back({w.left, 0, w.right, 0});
  m.windows.push_back(std::move(w));
  return m;
}

std::vector<ResponseChoice> ResponseChoices(const TorsionalResult& r) {
  std::vector<ResponseChoice> choices;
  if (r.response.empty()) return choices;
  const int sections = static_cast<int>(r.stations.size()) - 1;
  for (int s = 0; s < sections; ++s)
    choices.push_back({ResponseQuantity::SectionTorque, s, "Torque in " + SectionName(r.stations, s)});
  for (int s = 0; s < sections; ++s)
    choices.push_back({ResponseQuantity::SectionTwist, s, "Twist of " + SectionName(r.stations, s)});
  for (int s = 0; s <= sections; ++s)
    choices.push_back({ResponseQuantity::StationAmplitude, s, "Amplitude of " + r.stations[static_cast<std::size_t>(s)].name});
  return choices;
}

std::size_t PeakResponseChoice(const TorsionalResult& r) {
  return r.peakTorque.section >= 0 ? static_cast<std::size_t>(r.peakTorque.section) : 0;
}

PlotModel ResponsePlot(const EngineDesignRecord& d, const TorsionalResult& r, const ResponseChoice& choice) {
  PlotModel m;
  m.xName = "Speed";
  m.xUnit = "rpm";
  for (double s : r.speeds) m.crankAngle.push_back(static_cast<float>(s));
  PlotWindow w;
  const std::string unit = choice.quantity == ResponseQuantity::SectionTorque ? d.UnitLabel[kTorqueSlot] : "deg";
  w.title = "Vibratory " + choice.label + " (" + unit + "), by order";
  w.bottomTitle = "Engine speed (rpm)";
  w.yAxisTitle = unit;
  std::vector<PlotCurve> curves;
  for (const OrderResponse& o : r.response) {
    const auto& table = choice.quantity == ResponseQuantity::SectionTorque ? o.torque
                        : choice.quantity == ResponseQuantity::SectionTwist ? o.twist
                                                                             : o.amplitude;
    PlotCurve c;
    c.name = "Order " + Short(o.order) + " (" + unit + ")";
    c.legend = "Order " + Short(o.order);
    c.unit = unit;
    for (const auto& atSpeed : table) c.y.push_back(static_cast<float>(atSpeed[static_cast<std::size_t>(choice.index)]));
    c.max = c.y.empty() ? 0 : *std::max_element(c.y.begin(), c.y.end());
    curves.push_back(std::move(c));
  }
  std::stable_sort(curves.begin(), curves.end(), [](const PlotCurve& a, const PlotCurve& b) { return a.max > b.max; });
  if (curves.size() > static_cast<std::size_t>(kPlottedOrders)) curves.resize(kPlottedOrders);
  double hi = 0;
  for (std::size_t k = 0; k < curves.size(); ++k) {
    curves[k].pen = {ColourOf(k), 1.25, Dash::Solid};
    hi = std::max<double>(hi, curves[k].max);
  }
  w.curves = std::move(curves);
  if (!r.speeds.empty()) NiceXAxis(w, r.speeds.front(), r.speeds.back());
  Frame(w, 0, hi > 0 ? hi : 1);
  m.windows.push_back(std::move(w));
  return m;
}

std::string ResponsePlotCsv(const PlotModel& m) {
  std::string text;
  CsvWriter csv(text, kCsvFile);
  csv.Heading("speed", "rpm");
  const std::vector<PlotCurve> none;
  const std::vector<PlotCurve>& curves = m.windows.empty() ? none : m.windows.front().curves;
  for (const PlotCurve& c : curves) csv.Cell(c.name);
  csv.EndLine();
  for (std::size_t k = 0; k < m.crankAngle.size(); ++k) {
    csv.Number(m.crankAngle[k]);
    for (const PlotCurve& c : curves) csv.Number(c.y[k]);
    csv.EndLine();
  }
  return text;
}

}  // namespace zorvan
