#pragma once
// The slots of the design's unit labels (UnitLabel[1..22]).

namespace zorvan {

constexpr int kLabelSlots = 22;
// The UnitLabel slots by what they measure. Slot k is the unit of plot
// function k (1 position, 2 velocity, 3 acceleration, 4 the gas force, 5 to 8
// the torques, 9 to 15 the forces, 16 to 19 the moments and the flywheel
// torque); the last three are the inputs' own.
constexpr int kLengthSlot = 1, kVelocitySlot = 2, kAccelerationSlot = 3, kForceSlot = 4, kTorqueSlot = 5,
              kMomentSlot = 16, kMassSlot = 20, kVolumeSlot = 21, kPressureSlot = 22;

}  // namespace zorvan
