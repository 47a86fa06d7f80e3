#include "core/startup.h"
#include "core/design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/runtime_error.h"
#include "platform/messages.h"

namespace zorvan {
namespace {

const char* kOverflowReport = "Error 6   (Overflow)  has occurred in Engine_Data\r\n\r\n";

class DesignTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Initialize(d, told)); }
  // Runs Engine_Data and returns the one message it raised ("" when none).
  std::string Derive() {
    told.Clear();
    bool ok = Engine_Data(d, told);
    EXPECT_EQ(ok, told.Empty());
    return told.Empty() ? "" : told.All().back().text;
  }
  EngineDesignRecord d;
  MessageList told;
};

TEST_F(DesignTest, StartUpDesign) {
  EXPECT_TRUE(told.Empty());
  EXPECT_FLOAT_EQ(d.Bore, 3);
  EXPECT_FLOAT_EQ(d.PistonArea, 7.0685835f);
  EXPECT_FLOAT_EQ(d.Stroke, 3.5367765f);
  EXPECT_FLOAT_EQ(d.CrankRadius, 1.7683883f);
  EXPECT_FLOAT_EQ(d.ConrodLength, 6.189359f);
  EXPECT_FLOAT_EQ(d.BoreStrokeRatio, 3 / 3.5367765f);
  EXPECT_FLOAT_EQ(d.ConrodCGDistance, 0.33f * 6.189359f);
  EXPECT_EQ(d.MidRPM, 3400);
  EXPECT_NEAR(d.SpeedTable[1], 83.7758, 1e-4);
  EXPECT_NEAR(d.SpeedTable[2], 356.0472, 1e-4);
  EXPECT_NEAR(d.SpeedTable[3], 628.3185, 1e-4);
  EXPECT_EQ(d.SpeedIndex, 2);
  EXPECT_FLOAT_EQ(d.Omega, d.SpeedTable[2]);
  EXPECT_FLOAT_EQ(d.OmegaSquared, d.Omega * d.Omega);

  // Two-mass model and the exact-balance counterweight.
  EXPECT_FLOAT_EQ(d.ConrodMassAtWristpin, 0.0066f);
  EXPECT_FLOAT_EQ(d.RodMassAtCrankpin, 0.0134f);
  EXPECT_FLOAT_EQ(d.ConrodMassAtCrankpin, 0.0134f);
  EXPECT_FLOAT_EQ(d.CrankMassAtCrankpin, 0.015f);
  EXPECT_FLOAT_EQ(d.MassAtCrankpin, 0.0284f);
  EXPECT_FLOAT_EQ(d.MassAtWristpin, 0.0116f);
  EXPECT_FLOAT_EQ(d.CounterweightMass, d.MassAtCrankpin);
  EXPECT_FLOAT_EQ(d.CounterweightRadius, d.CrankRadius);
  EXPECT_EQ(d.CounterweightAngle, 180);

  // The inline 4 with a 0-180-180-0 crank, firing 1-3-4-2.
  EXPECT_EQ(d.NumCylinders, 4);
  EXPECT_EQ(d.Arrangement, 1);
  EXPECT_EQ(d.ArrangementName, " Inline ");
  EXPECT_EQ(d.VeeAngleText, "0 deg");
  EXPECT_EQ(d.PhaseAngle[2], 180);
  EXPECT_EQ(d.FiringOrder[3], 4);
  EXPECT_EQ(d.FiringAngle[2], 540);
  EXPECT_EQ(d.TotalDisplacement, 100);
  EXPECT_EQ(d.BankCos[2], 1);
  EXPECT_EQ(d.UnitLabel[1], "in");
  EXPECT_EQ(d.MachineType, "Engine");
  EXPECT_EQ(d.PeakPressureEngine, 600);
  EXPECT_EQ(d.LastStep, 240);
}

TEST_F(DesignTest, InitializeForgetsThePreviousDesign) {
  d.Arrangement = 2;
  d.VeeAngle = 60;
  d.UnitSystem = 3;
  d.LoadedFromFile = true;
  d.table.GasForce[7] = 99;
  d.EngineResultsValid = true;
  ASSERT_TRUE(Initialize(d, told));
  EXPECT_EQ(d.Arrangement, 1);
  EXPECT_EQ(d.UnitSystem, 1);
  EXPECT_FALSE(d.LoadedFromFile);
  EXPECT_FALSE(d.EngineResultsValid);
  EXPECT_EQ(d.table.GasForce[7], 0);
}

