#include "core/balance_shafts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/assembly_steps.h"
#include "core/display_units.h"
#include "core/error_report.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/result_catalogue.h"
#include "core/runtime_error.h"
#include "core/units.h"

namespace zorvan {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
// A turning part this much smaller than the whole harmonic is rounding
// noise of the samples, not a force a shaft should be sized for.
constexpr double kNegligibleShare = 1e-7;

// The order-n samples of a table's engine slot, X and Y of the total group,
// with the moment taken `arm` from cylinder 1's plane.
TurningParts PartsOf(const EngineDesignRecord& d, bool moment, int order, double arm) {
  std::array<double, kLastRow> x{}, y{};
  const ShakingTable& force = d.table.ShakingForce;
  const ShakingTable& m = d.table.ShakingMoment;
  const int cx = ShakingColumn(0, kX, kTotal), cy = ShakingColumn(0, kY, kTotal);
  for (int row = 0; row < kLastRow; ++row) {
    x[row] = moment ? m[row][cx] - arm * force[row][cx] : force[row][cx];
    y[row] = moment ? m[row][cy] - arm * force[row][cy] : force[row][cy];
  }
  return TurningPartsOf(OrdersOfSamples(x)[2 * order], OrdersOfSamples(y)[2 * order]);
}

void RequireEngine(const EngineDesignRecord& d) {
  if (!d.EngineResultsValid) RaiseError(err::InvalidCall);
}

std::string Shown(double v, int places) { return FNRoundStr(v, static_cast<int16_t>(places)); }

std::string Right(const std::string& s, std::size_t width) {
  return s.size() >= width ? " " + s : std::string(width - s.size(), ' ') + s;
}

}  // namespace

std::optional<ShaftChoice> ParseShaftChoice(std::string_view name) {
  if (name == "first") return ShaftChoice::First;
  if (name == "second") return ShaftChoice::Second;
  if (name == "both") return ShaftChoice::Both;
  return std::nullopt;
}

std::optional<std::string> ShaftFault(const BalanceShaft& s) {
  if (s.order != 1 && s.order != 2) return "the order must be 1 or 2";
  if (s.sense != 1 && s.sense != -1) return "the sense must be 1 (with the crank) or -1 (against it)";
  if (!std::isfinite(s.massRadius) || s.massRadius < 0 || s.massRadius > kMaxMassRadius)
    return "the mass times radius must be 0 to " + DigitsText(kMaxMassRadius) + " kg m";
  if (!std::isfinite(s.phase) || std::fabs(s.phase) > 3600) return "the phase must be -3600 to 3600 degrees";
  if (!std::isfinite(s.position) || std::fabs(s.position) > kMaxShaftPlace)
    return "the place must be within " + DigitsText(kMaxShaftPlace) + " m of the engine's centre";
  return std::nullopt;
}

double HeldMassRadius(const EngineDesignRecord& d, double kgMetres) {
  return kgMetres / (KilogramsPerMass(d.UnitSystem) * MetresPerLength(d.UnitSystem));
}
double HeldPlace(const EngineDesignRecord& d, double metres) { return metres / MetresPerLength(d.UnitSystem); }
double SiMassRadius(const EngineDesignRecord& d, double held) {
  return held * KilogramsPerMass(d.UnitSystem) * MetresPerLength(d.UnitSystem);
}
double SiPlace(const EngineDesignRecord& d, double held) { return held * MetresPerLength(d.UnitSystem); }

double ShaftForce(const EngineDesignRecord& d, const BalanceShaft& s) {
  return HeldMassRadius(d, s.massRadius) * s.order * s.order * static_cast<double>(d.OmegaSquared);
}

double ShaftMomentAboutCentre(const EngineDesignRecord& d, const BalanceShaft& s) {
  return std::fabs(HeldPlace(d, s.position)) * ShaftForce(d, s);
}

double TurningParts::Largest() const { return std::hypot(pRe, pIm) + std::hypot(qRe, qIm); }

