#include "core/display_units.h"

#include "core/unit_slots.h"

namespace zorvan {

namespace {
bool Metric(int16_t system) { return system >= 3 && system <= 5; }
double LengthFactor(int16_t system) { return system == 4 ? 100 : system == 5 ? 1000 : 1; }
}  // namespace

Quantity QuantityOfSlot(int slot) {
  switch (slot) {
    case kLengthSlot: return Quantity::Length;
    case kVolumeSlot: return Quantity::Volume;
    case kPressureSlot: return Quantity::Pressure;
    default: return Quantity::Plain;
  }
}

double DisplayFactor(Quantity q, int16_t system) {
  switch (q) {
    case Quantity::Length: return LengthFactor(system);
    case Quantity::Area: return LengthFactor(system) * LengthFactor(system);
    case Quantity::Volume: return Metric(system) ? 100.0 * 100.0 * 100.0 : 1;
    case Quantity::Pressure: return Metric(system) ? 1e-6 : 1;
    case Quantity::Plain: break;
  }
  return 1;
}

}  // namespace zorvan
