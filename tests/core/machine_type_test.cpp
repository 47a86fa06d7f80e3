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
  // A compressor's peak gas pressure is the entered one, to single precision:
  // the scale comes from the largest value its stored curve takes.
  for (float psi : {131.0f, 262.0f, 1e-3f}) {
    SetPeakPressure(*d, psi);
    Recalculate(*d);
    const Column& cylinder = d->table.SingleGasForce;
    const double peak = *std::max_element(cylinder.begin(), cylinder.end());
    EXPECT_NEAR(peak / d->PistonArea, psi, 2e-7 * psi) << psi;
  }
  SetPeakPressure(*d, 262);
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
