#pragma once
// Results over crank angle: 241 rows, row i standing for 3*i degrees.
#include <array>

namespace zorvan {

constexpr int kRows = 241;      // rows 0..240
constexpr int kLastRow = 240;
constexpr int kPinColumns = 10;
constexpr int kShakingColumns = 48;

using Column = std::array<float, kRows>;
using PinTable = std::array<std::array<float, kPinColumns>, kRows>;
using ShakingTable = std::array<std::array<float, kShakingColumns>, kRows>;

// Shaking tables: column = slot + 4*component + 12*group.
// slot 0 engine, 1..3 banks (slot 1 is the one cylinder in the one-cylinder pass);
// component 1 x, 2 y; group 0 primary, 1 secondary, 2 total.
constexpr int ShakingColumn(int slot, int component, int group) {
  return slot + 4 * component + 12 * group;
}
enum Component { kX = 1, kY = 2 };
enum Group { kPrimary = 0, kSecondary = 1, kTotal = 2 };

// Pin-force columns: 0 unused, 1 crankpin F32, 2 wristpin F34, 3 wall F41,
// 4 main bearing F21; 5..9 the same turned into the crank's rotating frame.
enum PinColumn { kCrankpin = 1, kWristpin = 2, kWall = 3, kMainBearing = 4, kRotatedOffset = 5 };

struct CrankAngleTable {
  Column CrankAngle{};
  Column PistonPosition{};
  Column PistonVelocity{};
  Column PistonAcceleration{};
  std::array<double, kRows> TanConrodAngle{};
  Column GasForce{};
  Column GasTorque{};
  Column InertiaTorque{};
  Column TotalTorque{};
  Column ShakingTorque{};
  Column FrictionTorque{};
  Column SmoothedTorque{};
  PinTable PinForceX{};
  PinTable PinForceY{};
  ShakingTable ShakingForce{};
  ShakingTable ShakingMoment{};
  ShakingTable SingleShakingForce{};
  // The one cylinder's gas force, gas, inertia and friction torque as the
  // counterweight pass leaves them. The multi-cylinder pass builds the engine
  // columns from these, so running it again gives the same engine.
  Column SingleGasForce{};
  Column SingleGasTorque{};
  Column SingleInertiaTorque{};
  Column SingleFrictionTorque{};
};

}  // namespace zorvan
