#include "core/field_table.h"

#include <unordered_map>

#include "core/checked.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {
using R = EngineDesignRecord;
constexpr int kLength = kLengthSlot, kMass = kMassSlot, kVolume = kVolumeSlot, kPressure = kPressureSlot;
constexpr FieldRole In = FieldRole::Input, Kept = FieldRole::Stored, Out = FieldRole::Derived;
}  // namespace

const std::vector<DesignField>& DesignFields() {
  static const std::vector<DesignField> kFields{
      {"Bore", &R::Bore, In, kLength},
      {"CylinderDisplacement", &R::CylinderDisplacement, In, kVolume},
      {"LRRatio", &R::LRRatio, In, 0},
      {"PistonMass", &R::PistonMass, In, kMass},
      {"ConrodMass", &R::ConrodMass, In, kMass},
      {"CrankMass", &R::CrankMass, In, kMass},
      {"CrankCGFraction", &R::CrankCGFraction, In, 0},
      {"ConrodCGFraction", &R::ConrodCGFraction, In, 0},
      {"FrictionCoefficient", &R::FrictionCoefficient, In, 0},
      {"MainJournalDiameter", &R::MainJournalDiameter, In, kLength},
      {"CrankpinJournalDiameter", &R::CrankpinJournalDiameter, In, kLength},
      {"WristpinOffset", &R::WristpinOffset, In, kLength},
      {"IdleRPM", &R::IdleRPM, In, 0},
      {"RedlineRPM", &R::RedlineRPM, In, 0},
      {"SpeedIndex", &R::SpeedIndex, In, 0},
      {"MachineType", &R::MachineType, In, 0},
      {"GasCurve", &R::GasCurve, In, 0},
      {"GasPressureScale", &R::GasPressureScale, In, 0},
      {"NumCylinders", &R::NumCylinders, In, 0},
      {"StrokeCycle", &R::StrokeCycle, In, 0},
      {"Arrangement", &R::Arrangement, In, 0},
      {"RodsPerCrank", &R::RodsPerCrank, In, 0},
      {"CylinderSpacing", &R::CylinderSpacing, In, kLength},
      {"VeeAngle", &R::VeeAngle, In, 0},
      {"CounterweightMass", &R::CounterweightMass, In, kMass},
      {"CounterweightRadius", &R::CounterweightRadius, In, kLength},
      {"CounterweightAngle", &R::CounterweightAngle, In, 0},
      {"CoefFluct", &R::CoefFluct, In, 0},
      {"UnitSystem", &R::UnitSystem, In, 0},
      {"PhaseAngle", &R::PhaseAngle, In, 0},
      {"FiringOrder", &R::FiringOrder, In, 0},
      {"FiringAngle", &R::FiringAngle, In, 0},
      {"PeakPressureEngine", &R::PeakPressureEngine, In, kPressure},
      {"PeakPressurePump", &R::PeakPressurePump, In, kPressure},
      {"DrawingScale", &R::DrawingScale, Kept, 0},
      {"PressureFactor", &R::PressureFactor, Kept, 0},
      {"BalanceResultsValid", &R::BalanceResultsValid, Kept, 0},
      {"EngineResultsValid", &R::EngineResultsValid, Kept, 0},
      {"PistonArea", &R::PistonArea, Out, 0},
      {"Stroke", &R::Stroke, Kept, kLength},
      {"CrankRadius", &R::CrankRadius, Out, kLength},
      {"BoreStrokeRatio", &R::BoreStrokeRatio, Out, 0},
      {"ConrodLength", &R::ConrodLength, Out, kLength},
      {"ConrodCGDistance", &R::ConrodCGDistance, Out, kLength},
      {"TotalDisplacement", &R::TotalDisplacement, Kept, kVolume},
      {"MidRPM", &R::MidRPM, Out, 0},
      {"SpeedTable", &R::SpeedTable, Out, 0},
      {"Omega", &R::Omega, Out, 0},
      {"OmegaSquared", &R::OmegaSquared, Out, 0},
      {"ConrodMassAtWristpin", &R::ConrodMassAtWristpin, Out, kMass},
      {"ConrodMassAtCrankpin", &R::ConrodMassAtCrankpin, Out, kMass},
      {"RodMassAtCrankpin", &R::RodMassAtCrankpin, Out, kMass},
      {"CrankMassAtCrankpin", &R::CrankMassAtCrankpin, Out, kMass},
      {"MassAtCrankpin", &R::MassAtCrankpin, Out, kMass},
      {"MassAtWristpin", &R::MassAtWristpin, Out, kMass},
      {"RadiusOverLength", &R::RadiusOverLength, Out, 0},
      {"HalfRadiusOverLength", &R::HalfRadiusOverLength, Out, 0},
      {"StepsPerRevolution", &R::StepsPerRevolution, Out, 0},
      {"LastStep", &R::LastStep, Out, 0},
  };
  return kFields;
}

