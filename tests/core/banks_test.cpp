#include "core/startup.h"
#include "core/banks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/design.h"
#include "platform/messages.h"

namespace zorvan {
namespace {

TEST(Banks, GroupsCoverEveryCylinderOnce) {
  for (int n = 1; n <= kMaxCylinders; ++n) {
    std::vector<int> halves(n + 1), thirds(n + 1);
    for (int h = 1; h <= 2; ++h) {
      CylinderGroup g = HalfGroup(n, h);
      for (int k = g.first; k <= g.last; ++k) ++halves.at(k);
    }
    for (int t = 1; t <= 3; ++t) {
      CylinderGroup g = ThirdGroup(n, t);
      for (int k = g.first; k <= g.last; ++k) ++thirds.at(k);
    }
    for (int k = 1; k <= n; ++k) {
      EXPECT_EQ(halves[k], 1) << "n=" << n << " cylinder " << k;
      EXPECT_EQ(thirds[k], 1) << "n=" << n << " cylinder " << k;
    }
  }
  // Even counts split in halves; odd counts keep the first bank at round(n/2).
  EXPECT_EQ(HalfGroup(8, 1).last, 4);
  EXPECT_EQ(HalfGroup(5, 1).last, 2);
  EXPECT_EQ(HalfGroup(5, 2).first, 3);
  EXPECT_EQ(HalfGroup(7, 1).last, 4);
  EXPECT_EQ(ThirdGroup(12, 2).first, 5);
  EXPECT_EQ(ThirdGroup(12, 2).last, 8);
  EXPECT_EQ(ThirdGroup(4, 2).last, 3);
}

class BanksTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Initialize(d, told)); }
  EngineDesignRecord d;
  MessageList told;
};

TEST_F(BanksTest, VeeSplitsIntoTwoTiltedBanks) {
  d.Arrangement = 2;
  d.NumCylinders = 5;
  d.VeeAngle = 60;
  AssignBanks(d, told);
  FillBankAngleTable(d);
  EXPECT_TRUE(told.Empty());
  EXPECT_TRUE(d.VeeAngleDefined);
  const float bank[] = {0, 1, 1, 2, 2, 2};
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(d.BankNumber[k], bank[k]) << k;
    EXPECT_EQ(d.BankAngle[k], bank[k] == 1 ? -30 : 30) << k;
  }
  EXPECT_FLOAT_EQ(d.BankAngleRad[1], -0.523598776f);
  EXPECT_FLOAT_EQ(d.BankCos[2], std::cos(0.523598776f));
  EXPECT_FLOAT_EQ(d.BankSin[2], 0.5f);
}

TEST_F(BanksTest, WNumbersThirdsAlongTheShaft) {
  d.Arrangement = 4;
  d.NumCylinders = 12;
  d.VeeAngle = 120;
  AssignBanks(d, told);
  FillBankAngleTable(d);
  for (int k = 1; k <= 12; ++k) {
    float expectedBank = k <= 4 ? 1 : (k <= 8 ? 2 : 3);
    float expectedAngle = k <= 4 ? -60 : (k <= 8 ? 0 : 60);
    EXPECT_EQ(d.BankNumber[k], expectedBank) << k;
    EXPECT_EQ(d.BankAngle[k], expectedAngle) << k;
  }
  // The angle table keeps the outer banks as 1 and 2, the centre as 3.
  EXPECT_FLOAT_EQ(d.BankSin[1], -std::sin(60 * 3.141592654f / 180));
  EXPECT_FLOAT_EQ(d.BankSin[2], std::sin(60 * 3.141592654f / 180));
  EXPECT_EQ(d.BankAngleRad[3], 0);
  EXPECT_EQ(d.BankCos[3], 1);
}

TEST_F(BanksTest, MissingVeeAngleWarnsAndKeepsTheTables) {
  d.Arrangement = 2;
  d.VeeAngle = 90;
  AssignBanks(d, told);
  auto numbers = d.BankNumber;
  auto angles = d.BankAngle;
  for (float bad : {0.0f, -30.0f, std::nanf("")}) {
    told.Clear();
    d.VeeAngle = bad;
    AssignBanks(d, told);
    ASSERT_EQ(told.Size(), 1u);
    EXPECT_EQ(told.All()[0].text, "Please define a Vee Angle for this engine");
    EXPECT_EQ(told.All()[0].icon, Icon::Warning);
    EXPECT_FALSE(d.VeeAngleDefined);
    EXPECT_EQ(d.BankNumber, numbers);
    EXPECT_EQ(d.BankAngle, angles);
  }
}

TEST_F(BanksTest, EngineDataAssignsBanksOnlyAboveInline) {
  d.Arrangement = 2;
  d.VeeAngle = 0;
  EXPECT_TRUE(Engine_Data(d, told));  // the warning is not a failure
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_EQ(told.All()[0].text, "Please define a Vee Angle for this engine");
  told.Clear();
  d.Arrangement = 1;
  EXPECT_TRUE(Engine_Data(d, told));
  EXPECT_TRUE(told.Empty());
  // A cylinder count beyond the tables is refused, never written past them.
  d.Arrangement = 2;
  d.VeeAngle = 90;
  d.NumCylinders = 17;
  EXPECT_FALSE(Engine_Data(d, told));
  EXPECT_EQ(told.All().back().text,
            "Error 9   (Subscript out of range)  has occurred in Engine_Data\r\n\r\n");
}

}  // namespace
}  // namespace zorvan
