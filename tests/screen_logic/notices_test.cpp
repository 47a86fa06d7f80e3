// The balance notices and the design notices, character for character.
#include <gtest/gtest.h>

#include "screen_logic/notices.h"
#include "core/startup.h"
#include "core/design.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "platform/messages.h"
#include "tests/support/text_lines.h"

namespace zorvan {
namespace {

using testing::Cr;

struct Design {
  MessageList told;
  EngineDesignRecord d;
  explicit Design(int preset) {
    Initialize(d, told);
    EXPECT_TRUE(LoadExample(d, preset, told)) << preset;
  }
  // Sums that tell their own indices: n·100 + q·10 + t + b/100.
  void MarkSums() {
    for (int n = 0; n <= 6; ++n)
      for (int q = 0; q < 2; ++q)
        for (int t = 0; t < 2; ++t)
          for (int b = 0; b < 4; ++b) d.HarmonicSums[n][q][t][b] = n * 100 + q * 10 + t + b / 100.0;
  }
};

constexpr int kInline4 = 2, kV8 = 5, kW12 = 6, kV6 = 7, kTwoStroke = 9, kOpposed = 10;

TEST(BalanceNotices, InlineFourShowsItsRealSums) {
  Design e(kInline4);
  EXPECT_EQ(BalanceNoticeText(e.d, BalanceKind::Force),
            Cr({"For phase angles:  0   180   180   0  ", "",
                "The Force balance condition of this  4 cyl. Inline Engine is :", "",
                " For Inertia Force Harmonic # 1", "",
                "       Sum of Sin  1 Phi                            = 0.00",
                "       Sum of Cos  1 Phi                            = 0.00", "",
                " For Inertia Force Harmonic # 2", "",
                "       Sum of Sin  2 Phi                            = 0.00",
                "       Sum of Cos  2 Phi                            = 4.00", ""}) +
                " If any terms are non-zero, then the inertia force will be non-zero.");
}

TEST(BalanceNotices, SingleCylinderUsesTheInlineFormWithZeroSums) {
  MessageList told;
  EngineDesignRecord d;
  Initialize(d, told);
  d.NumCylinders = 1;
  d.Arrangement = 0;
  d.PhaseAngle[1] = 0;
  d.FiringOrder[1] = 1;
  d.FiringAngle[1] = 0;
  ASSERT_TRUE(Engine_Data(d, told));
  ASSERT_TRUE(RecalculateAll(d, told));
  std::string torque = BalanceNoticeText(d, BalanceKind::Torque);
  EXPECT_EQ(torque.substr(0, torque.find(" For Inertia")),
            Cr({"For phase angles:  0  ", "", "The Torque balance condition of this  1 cyl. Single Engine is :", ""}));
  EXPECT_NE(torque.find(Cr({"       Sum of Sin  3 Phi   = 0.00", "       Sum of Cos  3 Phi  = 0.00"})),
            std::string::npos);
  EXPECT_EQ(torque.find("Bank"), std::string::npos);
}

TEST(BalanceNotices, VeeLinesReadTheRightAndLeftBankSums) {
  Design e(kV8);
  e.MarkSums();
  EXPECT_EQ(BalanceNoticeText(e.d, BalanceKind::Force),
            Cr({"For phase angles:  0   90   270   180   0   90   270   180  ", "",
                "The Force balance condition of this  8 cyl.  90 deg. Vee Engine is :", "",
                " For Inertia Force Harmonic # 1", "",
                " Right Bank - Sum of Sin  1 Phi  = 101.01",
                " Right Bank - Sum of Cos  1 Phi  = 100.01",
                " Left  Bank - Sum of Sin  1 Phi  = 101.02",
                " Left  Bank - Sum of Cos  1 Phi  = 100.02", "",
                " For Inertia Force Harmonic # 2", "",
                " Right Bank - Sum of Sin  2 Phi  = 201.01",
                " Right Bank - Sum of Cos  2 Phi  = 200.01",
                " Left  Bank - Sum of Sin  2 Phi  = 201.02",
                " Left  Bank - Sum of Cos  2 Phi  = 200.02", "",
                " If all terms are zero, this is sufficient to make the inertia force zero.",
                " If any terms are non-zero, then the inertia force may be non-zero.",
                " However, the bank angle (gamma) can interact with the phase angles"}) +
                " to cancel shaking forces that exist within the individual banks.");
}

TEST(BalanceNotices, MomentNoticeUsesTheMomentSums) {
  Design inl(kInline4);
  inl.MarkSums();
  EXPECT_EQ(BalanceNoticeText(inl.d, BalanceKind::Moment),
            Cr({"For phase angles:  0   180   180   0  ", "",
                "The Moment balance condition of this  4 cyl. Inline Engine is :", "",
                " For Inertia Moment Harmonic # 1",
                "       Sum of Zi * Sin  1 Phi                      = 111.01",
                "       Sum of Zi * Cos  1 Phi                      = 110.01", "",
                " For Inertia Moment Harmonic # 2",
                "       Sum of Zi * Sin  2 Phi                      = 211.01",
                "       Sum of Zi * Cos  2 Phi                      = 210.01", "",
                " If any terms are non-zero, then the inertia moment will be non-zero."}));

  Design opp(kOpposed);
  opp.MarkSums();
  std::string text = BalanceNoticeText(opp.d, BalanceKind::Moment);
  EXPECT_NE(text.find("The Moment balance condition of this  2 cyl.  180 deg. Opposed Engine is :\r\r"),
            std::string::npos);
  EXPECT_NE(text.find(Cr({" For Inertia Moment Harmonic # 2", " Right Bank - Sum of Zi * Sin  2 Phi   = 211.01",
                          " Right Bank - Sum of Zi * Cos  2 Phi   = 210.01",
                          " Left  Bank - Sum of Zi * Sin  2 Phi   = 211.02",
                          " Left  Bank - Sum of Zi * Cos  2 Phi   = 210.02", "",
                          " If all terms are zero, this is sufficient to make the inertia moment zero."})),
            std::string::npos);
  EXPECT_EQ(text.back(), '.');
}

TEST(BalanceNotices, TorqueNoticeOfAWEngineHasACentreBank) {
  Design w(kW12);
  w.MarkSums();
  std::string text = BalanceNoticeText(w.d, BalanceKind::Torque);
  EXPECT_NE(text.find(Cr({" For Inertia Torque Harmonic #  3", "", " Right Bank - Sum of Sin  3 Phi  = 301.01",
                          " Right Bank - Sum of Cos  3 Phi  = 300.01", " Left  Bank - Sum of Sin  3 Phi  = 301.02",
                          " Left  Bank - Sum of Cos  3 Phi  = 300.02",
                          " Center Bank - Sum of  Sin  3 Phi   = 301.03",
                          " Center Bank - Sum of  Cos  3 Phi   = 300.03", "",
                          " If all terms are zero, this is sufficient to make the inertia torque zero."})),
            std::string::npos);
  EXPECT_NE(text.find(" 120 deg. W Engine is :"), std::string::npos);


  std::string force = BalanceNoticeText(w.d, BalanceKind::Force);
  EXPECT_NE(force.find(Cr({" Center Bank- Sum of Sin  2 Phi  = 201.03", " Center Bank- Sum of Cos  2 Phi  = 200.03", ""})),
            std::string::npos);
}

TEST(FiringArrangement, InlineFourListsTheRowsInFiringOrder) {
  Design e(kInline4);
  e.d.BankNumber = {};
  EXPECT_EQ(FiringArrangementText(e.d),
            Cr({" For this  Inline  engine", " with  4 cylinders", "", " and phase angles of: ",
                " 0   180   180   0  ", "", "", " Your firing arrangement is:", "",
                " Cyl. \tBank \tPhase\tFiring", " No. \tNo.\tAngle\tAngle", "",
                " 1\t 0\t0.\t0.\t deg", " 3\t 0\t180.\t180.\t deg", " 4\t 0\t0.\t360.\t deg",
                " 2\t 0\t180.\t540.\t deg"}));
}

TEST(FiringArrangement, EightCylindersBreakThePhaseListAndShowTheVeeAngle) {
  Design e(kV8);
  std::string text = FiringArrangementText(e.d);
  EXPECT_EQ(text.substr(0, text.find(" Your firing")),
            Cr({" For this  Vee  engine", " with  8 cylinders", "", " and phase angles of: ",
                " 0   90   270   180  ", " 0   90   270   180  ", "", " and a Vee Angle of" + e.d.VeeAngleText, ""}));
  // Cylinder 5 fires second: bank 2, phase 0, firing angle 90.
  EXPECT_NE(text.find("\r 5\t 2\t0.\t90.\t deg\r"), std::string::npos);
}

TEST(FiringArrangement, ThirteenCylindersHaveNoEmptyLinesAndUnknownEntriesStayEmpty) {
  Design e(kInline4);
  e.d.NumCylinders = 13;
  for (int k = 1; k <= 13; ++k) {
    e.d.PhaseAngle[k] = 10.0f * k;
    e.d.FiringOrder[k] = static_cast<float>(k);
    e.d.FiringAngle[k] = 20.0f * k;
    e.d.BankNumber[k] = 1;
  }
  e.d.FiringOrder[2] = 99;      // no such cylinder
  e.d.FiringOrder[3] = -4;      // nor this
  e.d.FiringOrder[4] = 1e30f;   // far beyond any array
  std::string text = FiringArrangementText(e.d);
  EXPECT_EQ(text.substr(0, text.find(" Cyl.")),
            Cr({" For this  Inline  engine", " with  13 cylinders", " and phase angles of: ",
                " 10   20   30   40  ", " 50   60   70   80  ", " 90   100   110   120   130  ",
                "", " Your firing arrangement is:", ""}));
  EXPECT_NE(text.find("\r 99\t\t\t\r-4\t\t\t\r 1E+30\t\t\t\r 5\t 1\t50.\t100.\t deg\r"), std::string::npos);

  std::string advice = PhaseAngleAdviceText(e.d);
  EXPECT_NE(advice.find("\r cylinder  99  with crank throw at : \r"), std::string::npos);
}

TEST(DesignNotices, PhaseAngleAdviceRoundsTheDivisionsHalfToEven) {
  Design four(kInline4);
  EXPECT_EQ(PhaseAngleAdviceText(four.d),
            Cr({"For this engine design, the phase angle should be either  90 or  180 degrees",
                " A  4-stroke engine takes  720 degrees to complete its cycle.",
                " Half of its power strokes should be in the first half cycle.",
                " You have chosen the following firing arrangement :", "",
                " cylinder  1  with crank throw at :  0", " cylinder  3  with crank throw at :  180",
                " cylinder  4  with crank throw at :  0", " cylinder  2  with crank throw at :  180", "",
                " You must now define the crank angle (between 0 and  720 degrees) "}) +
                " at which the first power stroke of each cylinder begins");
  Design seven(kInline4);
  seven.d.NumCylinders = 7;
  EXPECT_EQ(PhaseAngleAdviceText(seven.d).rfind("For this engine design, the phase angle should be either  51 or  103 degrees\r", 0), 0u);
  Design three(kInline4);
  three.d.NumCylinders = 3;
  EXPECT_EQ(PhaseAngleAdviceText(three.d).rfind("For this engine design, the phase angle should be either  120 or  240 degrees\r", 0), 0u);
  Design two(kTwoStroke);
  EXPECT_NE(PhaseAngleAdviceText(two.d).find("\r A  2-stroke engine takes  360 degrees to complete its cycle.\r"),
            std::string::npos);
}

TEST(DesignNotices, FixedTexts) {
  EXPECT_EQ(SpacingNoticeText(),
            "For correct values of shaking moments the program needs the distance\r"
            "between centerlines of adjacent cylinders (pistons) in one bank\r"
            "The default value of 1 will only give relative values of moments between designs");
  std::string suggestions = SuggestionsNoticeText();
  EXPECT_EQ(suggestions.rfind("Before proceeding you need to work out, on paper, \rthe crankshaft's Phase Angles,the", 0), 0u);
  EXPECT_NE(suggestions.find("\rand Vee Angle to calculate the results.  Firing Order is only used as a pointer.  \r"),
            std::string::npos);
  const std::string end = "\rIt is your responsibility to ensure that all these parameters agree.\r\r";
  EXPECT_EQ(suggestions.substr(suggestions.size() - end.size()), end);
  std::string two = GuidelinesNoticeText(2);
  EXPECT_NE(two.find("\r7 - Firing Angles are between 0 and 360.  deg. and in ascending order\r"), std::string::npos);
  EXPECT_NE(GuidelinesNoticeText(4).find("between 0 and 720.  deg."), std::string::npos);
  EXPECT_NE(two.find("\r10 - Cylinders are numbered first down the right bank and then down the left bank\r\r"),
            std::string::npos);
  const std::string last =
      "After calculating your engine, check the Power Chart under the Charts pull-down on Homescreen.\r";
  EXPECT_EQ(two.substr(two.size() - last.size()), last);
}

TEST(DesignNotices, MassNoticeOfTheStartUpDesign) {
  MessageList told;
  EngineDesignRecord d;
  Initialize(d, told);
  d.CrankMassAtCrankpin = 0.015f;
  d.RodMassAtCrankpin = 0.0134f;
  d.MassAtCrankpin = 0.0284f;
  d.ConrodMassAtWristpin = 0.0066f;
  d.MassAtWristpin = 0.0116f;
  d.RodsPerCrank = 2;
  EXPECT_EQ(MassNoticeText(d),
            Cr({" CRANKSHAFT MASS 'concentrated' at Crankpin is  0.0150  bl at 1.768 R.", "",
                " You have  2  Connecting rods on each Crankpin", "",
                " CON-ROD MASS 'concentrated' at Crankpin is     0.0134  bl at 1.768 R.", "",
                " COMBINED MASS 'concentrated' @ Crankpin is     0.0284  bl at 1.768 R.", "",
                " CON-ROD MASS 'concentrated' at Wristpin is     0.0066  bl", "",
                " Present PISTON MASS is                         0.0050  bl", "",
                " COMBINED MASS concentrated at each Wristpin is 0.0116  bl"}));
}

}  // namespace
}  // namespace zorvan
