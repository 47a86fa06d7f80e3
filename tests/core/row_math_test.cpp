// The branch-free sine, cosine and arctangent of the row loops against the
// maths library, and the column-held tables against their row view.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>

#include "core/crank_angle_table.h"
#include "core/row_math.h"
#include "core/slider_crank.h"

namespace zorvan {
namespace {

// Distance in units of the last place of b.
double Ulps(double a, double b) { return a == b ? 0 : std::fabs(a - b) / std::fabs(std::nextafter(b, 2 * b) - b); }

TEST(RowMath, SinesCosinesAndArctangentsKeepToTwoUnitsInTheLastPlace) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> angle(-2000, 2000), half(-1.5707963, 1.5707963), power(-20, 20);
  for (int i = 0; i < 200000; ++i) {
    double s, c;
    const double x = i % 2 ? angle(random) : static_cast<float>(0.0523598775598 * i);  // and the rows' angles
    SinCosOf(x, s, c);
    ASSERT_LE(Ulps(s, std::sin(x)), 2) << x;
    ASSERT_LE(Ulps(c, std::cos(x)), 2) << x;
    const double t = half(random);
    SinCosHalfTurn(t, s, c);
    ASSERT_LE(Ulps(s, std::sin(t)), 1) << t;
    ASSERT_LE(Ulps(c, std::cos(t)), 1) << t;
    const double y = std::exp(power(random)) * (i % 3 ? 1 : -1);
    ASSERT_LE(Ulps(AtanOf(y), std::atan(y)), 1) << y;
  }
}

TEST(RowMath, TheRodAngleIsTheSingleOfTheLibrarysArcsine) {
  std::mt19937 random(11);
  std::uniform_real_distribution<float> sine(-1.25f, 1.25f);
  for (int i = 0; i < (1 << 20); ++i) {
    const float x = i % 2 ? sine(random) : -1.25f + i / 262144.0f;
    const float v = 1.0f - x * x;
    const float library = v > 0 ? static_cast<float>(std::atan(x / std::sqrt(static_cast<double>(v)))) : 0.0f;
    ASSERT_EQ(ArcSinOfSingle(x), library) << x;
  }
  EXPECT_EQ(kSinOfProgramPi, std::sin(kPi));
  EXPECT_TRUE(std::signbit(ArcSinOfSingle(-0.0f)));
}

TEST(ColumnTable, RowsAndColumnsAreOneStore) {
  ShakingTable t;
  t[7][ShakingColumn(2, kY, kTotal)] = 3.5f;
  EXPECT_EQ(t.column(ShakingColumn(2, kY, kTotal))[7], 3.5f);
  EXPECT_EQ(t.at(7).at(ShakingColumn(2, kY, kTotal)), 3.5f);
  EXPECT_THROW(t.at(kRows), std::out_of_range);
  EXPECT_THROW(t.at(0).at(kShakingColumns), std::out_of_range);
  int rows = 0;
  for (const auto& row : t) rows += row.size() == kShakingColumns;
  EXPECT_EQ(rows, kRows);
  ShakingTable u = t;
  EXPECT_EQ(u, t);
  EXPECT_EQ(u[7], t[7]);
  ClearAllBut(u, 2);  // slot 2 is not kept
  EXPECT_EQ(u, ShakingTable{});
}

}  // namespace
}  // namespace zorvan
