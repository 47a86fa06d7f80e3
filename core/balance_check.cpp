// Amplitudes of the multi-cylinder pass and the crank balance check: the
// counterweight of a throw should cancel the throw's rotating mass.
#include <string>

#include "core/assembly_steps.h"
#include "core/numeric.h"

namespace zorvan {

void ComputeAmplitudes(EngineDesignRecord& d) {
  const double r = d.CrankRadius, w2 = d.OmegaSquared;
  d.RotatingForceAmp = Sng(Chk(Chk(d.MassAtCrankpin * r) * w2));
  d.ReciprocatingForceAmp = Sng(Chk(Chk(d.MassAtWristpin * r) * w2));
  d.CounterweightForceAmp = Sng(Chk(Chk(static_cast<double>(d.CounterweightRadius) * d.CounterweightMass) * w2));
  d.InertiaTorqueAmp = Sng(Chk(Chk(Chk(r * r) * d.MassAtWristpin) * w2) / 2);
}

std::string BalanceMessage(const EngineDesignRecord& d) {
  const std::string cr = "\r";
  const double massRadius = Div(d.BalanceError, d.OmegaSquared);
  return " The crank throws are NOT now exactly balanced" + cr + cr +
         "If the error is small, it may be due only to computational rounding," + cr +
         "but if substantial, it could have undesirable results." + cr + cr +
         " There is currently a mass-radius-product error of: " + cr + cr + std::string(30, ' ') +
         FNRoundStr(massRadius, 8) + "  " + d.UnitLabel[kMassSlot] + " * " + d.UnitLabel[kLengthSlot] + cr + cr +
         " You can either ignore this error if small," + cr + "or attempt to rebalance the crank to reduce it.";
}

void CheckCrankBalance(EngineDesignRecord& d, MessageList& messages) {
  const double difference = static_cast<double>(d.RotatingForceAmp) - d.CounterweightForceAmp;
  d.BalanceError = Sng(std::fabs(FNRound(difference, 4)));
  // A single cylinder or a two-cylinder inline is not expected to have balanced throws.
  const int cylinders = d.Arrangement == 0 ? 1 : d.NumCylinders;
  const bool throwsShouldBalance = d.Arrangement > 1 || cylinders > 2;
  if (d.BalanceError > kEngineZero && throwsShouldBalance) messages.Add(BalanceMessage(d));
}

}  // namespace zorvan
