#include "plots/design_header.h"

#include <algorithm>
#include <cmath>

#include "core/display_units.h"
#include "core/firing_order.h"
#include "core/number_text.h"
#include "core/numeric.h"

namespace zorvan {

namespace {

int Cylinders(const EngineDesignRecord& d) { return std::clamp<int>(d.NumCylinders, 0, kMaxCylinders); }

template <class Value>
std::string Listed(const EngineDesignRecord& d, const char* caption, Value value) {
  std::string s = caption;
  if (!d.EngineResultsValid) return s;
  for (int k = 1; k <= Cylinders(d); ++k) s += (k > 1 ? ", " : "") + Str(value(k));
  return s;
}

std::string Shown(const EngineDesignRecord& d, float v, Quantity q, int16_t places) {
  return FNRoundStr(ToDisplay(v, q, d.UnitSystem), places);
}

}  // namespace

std::string PhaseLine(const EngineDesignRecord& d) {
  return Listed(d, "Phase Angles:  ", [&d](int k) { return d.PhaseAngle[k]; });
}

std::string FiringOrderLine(const EngineDesignRecord& d) {
  return Listed(d, "Firing Order:  ", [&d](int k) { return d.FiringOrder[k]; });
}

std::string FiringAngleLine(const EngineDesignRecord& d) {
  return Listed(d, "Firing Angles:  ", [&d](int j) {
    const int k = FiredCylinder(d, j);
    return k ? d.FiringAngle[k] : 0.0f;
  });
}

std::vector<SummaryRow> CylinderSummary(const EngineDesignRecord& d) {
  const auto& U = d.UnitLabel;
  const int16_t places = d.LengthDigits;
  return {
      {"Cycle", std::to_string(d.StrokeCycle) + " stroke", ""},
      {"Displc of 1 cyl", Shown(d, d.CylinderDisplacement, Quantity::Volume, 2), U[kVolumeSlot]},
      {"Bore", Shown(d, d.Bore, Quantity::Length, places), U[kLengthSlot]},
      {"Stroke", Shown(d, d.Stroke, Quantity::Length, places), U[kLengthSlot]},
      {"B/S Ratio", FNRoundStr(d.BoreStrokeRatio, 3), ""},
      {"L/R Ratio", FNRoundStr(d.LRRatio, 3), ""},
      {"Speed", std::to_string(std::lround(static_cast<double>(d.Omega) * 30 / 3.141592654)), "rpm"},
  };
}

std::vector<SummaryRow> EngineSummary(const EngineDesignRecord& d) {
  const auto& U = d.UnitLabel;
  std::vector<SummaryRow> rows{{"Type", d.ArrangementName, ""}};
  if (d.EngineResultsValid) {
    rows.push_back({"Displacement", Shown(d, d.TotalDisplacement, Quantity::Volume, 1), U[kVolumeSlot]});
    rows.push_back({"No. Cylinders", std::to_string(d.NumCylinders), ""});
    if (d.Arrangement >= 2) rows.push_back({"Vee angle", GeneralNumberText(d.VeeAngle), "deg"});
    rows.push_back({"Rods per Crank", std::to_string(d.RodsPerCrank), ""});
  }
  if (d.BalanceResultsValid) {
    rows.push_back({"Balance mass", FNRoundStr(d.CounterweightMass, 4), U[kMassSlot]});
    rows.push_back({"Balance radius", Shown(d, d.CounterweightRadius, Quantity::Length, d.LengthDigits), U[kLengthSlot]});
  }
  return rows;
}

std::string SummaryText(const std::vector<SummaryRow>& rows) {
  std::string s;
  for (const SummaryRow& r : rows) s += r.caption + ":  " + r.value + (r.unit.empty() ? "" : " " + r.unit) + "\n";
  return s;
}

}  // namespace zorvan
