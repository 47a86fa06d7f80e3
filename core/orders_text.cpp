// The orders as the program shows them: a fixed-width table in the style of the
// notices, and comma-separated values for other tools.
#include <cstdio>

#include "core/csv_writer.h"
#include "core/display_units.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/orders.h"

namespace zorvan {

namespace {

constexpr const char* CR = "\r";

std::string RightAligned(const std::string& s, std::size_t width) {
  return s.size() >= width ? " " + s : std::string(width - s.size(), ' ') + s;
}

int16_t DesignRpm(const EngineDesignRecord& d) {
  return d.SpeedIndex == 1 ? d.IdleRPM : d.SpeedIndex == 3 ? d.RedlineRPM : static_cast<int16_t>(d.MidRPM);
}

}  // namespace

std::string OrderColumnTitle(const OrderColumn& c) {
  std::string title = c.entry->longName;
  if (c.entry->vector) title += c.y ? " Y" : " X";
  if (c.moment) title += c.reference == MomentReference::Centre ? " about centre" : " about cylinder 1";
  return title;
}

std::string OrdersText(const EngineDesignRecord& d, OrderSubject subject, const std::vector<OrderColumn>& columns) {
  const bool torque = subject == OrderSubject::Torque;
  std::string s = std::string(" ORDERS OF CRANK SPEED: ") + (torque ? "TORQUE" : "SHAKING FORCE AND MOMENT") + CR + CR;
  s += " " + (d.EngineResultsValid ? "The" + Str(static_cast<int>(d.NumCylinders)) + " cyl." + d.ArrangementName + d.MachineType
                                   : "One cylinder of the " + d.MachineType) +
       "," + Str(static_cast<int>(d.StrokeCycle)) + " stroke cycle, at" + Str(static_cast<int>(DesignRpm(d))) +
       " rpm" + CR;
  s += std::string(" T(theta) = T0 + sum of a cos(n theta) + b sin(n theta), theta in crank degrees;") + CR;
  s += std::string(" amplitude = sqrt(a^2 + b^2), phase = atan2(b, a) in degrees.") + CR;
  if (!torque) {
    // The reference of the moments, from the columns that hold them.
    for (const OrderColumn& c : columns) {
      if (!c.moment) continue;
      s += std::string(" Moments about ") + ReferenceText(c.reference);
      if (c.reference == MomentReference::Centre)
        s += std::string(", midway between the outer cylinder planes,") + CR + " " +
             FNRoundStr(ToDisplay(EngineCentre(d), Quantity::Length, d.UnitSystem), d.LengthDigits) + " " +
             d.UnitLabel[kLengthSlot] + " from cylinder 1's plane";
      s += std::string(".") + CR;
      break;
    }
    if (d.ShaftsInTables) s += std::string(" With the engine's balance shafts.") + CR;
  }
  for (const OrderColumn& c : columns) {
    const std::string unit = ResultUnit(d, *c.entry);
    s += std::string(CR) + " " + OrderColumnTitle(c) + "  (" + unit + ")" + CR;
    if (!c.offered) {
      s += std::string("   no results: ") + (torque ? "calculate the cylinder first." : "calculate the engine first.") + CR;
      continue;
    }
    s += std::string(CR) + "  Order" + RightAligned("a", 14) + RightAligned("b", 14) + RightAligned("Amplitude", 14) +
         RightAligned("Phase", 9) + CR;
    for (const OrderTerm& t : c.spectrum) {
      auto shown = [&](double v) { return ShownResult(d, *c.entry, v); };
      const std::string amplitude = FNRoundStr(shown(t.amplitude), 2);
      // A harmonic that rounds away has no phase worth reading.
      const std::string phase = amplitude == "0.00" ? "-" : FNRoundStr(t.phase, 1);
      s += RightAligned(FNRoundStr(t.order, 1), 7) + RightAligned(FNRoundStr(shown(t.a), 2), 14) +
           RightAligned(FNRoundStr(shown(t.b), 2), 14) + RightAligned(amplitude, 14) + RightAligned(phase, 9) + CR;
    }
  }
  return s;
}

std::string OrdersCsv(const EngineDesignRecord& d, const std::vector<OrderColumn>& columns) {
  std::string s;
  CsvWriter csv(s, kCsvStream);
  csv.Heading("Order");
  for (const OrderColumn& c : columns) {
    if (!c.offered) continue;
    const std::string title = OrderColumnTitle(c), unit = ResultUnit(d, *c.entry);
    for (const char* part : {" a", " b", " amplitude"}) csv.Heading(title + part, unit);
    csv.Heading(title + " phase", "deg");
  }
  csv.EndLine();
  for (int k = 0; k < kOrderCount; ++k) {
    csv.Number(k / 2.0);
    for (const OrderColumn& c : columns) {
      if (!c.offered) continue;
      const OrderTerm& t = c.spectrum[k];
      for (double v : {t.a, t.b, t.amplitude}) csv.Number(ShownResult(d, *c.entry, v));
      csv.Number(t.phase);
    }
    csv.EndLine();
  }
  return s;
}

}  // namespace zorvan
