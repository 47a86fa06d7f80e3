#pragma once
// The device type: an engine ("Engine") fires once per cycle, a compressor
// ("Pump") compresses. The type chooses the gas-pressure curve, and the
// pressure entered for that type is the peak of the curve: the curve's
// normalised shape is scaled by GasPressureScale = peak / (PressureFactor ·
// reference), the reference being 600 psi for an engine (its shape's top,
// 600.0117 in its stored rows) and for a pump the largest value its stored
// rows take (131.41 psi, just before the stroke ends), so that a compressor's
// peak gas pressure is the entered one.
#include <cstdint>
#include <string>

#include "core/design_record.h"

namespace zorvan {

constexpr int16_t kEngineGasCurve = 1;
constexpr int16_t kPumpGasCurve = 2;
constexpr double kEngineReferencePsi = 600;  // the engine curve's own peak, psi

bool IsPump(const EngineDesignRecord& d);

// GasCurve and GasPressureScale from MachineType and the peak pressure stored
// for that type (PeakPressureEngine or PeakPressurePump, base units of the
// design's unit system). Error 11 when PressureFactor is 0.
void DeriveGasScale(EngineDesignRecord& d);

// Sets the device type ("Engine" or "Pump"; anything else is error 5 and
// changes nothing), then derives its curve and scale.
void SetMachineType(EngineDesignRecord& d, const std::string& type);

// Stores the peak pressure (base units) of the current device type and
// derives the scale, so the entered value is the peak of the curve in use.
void SetPeakPressure(EngineDesignRecord& d, float value);

// The peak pressure stored for the current device type.
float PeakPressure(const EngineDesignRecord& d);

}  // namespace zorvan
