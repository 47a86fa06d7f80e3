// The counterweight pass: the counterweight's force joins the one-cylinder
// shaking force and main-bearing force, and the friction torque is recomputed
// with the new bearing load.
#include "core/counterweight.h"

#include <array>

#include "core/checked.h"
#include "core/counterweight_force.h"
#include "core/forces.h"
#include "core/kinematics.h"
#include "core/numeric.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

// The counterweight force joins the shaking force and the main bearing, which
// is turned again into the crank's frame (column 9); friction follows the new
// bearing load.
ZORVAN_ROW_LOOP int AddCounterweight(const CylinderFigures& f, const CounterweightColumns& force,
                                     CrankAngleTable& __restrict t, int last) {
  const CrankColumns& k = Crank();
  Column& x = t.PinForceX.column(kMainBearing);
  Column& y = t.PinForceY.column(kMainBearing);
  int faults = 0;
  for (int row = 0; row <= last; ++row) {
    const float fx = force.x[row], fy = force.y[row];
    AddCounterweightToShaking(t.ShakingForce, row, fx, fy, faults);
    x[row] = Single(static_cast<double>(x[row]) + fx, faults);
    y[row] = Single(static_cast<double>(y[row]) + fy, faults);
    Turned(x[row], y[row], k.cosBack[row], k.sinBack[row], t.PinForceX.column(kMainBearing + kRotatedOffset)[row],
           t.PinForceY.column(kMainBearing + kRotatedOffset)[row], faults);
    t.FrictionTorque[row] = FrictionOf(f, t.PinForceY.column(kWall)[row], t.PinForceX.column(kCrankpin)[row],
                                       t.PinForceY.column(kCrankpin)[row], x[row], y[row], k.sin1[row], k.cos1[row],
                                       faults);
  }
  return faults;
}

// The columns the pass changes, kept so that a pass that overflows leaves
// the table as it was: slots 1 and 0 of the shaking force (primary and total),
// the main bearing in both frames and the friction torque.
class TouchedColumns {
 public:
  explicit TouchedColumns(CrankAngleTable& t) : kept_(Of(t)) {}
  void Restore(CrankAngleTable& t) const {
    const auto places = Places(t);
    for (std::size_t i = 0; i < places.size(); ++i) *places[i] = kept_[i];
  }

 private:
  static std::array<Column*, 13> Places(CrankAngleTable& t) {
    auto shaking = [&](int slot, int component, int group) {
      return &t.ShakingForce.column(ShakingColumn(slot, component, group));
    };
    return {shaking(1, kX, kPrimary), shaking(1, kY, kPrimary), shaking(1, kX, kTotal), shaking(1, kY, kTotal),
            shaking(0, kX, kPrimary), shaking(0, kY, kPrimary), shaking(0, kX, kTotal), shaking(0, kY, kTotal),
            &t.PinForceX.column(kMainBearing), &t.PinForceY.column(kMainBearing),
            &t.PinForceX.column(kMainBearing + kRotatedOffset), &t.PinForceY.column(kMainBearing + kRotatedOffset),
            &t.FrictionTorque};
  }
  static std::array<Column, 13> Of(CrankAngleTable& t) {
    std::array<Column, 13> copy;
    const auto places = Places(t);
    for (std::size_t i = 0; i < places.size(); ++i) copy[i] = *places[i];
    return copy;
  }
  std::array<Column, 13> kept_;
};

// The multi-cylinder pass sums the engine from these columns, never from the
// columns it overwrites.
void KeepOneCylinderColumns(CrankAngleTable& t) {
  t.SingleGasForce = t.GasForce;
  t.SingleGasTorque = t.GasTorque;
  t.SingleInertiaTorque = t.InertiaTorque;
  t.SingleFrictionTorque = t.FrictionTorque;
}

void RunPass(EngineDesignRecord& d) {
  if (d.LastStep > kLastRow) RaiseError(err::SubscriptOutOfRange);
  CounterweightColumns force;
  CounterweightForces(d, d.LastStep, force);
  const TouchedColumns before(d.table);
  if (AddCounterweight(FiguresOf(d), force, d.table, d.LastStep) != 0) {
    before.Restore(d.table);
    RaiseError(err::Overflow);
  }
  KeepOneCylinderColumns(d.table);
  d.BalanceResultsValid = true;
}

}  // namespace

bool CounterweightPass(EngineDesignRecord& d, MessageList& messages) {
  return Guarded(messages, "Counterweight_Pass", [&] { RunPass(d); });
}

}  // namespace zorvan
