#include "core/numeric.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace zorvan {
namespace {

int ErrorOf(auto&& f) {
  try {
    f();
  } catch (const RunTimeError& e) {
    return e.Number();
  }
  return 0;
}

TEST(Numeric, ArcSinTreatsUnitAndBeyondAsZero) {
  EXPECT_EQ(FNArcSin(1.0f), 0.0f);
  EXPECT_EQ(FNArcSin(-1.0f), 0.0f);
  EXPECT_EQ(FNArcSin(1.5f), 0.0f);
  EXPECT_NEAR(FNArcSin(0.5f), 0.5235988f, 1e-6);
  EXPECT_NEAR(FNArcSin(-0.5f), -0.5235988f, 1e-6);
  EXPECT_EQ(ErrorOf([] { FNArcSin(std::nanf("")); }), err::Overflow);
}

TEST(Numeric, Atan2CoversAllQuadrantsAndTheAxes) {
  EXPECT_DOUBLE_EQ(Atan2(-1, 0), 3.141592654);
  EXPECT_DOUBLE_EQ(Atan2(0, -2), -1.570796327);
  EXPECT_DOUBLE_EQ(Atan2(0, 2), 1.570796327);
  EXPECT_EQ(Atan2(0, 0), 0.0);
  EXPECT_NEAR(Atan2(-1, -1), 3.141592654 + 0.785398163, 1e-9);  // third quadrant above pi
  EXPECT_NEAR(Atan2(1, -1), -0.785398163, 1e-9);
}

TEST(Numeric, CartToPolar) {
  float m, a;
  Cart_to_Polar(0, 5, m, a);
  EXPECT_FLOAT_EQ(m, 5);
  EXPECT_FLOAT_EQ(a, 90);
  Cart_to_Polar(0, -5, m, a);
  EXPECT_FLOAT_EQ(a, -90);
  Cart_to_Polar(-3, 4, m, a);
  EXPECT_FLOAT_EQ(m, 5);
  EXPECT_NEAR(a, 126.869898, 1e-4);
  Cart_to_Polar(0, 0, m, a);
  EXPECT_EQ(m, 0);
  EXPECT_EQ(a, 0);
}

TEST(Numeric, RoundUsesFloorOfHalfUp) {
  EXPECT_DOUBLE_EQ(FNRound(2.375, 2), 2.38);
  EXPECT_DOUBLE_EQ(FNRound(-2.5, 0), -2);
  EXPECT_DOUBLE_EQ(FNRound(2.5, 0), 3);
  EXPECT_DOUBLE_EQ(FNRound(-2.6, 0), -3);
  EXPECT_DOUBLE_EQ(FNRound(1.23456789, 9), 1.234568);  // other places: six decimals
  EXPECT_DOUBLE_EQ(FNRound(1.23456789, -1), 1.234568);
  EXPECT_DOUBLE_EQ(FNRound(1.23456789, 5), 1.23457);
  EXPECT_EQ(ErrorOf([] { FNRound(std::numeric_limits<double>::infinity(), 2); }), err::Overflow);
}

TEST(Numeric, RoundStrFixedPatterns) {
  EXPECT_EQ(FNRoundStr(1234567.5, 3), "1,234,567.500");
  EXPECT_EQ(FNRoundStr(1234567.5, 0), "1,234,568.");
  EXPECT_EQ(FNRoundStr(0.25, 1), "0.3");  // halves away from zero
  EXPECT_EQ(FNRoundStr(-0.25, 1), "-0.3");
  EXPECT_EQ(FNRoundStr(2.675, 2), "2.68");  // decimal view of the double, not its binary tail
  EXPECT_EQ(FNRoundStr(999.9996, 3), "1,000.000");
  EXPECT_EQ(FNRoundStr(0.0, 2), "0.00");
  EXPECT_EQ(FNRoundStr(-0.001, 2), "0.00");  // no sign on a value shown as zero
  EXPECT_EQ(FNRoundStr(0.0006, 3), "0.001");
  EXPECT_EQ(FNRoundStr(-1234.56789, 4), "-1,234.5679");
  EXPECT_EQ(FNRoundStr(123, 0), "123.");
  EXPECT_EQ(FNRoundStr(1234567890123.0, 1), "1,234,567,890,123.0");
}

TEST(Numeric, RoundStrSixDecimalsAndScientific) {
  EXPECT_EQ(FNRoundStr(1.2345678, 6), "1.234 568");
  EXPECT_EQ(FNRoundStr(1.2345678, 5), "1.234 568");
  EXPECT_EQ(FNRoundStr(-12345.0000004, 8), "-12,345.000 000");
  EXPECT_EQ(FNRoundStr(0.000123, -1), "1.23E-4");
  EXPECT_EQ(FNRoundStr(123456, -1), "1.23E+5");
  EXPECT_EQ(FNRoundStr(-9.996, -1), "-1.00E+1");
  EXPECT_EQ(FNRoundStr(1.5, -1), "1.50E+0");
  EXPECT_EQ(FNRoundStr(0, -1), "0.00E+0");
  EXPECT_EQ(FNRoundStr(6.02e23, -1), "6.02E+23");
  EXPECT_EQ(ErrorOf([] { FNRoundStr(std::nan(""), 2); }), err::Overflow);
}

TEST(Numeric, MaxMinOverRangesAndBounds) {
  std::vector<float> v{5, -1, 7, 7, -3, 2};
  float lo, hi;
  MaxMin1(v, 1, 3, lo, hi);
  EXPECT_EQ(lo, -1);
  EXPECT_EQ(hi, 7);
  MaxMin1(v, 0, 5, lo, hi);
  EXPECT_EQ(lo, -3);
  EXPECT_EQ(hi, 7);
  EXPECT_EQ(ErrorOf([&] { MaxMin1(v, 0, 6, lo, hi); }), err::SubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { MaxMin1(v, -1, 2, lo, hi); }), err::SubscriptOutOfRange);

