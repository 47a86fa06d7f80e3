// Harmonic sums of the crank phase angles, per cylinder set: plain sums for
// the inertia forces, sums weighted with each cylinder's place along the
// crankshaft for the inertia moments.
#include "core/harmonics.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <tuple>

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

void AddGroup(HarmonicTermList& terms, const ArmGroup& g) {
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

void AddGroups(const EngineDesignRecord& d, HarmonicTermList& terms) {
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

void HarmonicTermList::push_back(const HarmonicTerm& t) {
  if (count_ == kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
  terms_[count_++] = t;
}

HarmonicTermList HarmonicTerms(const EngineDesignRecord& d) {
  if (d.NumCylinders > kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
  HarmonicTermList terms;
  if (d.NumCylinders >= 1) AddGroups(d, terms);
  return terms;
}

std::pair<double, double> HarmonicShare(const EngineDesignRecord& d, const HarmonicTerm& t, int n, int q) {
  const double phi = d.PhaseAngle[t.cylinder] * kPhaseToRad;
  const double lever = q == 1 ? t.arm * d.CylinderSpacing : 1.0;
  const double cn = std::cos(n * phi), sn = std::sin(n * phi);
  return q == 1 ? std::pair{cn * lever, sn * lever} : std::pair{cn, sn};
}

namespace {

// cos and sin of n times a cylinder's phase, n = 1..6. Cylinders of the same
// phase (most of them share one of a few) share one set.
struct PhaseTurns {
  uint32_t phaseBits = 0;
  std::array<double, 7> c{}, s{};
};

struct KnownTurns {
  std::array<PhaseTurns, kMaxCylinders> turns;
  int count = 0;
};

const PhaseTurns& TurnsOf(const EngineDesignRecord& d, int cylinder, KnownTurns& known) {
  const uint32_t bits = std::bit_cast<uint32_t>(d.PhaseAngle[cylinder]);
  for (int i = 0; i < known.count; ++i)
    if (known.turns[i].phaseBits == bits) return known.turns[i];
  PhaseTurns& k = known.turns[known.count++];  // a term a cylinder: never more than kMaxCylinders
  k.phaseBits = bits;
  const HarmonicTerm term{cylinder, 0, 0};
  for (int n = 1; n <= 6; ++n) std::tie(k.c[n], k.s[n]) = HarmonicShare(d, term, n, 0);
  return k;
}

}  // namespace

void ComputeHarmonicSums(EngineDesignRecord& d) {
  d.HarmonicSums = {};
  KnownTurns known;
  for (const HarmonicTerm& t : HarmonicTerms(d)) {
    const PhaseTurns& turns = TurnsOf(d, t.cylinder, known);
    const double lever = t.arm * d.CylinderSpacing;
    for (int n = 1; n <= 6; ++n) {
      auto& h = d.HarmonicSums[n];
      h[0][0][t.set] += turns.c[n];
      h[0][1][t.set] += turns.s[n];
      h[1][0][t.set] += turns.c[n] * lever;
      h[1][1][t.set] += turns.s[n] * lever;
    }
  }
  for (auto& harmonic : d.HarmonicSums)
    for (auto& q : harmonic)
      for (auto& t : q) t[0] = t[2] + t[1] + t[3];
}

}  // namespace zorvan
