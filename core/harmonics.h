#pragma once
#include <array>
#include <utility>

#include "core/design_record.h"

namespace zorvan {
// Rebuilds HarmonicSums from Arrangement, NumCylinders, PhaseAngle, CylinderSpacing.
void ComputeHarmonicSums(EngineDesignRecord& d);

// One cylinder's share of the sums: the set it adds to (1 right, 2 left,
// 3 centre) and its moment arm in cylinder spacings.
struct HarmonicTerm {
  int cylinder;
  int set;
  double arm;
};
// Every cylinder's term, in the order the sums add them; none for a single
// cylinder. At most one a cylinder, so the list needs no allocation.
class HarmonicTermList {
 public:
  void push_back(const HarmonicTerm& t);
  const HarmonicTerm* begin() const { return terms_.data(); }
  const HarmonicTerm* end() const { return terms_.data() + count_; }

 private:
  std::array<HarmonicTerm, kMaxCylinders> terms_{};
  int count_ = 0;
};
HarmonicTermList HarmonicTerms(const EngineDesignRecord& d);
// The cosine and sine the term adds to harmonic n: q 0 the force sums, 1 the
// moment sums (weighted with arm x CylinderSpacing).
std::pair<double, double> HarmonicShare(const EngineDesignRecord& d, const HarmonicTerm& t, int n, int q);
}  // namespace zorvan
