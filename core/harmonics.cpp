// Harmonic sums of the crank phase angles, per cylinder set: plain sums for
// the inertia forces, sums weighted with each cylinder's place along the
// crankshaft for the inertia moments.
#include "core/harmonics.h"

#include <cmath>

#include "core/banks.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

constexpr double kPhaseToRad = 0.017453292522222223;

// A group of consecutive cylinders, the set its sums go to, and where along
// the shaft its first cylinder sits (moment arm in cylinder spacings).
struct ArmGroup {
  CylinderGroup cylinders;
  int set;
  int firstArm;
};

void AddCylinder(EngineDesignRecord& d, int c, int set, double arm) {
  const double phi = d.PhaseAngle[c] * kPhaseToRad;
  const double lever = arm * d.CylinderSpacing;
  for (int n = 1; n <= 6; ++n) {
    const double cn = std::cos(n * phi), sn = std::sin(n * phi);
    auto& h = d.HarmonicSums[n];
    h[0][0][set] += cn;
    h[0][1][set] += sn;
    h[1][0][set] += cn * lever;
    h[1][1][set] += sn * lever;
  }
}

void AddGroup(EngineDesignRecord& d, const ArmGroup& g) {
  if (g.cylinders.first < 1 || g.cylinders.last > kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
  for (int c = g.cylinders.first; c <= g.cylinders.last; ++c)
    AddCylinder(d, c, g.set, g.firstArm + (c - g.cylinders.first));
}

// A second vee bank stands level with the first when its first crank throw
// has cylinder 1's phase (the banks share the throws); otherwise its
// cylinders follow the first bank's along the shaft.
int SecondBankFirstArm(const EngineDesignRecord& d, CylinderGroup second) {
  if (second.first > second.last) return 0;
  return d.PhaseAngle[second.first] == d.PhaseAngle[1] ? 0 : second.first - 1;
}

void AddGroups(EngineDesignRecord& d) {
  const int n = d.NumCylinders;
  switch (d.Arrangement) {
    case 1: AddGroup(d, {{1, n}, 1, 0}); break;
    case 2:
    case 3: {
      const CylinderGroup second = HalfGroup(n, 2);
      AddGroup(d, {HalfGroup(n, 1), 1, 0});
      AddGroup(d, {second, 2, SecondBankFirstArm(d, second)});
      break;
    }
    case 4:
      // The three banks of a W share the throws: each starts level with the first.
      AddGroup(d, {ThirdGroup(n, 1), 1, 0});
      AddGroup(d, {ThirdGroup(n, 2), 3, 0});
      AddGroup(d, {ThirdGroup(n, 3), 2, 0});
      break;
    default: break;  // a single cylinder: every sum stays 0
  }
}

}  // namespace

void ComputeHarmonicSums(EngineDesignRecord& d) {
  d.HarmonicSums = {};
  if (d.NumCylinders > kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
  if (d.NumCylinders >= 1) AddGroups(d);
  for (auto& harmonic : d.HarmonicSums)
    for (auto& q : harmonic)
      for (auto& t : q) t[0] = t[2] + t[1] + t[3];
}

}  // namespace zorvan