  std::array<std::array<float, 3>, kRows> table{};
  table[5][1] = 4;
  table[9][1] = 4;
  table[7][1] = -2;
  int rlo, rhi;
  MaxMin2(table, 1, 0, kRows - 1, lo, hi, rlo, rhi);
  EXPECT_EQ(hi, 4);
  EXPECT_EQ(rhi, 5);  // earliest row wins a tie
  EXPECT_EQ(rlo, 7);
  EXPECT_EQ(ErrorOf([&] { MaxMin2(table, 3, 0, 10, lo, hi, rlo, rhi); }), err::SubscriptOutOfRange);
}

TEST(Numeric, MaxMinAvgLeavesElementZeroOutOfTheAverage) {
  std::vector<float> v{100, 1, 2, 3};
  float lo, hi, avg;
  MaxMinAvg(v, 3, lo, hi, avg);
  EXPECT_EQ(lo, 1);
  EXPECT_EQ(hi, 100);
  EXPECT_FLOAT_EQ(avg, 2);
  EXPECT_EQ(ErrorOf([&] { MaxMinAvg(v, 0, lo, hi, avg); }), err::Overflow);  // 0/0
  EXPECT_EQ(ErrorOf([&] { MaxMinAvg(v, 4, lo, hi, avg); }), err::SubscriptOutOfRange);
}

TEST(Numeric, GlobalMaxTakesTheLargestMagnitude) {
  std::vector<float> a{1, -8, 3}, b{2, 5, 7};
  EXPECT_EQ(GlobalMax(a, b, 0, 2), 8);
  EXPECT_EQ(GlobalMax(a, b, 2, 2), 7);
  EXPECT_EQ(ErrorOf([&] { GlobalMax(a, b, 1, 3); }), err::SubscriptOutOfRange);
}

TEST(Numeric, RotateIntoTheCrankFrame) {
  float x, y;
  Rotate(1, 0, 90, 1, x, y);
  EXPECT_NEAR(x, 0, 1e-6);
  EXPECT_NEAR(y, 1, 1e-6);
  Rotate(1, 0, 90, -1, x, y);
  EXPECT_NEAR(y, -1, 1e-6);
  Rotate(3, 4, 180, 1, x, y);
  EXPECT_NEAR(x, -3, 1e-5);
  EXPECT_NEAR(y, -4, 1e-5);
}

}  // namespace
}  // namespace zorvan
