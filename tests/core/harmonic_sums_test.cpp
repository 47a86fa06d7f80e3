#include <gtest/gtest.h>

#include <cmath>

#include "core/harmonics.h"
#include "core/runtime_error.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

// Sums for a design of one's own: arrangement, phases, spacing.
EngineDesignRecord Summed(int16_t arrangement, std::initializer_list<float> phases, float spacing = 1) {
  EngineDesignRecord d;
  d.Arrangement = arrangement;
  d.CylinderSpacing = spacing;
  SetRows(d, phases, {}, {});
  ComputeHarmonicSums(d);
  return d;
}

double Sum(const EngineDesignRecord& d, int n, int q, int t, int b) { return d.HarmonicSums[n][q][t][b]; }

TEST(HarmonicSums, InlineFourWithAFlatCrank) {
  const EngineDesignRecord d = Summed(1, {0, 180, 180, 0});
  EXPECT_NEAR(Sum(d, 1, 0, 0, 0), 0, 1e-8);
  EXPECT_NEAR(Sum(d, 1, 0, 1, 0), 0, 1e-8);
  EXPECT_NEAR(Sum(d, 2, 0, 0, 0), 4, 1e-8);
  EXPECT_NEAR(Sum(d, 2, 0, 1, 0), 0, 1e-8);
  EXPECT_NEAR(Sum(d, 1, 1, 0, 0), 0, 1e-8);  // 0 - 1 - 2 + 3
  EXPECT_NEAR(Sum(d, 2, 1, 0, 1), 6, 1e-8);  // arms 0..3
  EXPECT_EQ(Sum(d, 1, 0, 0, 2), 0);
  EXPECT_NEAR(Summed(1, {0, 180, 180, 0}, 2.5f).HarmonicSums[2][1][0][0], 15, 1e-6);
}

TEST(HarmonicSums, SecondVeeBankIsLevelOnlyWhenItStartsOnCylinderOnesPhase) {
  const EngineDesignRecord v8 = Summed(2, {0, 90, 270, 180, 0, 90, 270, 180});
  for (int n = 1; n <= 6; ++n)
    for (int q = 0; q <= 1; ++q)
      for (int t = 0; t <= 1; ++t) {
        EXPECT_NEAR(Sum(v8, n, q, t, 2), Sum(v8, n, q, t, 1), 1e-9);
        EXPECT_NEAR(Sum(v8, n, q, t, 0), 2 * Sum(v8, n, q, t, 1), 1e-9);
      }
  // Cylinders 3 and 4 behind the first bank: arms 2 and 3.
  const EngineDesignRecord v4 = Summed(2, {0, 0, 180, 180});
  EXPECT_NEAR(Sum(v4, 1, 1, 0, 2), -5, 1e-9);
  EXPECT_NEAR(Sum(v4, 1, 1, 0, 1), 1, 1e-9);
}

TEST(HarmonicSums, WTwelveGroupsItsThirdsCentreBankThird) {
  // Each third carries its own phase so its set can be told apart.
  const EngineDesignRecord w = Summed(4, {0, 0, 0, 0, 90, 90, 90, 90, 180, 180, 180, 180});
  EXPECT_NEAR(Sum(w, 1, 0, 0, 1), 4, 1e-9);
  EXPECT_NEAR(Sum(w, 1, 0, 1, 3), 4, 1e-9);
  EXPECT_NEAR(Sum(w, 1, 0, 0, 2), -4, 1e-9);
  EXPECT_NEAR(Sum(w, 1, 1, 0, 2), -6, 1e-9);  // arms 0..3 again
  EXPECT_NEAR(Sum(w, 1, 1, 1, 3), 6, 1e-9);
}

TEST(HarmonicSums, OddCountsPutEveryCylinderInExactlyOneSet) {
  // With every phase 0 the cosine sums count the cylinders of each set.
  for (int16_t arrangement : {2, 3, 4}) {
    for (int n = 1; n <= 16; ++n) {
      EngineDesignRecord d;
      d.Arrangement = arrangement;
      d.NumCylinders = static_cast<int16_t>(n);
      ComputeHarmonicSums(d);
      EXPECT_NEAR(Sum(d, 1, 0, 0, 1) + Sum(d, 1, 0, 0, 2) + Sum(d, 1, 0, 0, 3), n, 1e-9);
      EXPECT_NEAR(Sum(d, 3, 0, 0, 0), n, 1e-9);
    }
  }
  // A level second bank of a five-cylinder vee restarts its arms at 0: 0 + 1 + 2.
  EXPECT_NEAR(Summed(2, {0, 0, 0, 0, 0}).HarmonicSums[1][1][0][2], 3, 1e-9);
}

TEST(HarmonicSums, SingleCylinderAndImpossibleCounts) {
  const EngineDesignRecord single = Summed(0, {30});
  EXPECT_EQ(single.HarmonicSums, HarmonicTable{});
  EngineDesignRecord d;
  d.Arrangement = 1;
  d.NumCylinders = 17;
  try {
    ComputeHarmonicSums(d);
    ADD_FAILURE() << "17 cylinders were summed";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(e.Number(), err::SubscriptOutOfRange);
  }
}

}  // namespace
}  // namespace zorvan::testing
