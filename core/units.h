#pragma once
// The five unit systems: labels, pressure factor, digit counts, conversion.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/design_record.h"

namespace zorvan {

// Fills UnitLabel[1..22] and PressureFactor for the record's UnitSystem.
void SetUnitLabels(EngineDesignRecord& d);
// ConversionDigits, LengthDigits, PressureDigits of the record's UnitSystem.
void SetDigitCounts(EngineDesignRecord& d);
// Converts every stored quantity of the design from one system to another.
void ConvertDesign(EngineDesignRecord& d, int16_t fromSystem, int16_t toSystem);
// Switching unit systems without losing precision: each switch converts from
// the values the design held before the first of a run of switches, so going
// back to that system gives them back exactly. Any change of the values
// between switches starts a new run.
class UnitMemory {
 public:
  void Convert(EngineDesignRecord& d, int16_t fromSystem, int16_t toSystem);

 private:
  static constexpr std::size_t kHeld = 17;
  bool remembered_ = false;
  int16_t originSystem_ = 1;
  std::array<float, kHeld> origin_{}, last_{};
  std::optional<ShaftTable> originShaft_, lastShaft_;
};

// A length given in inches, in the base length of a unit system, rounded as
// a conversion between systems rounds.
float InchesInSystem(double inches, int16_t system);
// The factor that turns a mass x length^2 of one system into another's; an
// inertia, a torsional stiffness (torque per radian) and a torsional damping
// (torque x second per radian) all convert by it, seconds being common.
double MassLengthSquaredFactor(int16_t fromSystem, int16_t toSystem);
// The shear modulus of steel, 80 GPa, in the base units of a system
// (force per length^2, force = mass x length / s^2).
double SteelShearModulus(int16_t system);
// The labels of the shaft's quantities in a system's base units:
// "kg-m^2", "N-m/rad", "N-m-s/rad"; "bl-in^2", "lb-in/rad", "lb-in-s/rad"; ...
std::string InertiaLabel(int16_t system);
std::string StiffnessLabel(int16_t system);
std::string DampingLabel(int16_t system);

// The held length and mass units of a system in metres and kilograms.
double MetresPerLength(int16_t system);
double KilogramsPerMass(int16_t system);
// The pascals of one held pressure unit (psi, psf or Pa) of a unit system.
double PascalsPerHeldPressure(int16_t system);
// The joules of one held unit of work (force x base length) of a unit system.
double JoulesPerHeldWork(int16_t system);
// "in-lb-s", "ft-lb-s", "m-kg-N-s", "cm-kg-N-s", "mm-kg-N-s".
std::string UnitSystemName(int16_t system);

}  // namespace zorvan
