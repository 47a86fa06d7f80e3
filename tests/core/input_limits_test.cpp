#include <gtest/gtest.h>

#include <cmath>

#include "core/field_table.h"
#include "core/input_limits.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

TEST(InputLimits, EveryInputFieldHasALimitAndEveryDesignWeShipPasses) {
  for (const DesignField& f : DesignFields())
    EXPECT_EQ(FindInputLimit(f.name) != nullptr, f.role == FieldRole::Input) << f.name;
  EXPECT_EQ(CheckDesignInputs(*StartUp()), std::nullopt);
  for (int k = 0; k < kPresetCount; ++k) EXPECT_EQ(CheckDesignInputs(*Example(k)), std::nullopt) << k;
}

TEST(InputLimits, ValuesAreJudgedAsTheFieldStoresThem) {
  const std::vector<std::tuple<const char*, double, int, const char*>> refused{
      {"IdleRPM", 0.4, 0, "Idle RPM must be above 0."},  // rounds to 0
      {"PistonMass", -0.001, 0, "Piston Mass must not be negative."},
      {"FrictionCoefficient", 1.5, 0, "Friction Coefficient must be at least 0 and at most 1."},
      {"NumCylinders", 16.6, 0, "No. Cylinders must be 1 to 16."},
      {"VeeAngle", 180.5, 0, "Vee Angle must be at least 0 and at most 180."},
      {"PhaseAngle", 360, 2, "The phase angle of cylinder 2 must be at least 0 and below 360."},
      {"FiringOrder", 17, 1, "Place 1 of the firing order must be a cylinder from 1 to 16."},
      {"Bore", NAN, 0, "Bore must be a finite number."},
      {"WristpinOffset", INFINITY, 0, "Offset must be a finite number."},
  };
  for (const auto& [field, value, k, message] : refused)
    EXPECT_EQ(CheckInputValue(field, value, k).value_or("allowed"), message) << field;
  for (auto [field, value] : {std::pair{"NumCylinders", 16.4}, {"WristpinOffset", -0.5}, {"VeeAngle", 180.0},
                              {"PhaseAngle", 359.9}, {"CrankCGFraction", 1.0}, {"Arrangement", 0.0}})
    EXPECT_EQ(CheckInputValue(field, value), std::nullopt) << field;
}

TEST(InputLimits, DesignRulesAcrossFields) {
  auto d = StartUp();  // four cylinders, firing angles 0, 540, 180, 360
  d->StrokeCycle = 2;
  EXPECT_EQ(CheckDesignInputs(*d), "The firing angle of cylinder 2 must be at least 0 and below 360.");
  EXPECT_EQ(CheckInputValue(*d, "FiringAngle", 359, 2), std::nullopt);
  d->StrokeCycle = 4;
  d->NumCylinders = 6;  // rows 5 and 6 name no cylinder
  EXPECT_EQ(CheckDesignInputs(*d), "The firing order must name each cylinder from 1 to 6 exactly once.");
  EXPECT_EQ(CheckInputValue(*d, "FiringOrder", 7, 2), "Place 2 of the firing order must be a cylinder from 1 to 6.");
  d->NumCylinders = 4;
  d->PhaseAngle[9] = 720;  // rows above the cylinder count are not judged
  d->FiringOrder[9] = 40;
  EXPECT_EQ(CheckDesignInputs(*d), std::nullopt);
  d->MachineType = "Turbine";
  EXPECT_EQ(CheckDesignInputs(*d), "Device Type must be Engine or Pump.");
}

}  // namespace
}  // namespace zorvan::testing