const DesignField* FindDesignField(std::string_view name) {
  // By name, looked up once: a study sets fields by name for every design.
  static const std::unordered_map<std::string_view, const DesignField*> kByName = [] {
    std::unordered_map<std::string_view, const DesignField*> byName;
    for (const DesignField& f : DesignFields()) byName.emplace(f.name, &f);
    return byName;
  }();
  const auto found = kByName.find(name);
  return found == kByName.end() ? nullptr : found->second;
}

const DesignField& Field(std::string_view name) {
  const DesignField* f = FindDesignField(name);
  if (!f) RaiseError(err::SubscriptOutOfRange);
  return *f;
}

const std::vector<const char*>& DerivedFieldNames() {
  static const std::vector<const char*> kNames = {
      "PistonArea", "Stroke", "CrankRadius", "BoreStrokeRatio", "ConrodLength", "ConrodCGDistance",
      "TotalDisplacement", "MidRPM", "SpeedTable", "Omega", "OmegaSquared", "ConrodMassAtWristpin",
      "ConrodMassAtCrankpin", "RodMassAtCrankpin", "CrankMassAtCrankpin", "MassAtCrankpin", "MassAtWristpin",
      "RadiusOverLength", "HalfRadiusOverLength", "StepsPerRevolution", "LastStep", "CounterweightMass",
      "CounterweightRadius", "CounterweightAngle"};
  return kNames;
}

bool IsText(const DesignField& f) { return std::holds_alternative<std::string R::*>(f.member); }
bool IsCylinderList(const DesignField& f) { return std::holds_alternative<CylinderArray R::*>(f.member); }
bool IsWholeNumber(const DesignField& f) { return std::holds_alternative<int16_t R::*>(f.member); }
bool IsFlag(const DesignField& f) { return std::holds_alternative<bool R::*>(f.member); }

double FieldNumber(const EngineDesignRecord& d, const DesignField& f, int k) {
  return std::visit(
      [&](auto m) -> double {
        using M = decltype(m);
        if constexpr (std::is_same_v<M, float R::*> || std::is_same_v<M, int16_t R::*>) {
          return d.*m;
        } else if constexpr (std::is_same_v<M, CylinderArray R::*> || std::is_same_v<M, std::array<float, 4> R::*>) {
          return (d.*m).at(static_cast<std::size_t>(k));
        } else {
          RaiseError(err::TypeMismatch);
        }
      },
      f.member);
}

void SetFieldNumber(EngineDesignRecord& d, const DesignField& f, double v, int k) {
  std::visit(
      [&](auto m) {
        using M = decltype(m);
        if constexpr (std::is_same_v<M, float R::*>) {
          d.*m = Sng(v);
        } else if constexpr (std::is_same_v<M, int16_t R::*>) {
          d.*m = CInt(v);
        } else if constexpr (std::is_same_v<M, CylinderArray R::*> || std::is_same_v<M, std::array<float, 4> R::*>) {
          float x = Sng(v);
          (d.*m).at(static_cast<std::size_t>(k)) = x;
        } else {
          RaiseError(err::TypeMismatch);
        }
      },
      f.member);
}

std::string FieldText(const EngineDesignRecord& d, const DesignField& f) {
  if (!IsText(f)) RaiseError(err::TypeMismatch);
  return d.*std::get<std::string R::*>(f.member);
}

void SetFieldText(EngineDesignRecord& d, const DesignField& f, const std::string& text) {
  if (!IsText(f)) RaiseError(err::TypeMismatch);
  d.*std::get<std::string R::*>(f.member) = text;
}

bool FieldFlag(const EngineDesignRecord& d, const DesignField& f) {
  if (!IsFlag(f)) RaiseError(err::TypeMismatch);
  return d.*std::get<bool R::*>(f.member);
}

void SetFieldFlag(EngineDesignRecord& d, const DesignField& f, bool v) {
  if (!IsFlag(f)) RaiseError(err::TypeMismatch);
  d.*std::get<bool R::*>(f.member) = v;
}

}  // namespace zorvan
