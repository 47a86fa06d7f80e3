#include "core/moment_reference.h"

#include <algorithm>

#include "core/harmonics.h"

namespace zorvan {

double EngineCentre(const EngineDesignRecord& d) {
  bool any = false;
  double first = 0, last = 0;
  for (const HarmonicTerm& t : HarmonicTerms(d)) {
    first = any ? std::min(first, t.arm) : t.arm;
    last = any ? std::max(last, t.arm) : t.arm;
    any = true;
  }
  return (first + last) / 2 * d.CylinderSpacing;
}

double ReferenceArm(const EngineDesignRecord& d, MomentReference r) {
  return r == MomentReference::Centre ? EngineCentre(d) : 0.0;
}

const char* ReferenceName(MomentReference r) { return r == MomentReference::Centre ? "centre" : "cylinder1"; }

std::optional<MomentReference> ParseReference(std::string_view name) {
  if (name == "centre") return MomentReference::Centre;
  if (name == "cylinder1") return MomentReference::Cylinder1;
  return std::nullopt;
}

const char* ReferenceText(MomentReference r) {
  return r == MomentReference::Centre ? "the engine's centre" : "cylinder 1's plane";
}

void MoveEngineMoments(ShakingTable& moment, const ShakingTable& force, double arm) {
  if (arm == 0) return;
  for (int group : {kPrimary, kSecondary, kTotal}) {
    for (int component : {kX, kY}) {
      const int c = ShakingColumn(0, component, group);
      Column& m = moment.column(c);
      const Column& f = force.column(c);
      for (int row = 0; row < kRows; ++row) m[row] = static_cast<float>(m[row] - arm * f[row]);
    }
  }
}

}  // namespace zorvan