TEST_F(DesignTest, SpeedSumOverflowIsReported) {
  d.IdleRPM = 20000;
  d.RedlineRPM = 20000;
  EXPECT_EQ(Derive(), kOverflowReport);
  EXPECT_EQ(told.All().back().icon, Icon::Information);
  d.IdleRPM = 1000;
  d.RedlineRPM = 20000;  // doubling the redline alone is not a 16-bit sum
  EXPECT_EQ(Derive(), "");
  EXPECT_NEAR(d.SpeedTable[3], 2094.395, 1e-3);
  d.IdleRPM = 801;
  d.RedlineRPM = 6000;
  Derive();
  EXPECT_EQ(d.MidRPM, 3401);  // 3400.5 rounds up
}

TEST_F(DesignTest, BadGeometryEndsInAReport) {
  d.Bore = 0;
  EXPECT_EQ(Derive(), "Error 11   (Division by zero)  has occurred in Engine_Data\r\n\r\n");
  d.CylinderDisplacement = 0;
  EXPECT_EQ(Derive(), kOverflowReport);  // 0/0
  d.Bore = 3;
  EXPECT_EQ(Derive(), "Error 11   (Division by zero)  has occurred in Engine_Data\r\n\r\n");  // bore/stroke
  d.CylinderDisplacement = 25;
  for (float bad : {std::nanf(""), 1e30f, std::numeric_limits<float>::infinity()}) {
    d.Bore = bad;
    EXPECT_EQ(Derive(), kOverflowReport) << bad;
  }
  d.Bore = 3;
  d.ConrodMass = std::numeric_limits<float>::max();
  d.ConrodCGFraction = -2;  // (1 - cg) x mass leaves float range
  EXPECT_EQ(Derive(), kOverflowReport);
}

TEST_F(DesignTest, DegenerateButFiniteInputsDerive) {
  d.LRRatio = 0;  // the passes refuse the zero rod length; the derivation itself is fine
  d.PistonMass = -0.005f;
  d.CrankMass = -1;
  EXPECT_EQ(Derive(), "");
  EXPECT_EQ(d.ConrodLength, 0);
  EXPECT_FLOAT_EQ(d.MassAtWristpin, 0.0016f);
  EXPECT_FLOAT_EQ(d.MassAtCrankpin, -0.4866f);
}

TEST_F(DesignTest, ArrangementTexts) {
  d.Arrangement = 3;
  d.VeeAngle = 90;
  EXPECT_EQ(Derive(), "");
  EXPECT_EQ(d.VeeAngle, 180);
  EXPECT_EQ(d.ArrangementName, " Opposed ");
  EXPECT_EQ(d.VeeAngleText, "180 deg");
  d.Arrangement = 2;
  d.VeeAngle = 22.5f;
  Derive();
  EXPECT_EQ(d.ArrangementName, " Vee ");
  EXPECT_EQ(d.VeeAngleText, "22.5 deg");
  d.Arrangement = 0;
  Derive();
  EXPECT_EQ(d.ArrangementName, " Single ");
  d.Arrangement = 5;
  EXPECT_EQ(Derive(), "Error 9   (Subscript out of range)  has occurred in Engine_Data\r\n\r\n");
}

TEST_F(DesignTest, LoadedCounterweightRadiusIsKept) {
  d.LoadedFromFile = true;
  d.CounterweightRadius = 2.5f;
  d.CylinderDisplacement = 30;
  Derive();
  EXPECT_EQ(d.CounterweightRadius, 2.5f);
  d.LoadedFromFile = false;
  Derive();
  EXPECT_FLOAT_EQ(d.CounterweightRadius, d.CrankRadius);
  EXPECT_EQ(d.TotalDisplacement, 120);  // follows the cylinder and the count
  d.NumCylinders = 6;
  Derive();
  EXPECT_EQ(d.TotalDisplacement, 180);
}

TEST_F(DesignTest, SpeedIndexAndDefaults) {
  for (int16_t k : {1, 3}) {
    d.SpeedIndex = k;
    SetSpeed(d);
    EXPECT_EQ(d.Omega, d.SpeedTable[k]);
  }
  d.SpeedIndex = 0;
  EXPECT_THROW(SetSpeed(d), RunTimeError);
  d.SpeedIndex = 4;
  EXPECT_THROW(ResetToDefaults(d), RunTimeError);

  d.SpeedIndex = 3;
  d.UnitSystem = 5;
  d.Bore = 0.08f;
  d.CounterweightAngle = 90;
  ResetToDefaults(d);
  EXPECT_EQ(d.Omega, d.SpeedTable[3]);  // taken before the new speeds are written
  EXPECT_EQ(d.UnitSystem, 1);
  EXPECT_EQ(d.UnitLabel[1], "in");
  EXPECT_EQ(d.Bore, 3);
  EXPECT_EQ(d.CounterweightAngle, 180);
}

}  // namespace
}  // namespace zorvan
