// What the rows of the shaking step share: the harmonic sums of each
// cylinder set, the amplitudes and the bank tilts.
#include <algorithm>
#include <cmath>

#include "core/assembly_steps.h"
#include "core/numeric.h"

namespace zorvan {

namespace {

// Rods sharing a crankpin share its throw: the throw's rotating mass and its
// counterweight are counted once per throw, not once per cylinder.
double CylindersPerThrow(const EngineDesignRecord& d) {
  return d.Arrangement > 1 ? std::max<int>(1, d.RodsPerCrank) : 1;
}

}  // namespace

SetSums SumsOfSet(const HarmonicTable& h, int set) {
  SetSums s;
  for (int n = 1; n <= 3; ++n) {
    s.C[n] = h[n][0][0][set];
    s.S[n] = h[n][0][1][set];
    s.CZ[n] = h[n][1][0][set];
    s.SZ[n] = h[n][1][1][set];
  }
  return s;
}

RowContext MakeRowContext(const EngineDesignRecord& d) {
  RowContext x{};
  const double perThrow = CylindersPerThrow(d);
  x.rotating = d.RotatingForceAmp / perThrow;
  x.counterweight = d.CounterweightForceAmp / perThrow;
  x.reciprocating = d.ReciprocatingForceAmp;
  x.inertiaTorque = d.InertiaTorqueAmp;
  x.radiusOverLength = d.RadiusOverLength;
  x.half = d.HalfRadiusOverLength;
  const double gamma0 = Chk(static_cast<double>(d.CounterweightAngle) * kPi / 180);
  x.cosCounterweight = std::cos(gamma0);
  x.sinCounterweight = std::sin(gamma0);
  for (int set = 0; set <= 3; ++set) x.sets[set] = SumsOfSet(d.HarmonicSums, set);
  x.banks = d.Arrangement == 4 ? 3 : 2;
  for (int b = 1; b <= 3; ++b) {
    x.cosTilt[b] = std::cos(static_cast<double>(d.BankAngleRad[b]));
    x.sinTilt[b] = std::sin(static_cast<double>(d.BankAngleRad[b]));
    x.bankCos[b] = d.BankCos[b];
    x.bankSin[b] = d.BankSin[b];
  }
  return x;
}

}  // namespace zorvan
