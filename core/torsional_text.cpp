// The torsional analysis as text: the report of the command line and the
// screen, and the CSVs of the modes, the crossings and the response.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/csv_writer.h"
#include "core/number_text.h"
#include "core/torsional.h"
#include "core/units.h"

namespace zorvan {

namespace {

std::string G(double v, int digits = 6) {
  if (std::isnan(v)) return "-";
  return DigitsText(v, digits);
}

std::string Padded(const std::string& text, std::size_t width, bool right = true) {
  if (text.size() >= width) return text;
  const std::string pad(width - text.size(), ' ');
  return right ? pad + text : text + pad;
}

// Lines of columns: each cell right-aligned to its column's width, the first
// `leftColumns` left-aligned.
std::string Columns(const std::vector<std::vector<std::string>>& rows, std::size_t leftColumns = 0) {
  std::vector<std::size_t> width;
  for (const auto& row : rows)
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (width.size() <= c) width.push_back(0);
      width[c] = std::max(width[c], row[c].size());
    }
  std::string text;
  for (const auto& row : rows) {
    std::string line = " ";
    for (std::size_t c = 0; c < row.size(); ++c) line += "  " + Padded(row[c], width[c], c >= leftColumns);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    text += line + "\n";
  }
  return text;
}

std::string PeakLine(const char* what, const ResponsePeak& p, const std::string& unit, const TorsionalResult& r) {
  return std::string(what) + ": " + G(p.value) + " " + unit + " in section " + std::to_string(p.section + 1) + " (" +
         SectionName(r.stations, p.section) + "), order " + G(p.order) + " at " + G(p.speed) + " rpm\n";
}

}  // namespace

namespace {

std::string StationsPart(const EngineDesignRecord& d, const TorsionalResult& r) {
  const int16_t u = d.UnitSystem;
  std::string t = std::string("Stations from the front (") + (r.entered ? "as entered" : "the design's defaults") +
                  "), in " + InertiaLabel(u) + ", " + StiffnessLabel(u) + " and " + DampingLabel(u) + ":\n";
  std::vector<std::vector<std::string>> rows{{"Row", "Station", "Inertia", "Stiffness to next", "Damping"}};
  for (std::size_t s = 0; s < r.stations.size(); ++s) {
    const ShaftStation& st = r.stations[s];
    rows.push_back({std::to_string(s + 1), st.name, G(st.inertia),
                    s + 1 < r.stations.size() ? G(st.stiffness) : "", G(st.damping)});
  }
  return t + Columns(rows, 2) + "Modal damping ratio: " + G(r.modalRatio) + "\n";
}

// The natural frequencies; with the shapes, one column per station.
std::string ModesPart(const TorsionalResult& r, bool shapes) {
  std::vector<std::vector<std::string>> rows{{"Mode", "Frequency (Hz)"}};
  if (shapes)
    for (const ShaftStation& s : r.stations) rows[0].push_back(s.name);
  for (std::size_t m = 0; m < r.modes.size(); ++m) {
    rows.push_back({std::to_string(m), G(r.modes[m].frequency) + (m == 0 && !shapes ? " (rigid body)" : "")});
    if (shapes)
      for (double beta : r.modes[m].shape) rows.back().push_back(G(beta, 4));
  }
  return std::string(shapes ? "Natural frequencies and relative amplitudes (mode 0: the rigid body)\n"
                            : "Natural frequencies\n") +
         Columns(rows);
}

std::string CrossingsPart(const TorsionalResult& r, bool all) {
  const double lo = std::min(r.idle, r.redline), hi = std::max(r.idle, r.redline);
  std::string t = all ? "Crossings of the orders with the natural frequencies (running range " + G(lo) + " to " + G(hi) +
                            " rpm)\n"
                      : "Critical speeds from " + G(lo) + " to " + G(hi) + " rpm (idle to redline)\n";
  std::vector<std::vector<std::string>> rows{{"Mode", "Frequency (Hz)", "Order", "Speed (rpm)", "Kind",
                                              "Relative amplitude sum"}};
  if (all) rows[0].push_back("In range");
  for (const Crossing& c : r.crossings) {
    if (!all && !c.inRange) continue;
    rows.push_back({std::to_string(c.mode), G(c.frequency), G(c.order), G(c.speed), c.major ? "major" : "minor",
                    G(c.amplitudeSum, 4)});
    if (all) rows.back().push_back(c.inRange ? "yes" : "no");
  }
  return t + (rows.size() > 1 ? Columns(rows) : "  none\n");
}

std::string ResponsePart(const EngineDesignRecord& d, const TorsionalResult& r) {
  if (r.response.empty()) return "";
  const std::string torque = d.UnitLabel[kTorqueSlot];
  std::string t = "Forced response, peak of each order over the running range (twist in deg, torque in " + torque +
                  ", sections numbered from the front)\n";
  std::vector<std::vector<std::string>> rows{
      {"Order", "Peak twist", "at (rpm)", "in section", "Peak torque", "at (rpm)", "in section"}};
  for (const OrderResponse& o : r.response)
    rows.push_back({G(o.order), G(o.peakTwist.value, 4), G(o.peakTwist.speed, 5),
                    std::to_string(o.peakTwist.section + 1), G(o.peakTorque.value, 4), G(o.peakTorque.speed, 5),
                    std::to_string(o.peakTorque.section + 1)});
  t += Columns(rows);
  t += "\n" + PeakLine("Peak vibratory twist", r.peakTwist, "deg", r);
  return t + PeakLine("Peak vibratory shaft torque", r.peakTorque, torque, r);
}

}  // namespace

