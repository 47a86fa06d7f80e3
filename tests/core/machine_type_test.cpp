#include <gtest/gtest.h>

#include <algorithm>

#include "core/machine_type.h"
#include "core/runtime_error.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

// The entered pressure is the peak of the curve in use, whichever is given first;
// a failure leaves the design as it was.
TEST(MachineType, TypeChoosesTheCurveAndItsOwnPressureScalesIt) {
  auto d = StartUp();
  SetPeakPressure(*d, 262);  // the engine's: the pump keeps 131
  SetMachineType(*d, "Pump");
  EXPECT_EQ(d->GasCurve, kPumpGasCurve);
  EXPECT_EQ(d->GasPressureScale, 1);
  SetPeakPressure(*d, 262);
  Recalculate(*d);
  const float peak = *std::max_element(d->table.GasForce.begin(), d->table.GasForce.end());
  EXPECT_NEAR(peak, 262 * d->PistonArea, 0.01 * 262 * d->PistonArea);
  SetMachineType(*d, "Engine");
  EXPECT_EQ(d->GasCurve, kEngineGasCurve);
  EXPECT_FLOAT_EQ(d->GasPressureScale, 262.0f / 600);

  EXPECT_THROW(SetMachineType(*d, "Turbine"), RunTimeError);
  d->PressureFactor = 0;
  EXPECT_THROW(SetMachineType(*d, "Pump"), RunTimeError);
  EXPECT_THROW(SetPeakPressure(*d, 300), RunTimeError);
  EXPECT_EQ(d->MachineType, "Engine");
  EXPECT_EQ(d->PeakPressureEngine, 262);
}

}  // namespace
}  // namespace zorvan::testing
