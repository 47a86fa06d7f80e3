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

void AddGroup(std::vector<HarmonicTerm>& terms, const ArmGroup& g) {
  if (g.cylinders.first < 1 || g.cylinders.last > kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
  for (int c = g.cylinders.first; c <= g.cylinders.last; ++c)
    terms.push_back({c, g.set, static_cast<double>(g.firstArm + (c - g.cylinders.first))});
}

// A second vee bank stands level with the first when its first crank throw
// has cylinder 1's phase (the banks share the throws); otherwise its
// cylinders follow the first bank's along the shaft.
int SecondBankFirstArm(const EngineDesignRecord& d, CylinderGroup second) {
  if (second.first > second.last) return 0;
  return d.PhaseAngle[second.first] == d.PhaseAngle[1] ? 0 : second.first - 1;
}

void AddGroups(const EngineDesignRecord& d, std::vector<HarmonicTerm>& terms) {
  const int n = d.NumCylinders;
  switch (d.Arrangement) {
    case 1: AddGroup(terms, {{1, n}, 1, 0}); break;
    case 2:
    case 3: {
      const CylinderGroup second = HalfGroup(n, 2);
      AddGroup(terms, {HalfGroup(n, 1), 1, 0});
      AddGroup(terms, {second, 2, SecondBankFirstArm(d, second)});
      break;
    }
    case 4:
      // The three banks of a W share the throws: each starts level with the first.
      AddGroup(terms, {ThirdGroup(n, 1), 1, 0});
      AddGroup(terms, {ThirdGroup(n, 2), 3, 0});
      AddGroup(terms, {ThirdGroup(n, 3), 2, 0});
      break;
    default: break;  // a single cylinder: every sum stays 0
  }
}

}  // namespace

std::vector<HarmonicTerm> HarmonicTerms(const EngineDesignRecord& d) {
  if (d.NumCylinders > kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
  std::vector<HarmonicTerm> terms;
  if (d.NumCylinders >= 1) AddGroups(d, terms);
  return terms;
}

std::pair<double, double> HarmonicShare(const EngineDesignRecord& d, const HarmonicTerm& t, int n, int q) {
  const double phi = d.PhaseAngle[t.cylinder] * kPhaseToRad;
  const double lever = q == 1 ? t.arm * d.CylinderSpacing : 1.0;
  const double cn = std::cos(n * phi), sn = std::sin(n * phi);
  return q == 1 ? std::pair{cn * lever, sn * lever} : std::pair{cn, sn};
}

void ComputeHarmonicSums(EngineDesignRecord& d) {
  d.HarmonicSums = {};
  for (const HarmonicTerm& t : HarmonicTerms(d)) {
    for (int n = 1; n <= 6; ++n) {
      auto& h = d.HarmonicSums[n];
      for (int q = 0; q <= 1; ++q) {
        const auto [c, s] = HarmonicShare(d, t, n, q);
        h[q][0][t.set] += c;
        h[q][1][t.set] += s;
      }
    }
  }
  for (auto& harmonic : d.HarmonicSums)
    for (auto& q : harmonic)
      for (auto& t : q) t[0] = t[2] + t[1] + t[3];
}

}  // namespace zorvan
