// Defaults, the start-up design and the derivation step (Engine_Data).
#include "core/design.h"

#include <cstdio>

#include "core/banks.h"
#include "core/checked.h"
#include "core/numeric.h"
#include "core/units.h"
#include "core/error_report.h"
#include "core/number_text.h"

namespace zorvan {

namespace {

// A float as the classic string conversion shows it: up to 7 significant digits.
std::string FloatText(float v) { return DigitsText(v, 7); }

const char* ArrangementText(int16_t arrangement) {
  static constexpr const char* kNames[] = {" Single ", " Inline ", " Vee ", " Opposed ", " W "};
  if (arrangement < 0 || arrangement > 4) RaiseError(err::SubscriptOutOfRange);
  return kNames[arrangement];
}

void DeriveGeometry(EngineDesignRecord& d) {
  d.PistonArea = Sng(static_cast<double>(d.Bore) * d.Bore * kPi / 4);
  d.Stroke = Sng(Div(d.CylinderDisplacement, d.PistonArea));
  d.CrankRadius = Sng(d.Stroke / 2.0);
  if (!d.LoadedFromFile) d.CounterweightRadius = d.CrankRadius;
  d.BoreStrokeRatio = Sng(Div(d.Bore, d.Stroke));
  d.ConrodLength = Sng(static_cast<double>(d.LRRatio) * d.CrankRadius);
  d.ConrodCGDistance = Sng(static_cast<double>(d.ConrodCGFraction) * d.ConrodLength);
  // Kept equal to the cylinders' sum whoever changed the count or the cylinder.
  d.TotalDisplacement = Sng(static_cast<double>(d.NumCylinders) * d.CylinderDisplacement);
}

void DeriveSpeeds(EngineDesignRecord& d) {
  // The idle + redline sum is a 16-bit sum: above 32767 it is an overflow.
  const int16_t sum = Add16(d.IdleRPM, d.RedlineRPM);
  d.MidRPM = Sng(FNRound(sum / 2.0, 0));
  d.SpeedTable[1] = Sng(2.0 * d.IdleRPM * kPi / 60);
  d.SpeedTable[2] = Sng(sum * kPi / 60);
  d.SpeedTable[3] = Sng(2.0 * d.RedlineRPM * kPi / 60);
}

// The two-mass model: the rod split between wristpin and crankpin.
void DeriveLumpedMasses(EngineDesignRecord& d) {
  const double rod = d.ConrodMass, cg = d.ConrodCGFraction;
  d.ConrodMassAtWristpin = Sng(rod * cg);
  d.RodMassAtCrankpin = Sng((1 - cg) * rod);
  d.ConrodMassAtCrankpin = d.RodMassAtCrankpin;
  d.CrankMassAtCrankpin = Sng(static_cast<double>(d.CrankCGFraction) * d.CrankMass);
  d.MassAtCrankpin = Sng(static_cast<double>(d.CrankMassAtCrankpin) + d.RodMassAtCrankpin);
  d.MassAtWristpin = Sng(static_cast<double>(d.PistonMass) + d.ConrodMassAtWristpin);
}

void SetArrangementTexts(EngineDesignRecord& d) {
  d.ArrangementName = ArrangementText(d.Arrangement);
  if (d.Arrangement == 3) d.VeeAngle = 180;  // opposed banks lie flat
  if (d.Arrangement >= 1) d.VeeAngleText = FloatText(d.VeeAngle) + " deg";
}

}  // namespace

void UseUnitSystem(EngineDesignRecord& d, int16_t system) {
  d.UnitSystem = system;
  SetUnitLabels(d);
  SetDigitCounts(d);
}

void ResetCounterweight(EngineDesignRecord& d) {
  d.CounterweightMass = d.MassAtCrankpin;
  d.CounterweightRadius = d.CrankRadius;
  d.CounterweightAngle = 180;
}

void SetSpeed(EngineDesignRecord& d) {
  if (d.SpeedIndex < 1 || d.SpeedIndex > 3) RaiseError(err::SubscriptOutOfRange);
  d.Omega = d.SpeedTable[d.SpeedIndex];
  d.OmegaSquared = Sng(static_cast<double>(d.Omega) * d.Omega);
}

void WriteDefaultCylinder(EngineDesignRecord& d) {
  d.Bore = 3;
  d.CylinderDisplacement = 25;
  d.LRRatio = 3.5f;
  d.PistonMass = 0.005f;
  d.ConrodMass = 0.02f;
  d.CrankMass = 0.03f;
  d.ConrodCGFraction = 0.33f;
  d.CrankCGFraction = 0.5f;
  d.IdleRPM = 800;
  d.RedlineRPM = 6000;
  d.FrictionCoefficient = 0.02f;
  d.MainJournalDiameter = 2;
  d.CrankpinJournalDiameter = 1.5f;
}

void ResetToDefaults(EngineDesignRecord& d) {
  SetSpeed(d);
  // The defaults are in inches, pounds and blobs: the labels must say so too.
  UseUnitSystem(d, 1);
  d.TotalDisplacement = 100;
  d.NumCylinders = 4;
  WriteDefaultCylinder(d);
  ResetCounterweight(d);
}

void RefreshArrangementTexts(EngineDesignRecord& d) { SetArrangementTexts(d); }

void ApplyRodsPerThrow(EngineDesignRecord& d) {
  if (d.Arrangement <= 1) return;
  d.RodMassAtCrankpin = Sng(Chk(static_cast<double>(d.RodsPerCrank) * d.ConrodMassAtCrankpin));
  d.MassAtCrankpin = Sng(static_cast<double>(d.CrankMassAtCrankpin) + d.RodMassAtCrankpin);
}

bool Engine_Data(EngineDesignRecord& d, MessageList& messages) {
  return Guarded(messages, "Engine_Data", [&] {
    d.StepsPerRevolution = 120;
    d.LastStep = 240;
    DeriveGeometry(d);
    DeriveSpeeds(d);
    DeriveLumpedMasses(d);
    SetArrangementTexts(d);
    if (d.Arrangement > 1) AssignBanks(d, messages);
    FillBankAngleTable(d);
  });
}

}  // namespace zorvan