std::string TorsionalText(const EngineDesignRecord& d, const TorsionalResult& r, TorsionalPart part) {
  switch (part) {
    case TorsionalPart::Modes: return ModesPart(r, true);
    case TorsionalPart::Campbell: return CrossingsPart(r, true);
    case TorsionalPart::Response: return ResponsePart(d, r);
    default: break;
  }
  std::string t = "Torsional vibration of the crankshaft\n\n" + StationsPart(d, r) + "\n" + ModesPart(r, false) +
                  "\n" + CrossingsPart(r, false);
  if (!r.response.empty()) t += "\n" + ResponsePart(d, r);
  if (!r.notes.empty()) {
    t += "\n";
    for (const std::string& n : r.notes) t += n + "\n";
  }
  return t;
}

std::string ModesCsv(const TorsionalResult& r) {
  std::string out;
  CsvWriter w(out, kCsvStream);
  w.Heading("mode").Heading("frequency", "Hz");
  for (const ShaftStation& s : r.stations) w.Cell(s.name);
  w.EndLine();
  for (std::size_t m = 0; m < r.modes.size(); ++m) {
    w.Whole(static_cast<long long>(m)).Number(r.modes[m].frequency);
    for (double beta : r.modes[m].shape) w.Number(beta);
    w.EndLine();
  }
  return out;
}

std::string CampbellCsv(const TorsionalResult& r) {
  std::string out;
  CsvWriter w(out, kCsvStream);
  w.Heading("mode").Heading("frequency", "Hz").Heading("order").Heading("speed", "rpm").Heading("in range");
  w.Heading("kind").Heading("relative amplitude sum");
  w.EndLine();
  for (const Crossing& c : r.crossings) {
    w.Whole(c.mode).Number(c.frequency).Number(c.order).Number(c.speed).Text(c.inRange ? "yes" : "no");
    w.Text(c.major ? "major" : "minor");
    if (std::isnan(c.amplitudeSum)) {
      w.Empty();
    } else {
      w.Number(c.amplitudeSum);
    }
    w.EndLine();
  }
  return out;
}

std::string ResponseCsv(const EngineDesignRecord& d, const TorsionalResult& r) {
  std::string out;
  CsvWriter w(out, kCsvStream);
  w.Heading("order").Heading("speed", "rpm");
  for (const ShaftStation& s : r.stations) w.Cell(s.name + " amplitude (deg)");
  const int sections = static_cast<int>(r.stations.size()) - 1;
  for (int s = 0; s < sections; ++s) w.Cell(SectionName(r.stations, s) + " twist (deg)");
  for (int s = 0; s < sections; ++s) w.Cell(SectionName(r.stations, s) + " torque (" + d.UnitLabel[kTorqueSlot] + ")");
  w.EndLine();
  for (const OrderResponse& o : r.response) {
    for (std::size_t i = 0; i < r.speeds.size(); ++i) {
      w.Number(o.order).Number(r.speeds[i]);
      for (double v : o.amplitude[i]) w.Number(v);
      for (double v : o.twist[i]) w.Number(v);
      for (double v : o.torque[i]) w.Number(v);
      w.EndLine();
    }
  }
  return out;
}

}  // namespace zorvan
