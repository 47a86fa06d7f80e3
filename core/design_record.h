#pragma once
// The one design: inputs, configuration, unit system, derived quantities,
// counterweight, validity flags and the results table. The application owns
// exactly one; every calculation takes it by reference.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/crank_angle_table.h"
#include "core/shaft_station.h"
#include "core/unit_slots.h"

namespace zorvan {

constexpr int kMaxCylinders = 16;
using CylinderArray = std::array<float, kMaxCylinders + 1>;  // index 0 unused
struct PressureTrace;  // core/pressure_trace.h
using HarmonicTable = std::array<std::array<std::array<std::array<double, 4>, 2>, 2>, 7>;  // [n][q][t][b]

// A balance shaft: an unbalance turning at `order` times crank speed, with
// the crank (sense +1) or against it (-1). Held in SI units whatever the
// design's unit system, so a switch of units never touches it.
struct BalanceShaft {
  int order = 2;          // 1 or 2
  int sense = 1;          // +1 or -1
  double massRadius = 0;  // mass times radius of its unbalance, kg m
  // Where the unbalance points at crank angle 0, degrees, measured as crank
  // angles are (from the cylinder axis X towards Y); at crank angle theta it
  // points at sense * order * theta + phase.
  double phase = 0;
  double position = 0;  // along the crankshaft from the engine's centre, m (towards the last cylinder)
  friend bool operator==(const BalanceShaft&, const BalanceShaft&) = default;
};

// The initial values of the members are the options a new design starts
// with; Initialize (core/design.h) adds the start-up cylinder and engine.
// Everything but the results over crank angle: a study sets each of its
// designs from a base by assigning these alone, since the chain writes every
// row of the table it reads.
struct DesignValues {
  // One-cylinder inputs (base units of the unit system).
  float Bore = 0;
  float CylinderDisplacement = 0;
  float LRRatio = 0;
  float PistonMass = 0;
  float ConrodMass = 0;
  float CrankMass = 0;
  float CrankCGFraction = 0;
  float ConrodCGFraction = 0;
  float FrictionCoefficient = 0;
  float MainJournalDiameter = 0;
  float CrankpinJournalDiameter = 0;
  float WristpinOffset = 0;
  int16_t IdleRPM = 0;
  int16_t RedlineRPM = 0;
  int16_t SpeedIndex = 2;
  std::string MachineType = "Engine";
  int16_t GasCurve = 1;
  float GasPressureScale = 1;
  float PeakPressureEngine = 600;
  float PeakPressurePump = 131;

  // Engine configuration.
  int16_t NumCylinders = 4;
  int16_t StrokeCycle = 4;
  int16_t Arrangement = 0;
  int16_t RodsPerCrank = 1;
  float CylinderSpacing = 1;
  float VeeAngle = 0;
  CylinderArray PhaseAngle{};
  CylinderArray FiringOrder{};
  CylinderArray FiringAngle{};
  CylinderArray BankNumber{};
  CylinderArray BankAngle{};
  std::string ArrangementName;
  std::string VeeAngleText;
  float CounterweightMass = 0;
  float CounterweightRadius = 0;
  float CounterweightAngle = 180;
  float DrawingScale = 1;  // zoom of the engine-layout drawing, kept in the model file
  // Balance shafts, kept beside the model file (NAME.balancer.csv).
  std::vector<BalanceShaft> BalanceShafts;

  // Unit system.
  int16_t UnitSystem = 1;
  std::array<std::string, kLabelSlots + 1> UnitLabel{};  // slots 1..22
  float PressureFactor = 1;
  int16_t ConversionDigits = 6;
  int16_t LengthDigits = 3;
  int16_t PressureDigits = 1;

  // Derived quantities (Engine_Data and the passes).
  float PistonArea = 0;
  float Stroke = 0;
  float CrankRadius = 0;
  float BoreStrokeRatio = 0;
  float ConrodLength = 0;
  float ConrodCGDistance = 0;
  float TotalDisplacement = 0;
  float MidRPM = 0;
  std::array<float, 4> SpeedTable{};  // 1..3, rad/s
  float Omega = 0;
  float OmegaSquared = 0;
  float ConrodMassAtWristpin = 0;
  float ConrodMassAtCrankpin = 0;
  float RodMassAtCrankpin = 0;
  float CrankMassAtCrankpin = 0;
  float MassAtCrankpin = 0;
  float MassAtWristpin = 0;
  float RadiusOverLength = 0;
  float HalfRadiusOverLength = 0;
  int16_t StepsPerRevolution = 120;
  int16_t LastStep = 240;

  // Bank tables (banks 1..3).
  std::array<float, 4> BankAngleRad{};
  std::array<float, 4> BankCos{};
  std::array<float, 4> BankSin{};
  bool VeeAngleDefined = false;

  // Multi-cylinder amplitudes of the last pass.
  float RotatingForceAmp = 0;
  float ReciprocatingForceAmp = 0;
  float CounterweightForceAmp = 0;
  float InertiaTorqueAmp = 0;
  float BalanceError = 0;

  // Harmonic sums of the phase angles [n 0..6][q 0..1][t 0..1][b 0..3].
  HarmonicTable HarmonicSums{};

  // Flywheel.
  float CoefFluct = 0.1f;
  float TorqueMinNoFlywheel = 0;
  float TorqueMaxNoFlywheel = 0;
  float TorqueMinFlywheel = 0;
  float TorqueMaxFlywheel = 0;
  std::array<float, 21> PositiveAreas{};  // 1..20
  std::array<float, 21> NegativeAreas{};  // 1..20

  // Validity and provenance flags.
  bool SingleResultsValid = false;
  bool BalanceResultsValid = false;
  bool EngineResultsValid = false;
  bool FlywheelResultsValid = false;
  bool LoadedFromFile = false;
  bool FromDiskFile = false;
  bool BalanceScreenHoldsResult = false;  // the balancing screen's result stands
  // The shaking tables hold the engine with its balance shafts: a copy made to
  // show them (core/balance_shafts.h), never the design itself.
  bool ShaftsInTables = false;

  // The crankshaft's stations as the user entered them (kept beside the model
  // file as NAME.shaft.csv); none: the shaft the design gives by default.
  std::optional<ShaftTable> Shaft;

  // The cylinder-pressure trace in place of the built-in gas curve (kept
  // beside the model file as NAME.pressure.csv); null: the built-in curve.
  std::shared_ptr<const PressureTrace> Pressure;
};

struct EngineDesignRecord : DesignValues {
  CrankAngleTable table;
};

}  // namespace zorvan
