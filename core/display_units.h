#pragma once
// What the user sees of a stored quantity. Systems 4 and 5 compute in metres
// but show lengths in cm and mm (areas in cm^2 and mm^2); the metric systems
// show volumes in cubic centimetres and pressures in MPa while holding cubic
// metres and pascals. Every screen, report, table and export converts here.
#include <cstdint>

namespace zorvan {

enum class Quantity { Plain, Length, Area, Volume, Pressure };

// The quantity of a UnitLabel slot: 1 length, 21 volume, 22 pressure; the
// other slots (speeds, forces, torques, mass) are shown as they are held.
Quantity QuantityOfSlot(int slot);

// Shown = held x factor.
double DisplayFactor(Quantity q, int16_t system);

// A held value as the user sees it, and a value the user typed as it is held.
inline double ToDisplay(double held, Quantity q, int16_t system) { return held * DisplayFactor(q, system); }
inline double FromDisplay(double shown, Quantity q, int16_t system) { return shown / DisplayFactor(q, system); }
inline double ToDisplay(double held, int slot, int16_t system) { return ToDisplay(held, QuantityOfSlot(slot), system); }
inline double FromDisplay(double shown, int slot, int16_t system) {
  return FromDisplay(shown, QuantityOfSlot(slot), system);
}

}  // namespace zorvan