TurningParts TurningPartsOf(const OrderTerm& x, const OrderTerm& y) {
  return {(x.a + y.b) / 2, (y.a - x.b) / 2, (x.a - y.b) / 2, (y.a + x.b) / 2};
}

std::vector<BalanceShaft> SizeShafts(const EngineDesignRecord& d, int order) {
  RequireEngine(d);
  if (order != 1 && order != 2) RaiseError(err::InvalidCall);
  const TurningParts t = PartsOf(d, false, order, 0);
  const double whole = t.Largest();
  std::vector<BalanceShaft> shafts;
  if (!(whole >= kEngineZero)) return shafts;  // no free force of this order
  const double perMassRadius = order * order * static_cast<double>(d.OmegaSquared);
  auto add = [&](int sense, double re, double im) {
    // A part the tables would store as 0, or rounding noise, takes no shaft.
    if (std::hypot(re, im) < std::max<double>(kEngineZero, kNegligibleShare * whole)) return;
    BalanceShaft s;
    s.order = order;
    s.sense = sense;
    s.massRadius = SiMassRadius(d, std::hypot(re, im) / perMassRadius);
    s.phase = std::atan2(-im, -re) / kDegree;  // its force is minus the part it cancels
    if (s.phase <= -180) s.phase += 360;         // -180..180, 180 rather than -180
    s.position = 0;
    shafts.push_back(s);
  };
  add(1, t.pRe, t.pIm);
  add(-1, t.qRe, t.qIm);
  return shafts;
}

bool SizeDesignShafts(EngineDesignRecord& d, ShaftChoice choice, MessageList& messages) {
  return Guarded(messages, "Balance_Shafts", [&] {
    std::vector<BalanceShaft> kept, sized;
    for (int order = 1; order <= 2; ++order) {
      const bool wanted = choice == ShaftChoice::Both || (order == 1) == (choice == ShaftChoice::First);
      if (!wanted) {
        for (const BalanceShaft& s : d.BalanceShafts)
          if (s.order == order) kept.push_back(s);
        continue;
      }
      std::vector<BalanceShaft> shafts = SizeShafts(d, order);
      if (shafts.empty())
        messages.Add(std::string("This engine has no free ") + (order == 1 ? "first" : "second") +
                         "-order force: it needs no " + (order == 1 ? "first" : "second") + "-order shaft.",
                     Icon::Information);
      sized.insert(sized.end(), shafts.begin(), shafts.end());
    }
    kept.insert(kept.end(), sized.begin(), sized.end());
    d.BalanceShafts = std::move(kept);
  });
}

void AddShafts(const EngineDesignRecord& d, ShakingTable& force, ShakingTable& moment) {
  const double centre = EngineCentre(d);
  int faults = 0;
  for (const BalanceShaft& s : d.BalanceShafts) {
    if (ShaftFault(s)) RaiseError(err::InvalidCall);
    const double f = ShaftForce(d, s), z = centre + HeldPlace(d, s.position);
    const int group = s.order == 1 ? kPrimary : kSecondary;
    for (int row = 0; row < kRows; ++row) {
      const double psi = (s.sense * s.order * 3.0 * row + s.phase) * kDegree;
      const double fx = f * std::cos(psi), fy = f * std::sin(psi);
      for (int g : {group, static_cast<int>(kTotal)}) {
        float& x = force[row][ShakingColumn(0, kX, g)];
        float& y = force[row][ShakingColumn(0, kY, g)];
        float& mx = moment[row][ShakingColumn(0, kX, g)];
        float& my = moment[row][ShakingColumn(0, kY, g)];
        x = EngineValue(x + fx, faults);
        y = EngineValue(y + fy, faults);
        mx = EngineValue(mx + z * fx, faults);
        my = EngineValue(my + z * fy, faults);
      }
    }
  }
  if (faults != 0) RaiseError(err::Overflow);
}

std::unique_ptr<EngineDesignRecord> DesignWithShafts(const EngineDesignRecord& d) {
  auto with = std::make_unique<EngineDesignRecord>(d);
  AddShafts(d, with->table.ShakingForce, with->table.ShakingMoment);
  with->ShaftsInTables = true;
  return with;
}

std::vector<ResidualRow> ResidualTable(const EngineDesignRecord& without, const EngineDesignRecord& with,
                                       MomentReference reference) {
  RequireEngine(without);
  const double arm = ReferenceArm(without, reference);
  std::vector<ResidualRow> rows;
  for (int n = 1; n <= kResidualOrders; ++n) {
    rows.push_back({n, PartsOf(without, false, n, 0).Largest(), PartsOf(with, false, n, 0).Largest(),
                    PartsOf(without, true, n, arm).Largest(), PartsOf(with, true, n, arm).Largest()});
  }
  return rows;
}

std::string ShaftsText(const EngineDesignRecord& d, const EngineDesignRecord& withShafts, MomentReference reference) {
  constexpr const char* CR = "\r";
  const int16_t system = d.UnitSystem;
  const std::string& force = d.UnitLabel[kForceSlot];
  const std::string& moment = d.UnitLabel[kMomentSlot];
  const std::string& length = d.UnitLabel[kLengthSlot];
  const std::string massRadius = d.UnitLabel[kMassSlot] + "-" + length;
  const double lengthShown = DisplayFactor(Quantity::Length, system);
  std::string s = std::string(" BALANCE SHAFTS") + CR + CR;
  if (d.BalanceShafts.empty()) {
    s += std::string(" The engine has no balance shafts.") + CR;
  } else {
    s += Right("Shaft", 6) + Right("Order", 6) + "  Turns  " + Right("Mass x radius", 18) + Right("Phase", 10) +
         Right("Place", 12) + Right("Bearing load", 14) + Right("Moment about centre", 21) + CR;
    s += std::string(21, ' ') + Right("(" + massRadius + ")", 18) + Right("(deg)", 10) + Right("(" + length + ")", 12) +
         Right("(" + force + ")", 14) + Right("(" + moment + ")", 21) + CR;
    int k = 0;
    for (const BalanceShaft& shaft : d.BalanceShafts) {
      s += Right(std::to_string(++k), 6) + Right(std::to_string(shaft.order), 6) + "  " +
           (shaft.sense > 0 ? "with   " : "against") +
           Right(DigitsText(HeldMassRadius(d, shaft.massRadius) * lengthShown, 6), 18) +
           Right(Shown(shaft.phase, 1), 10) +
           Right(Shown(HeldPlace(d, shaft.position) * lengthShown, d.LengthDigits), 12) +
           Right(Shown(ShaftForce(d, shaft), 2), 14) + Right(Shown(ShaftMomentAboutCentre(d, shaft), 2), 21) + CR;
    }
    s += std::string(CR) + " Places along the crankshaft from the engine's centre, which lies " +
         Shown(EngineCentre(d) * lengthShown, d.LengthDigits) + " " + length + CR +
         " from cylinder 1's plane. Each shaft's bearings carry its own centrifugal force" + CR +
         " (the bearing load), which turns with it." + CR;
  }
  s += std::string(CR) + " FREE FORCES AND MOMENTS WITHOUT AND WITH THE SHAFTS" + CR +
       " (the largest magnitude of each order over the cycle; moments about " + ReferenceText(reference) + ")" + CR +
       CR;
  s += std::string("  Order") + Right("Force without", 16) + Right("Force with", 16) + Right("Moment without", 18) +
       Right("Moment with", 18) + CR;
  s += std::string("       ") + Right("(" + force + ")", 16) + Right("(" + force + ")", 16) +
       Right("(" + moment + ")", 18) + Right("(" + moment + ")", 18) + CR;
  for (const ResidualRow& r : ResidualTable(d, withShafts, reference))
    s += Right(std::to_string(r.order), 7) + Right(Shown(r.forceWithout, 2), 16) + Right(Shown(r.forceWith, 2), 16) +
         Right(Shown(r.momentWithout, 2), 18) + Right(Shown(r.momentWith, 2), 18) + CR;
  return s;
}

}  // namespace zorvan
