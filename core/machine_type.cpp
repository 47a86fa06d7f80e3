#include "core/machine_type.h"

#include "core/checked.h"
#include "core/one_cylinder.h"
#include "core/runtime_error.h"

namespace zorvan {

bool IsPump(const EngineDesignRecord& d) { return d.MachineType == "Pump"; }

float PeakPressure(const EngineDesignRecord& d) { return IsPump(d) ? d.PeakPressurePump : d.PeakPressureEngine; }

void DeriveGasScale(EngineDesignRecord& d) {
  const bool pump = IsPump(d);
  const double reference = pump ? StoredCurvePeak(kPumpGasCurve) : kEngineReferencePsi;
  // Computed before anything is stored, so a failure leaves the design as it was.
  const float scale = Sng(Div(PeakPressure(d), Chk(static_cast<double>(d.PressureFactor) * reference)));
  d.GasCurve = pump ? kPumpGasCurve : kEngineGasCurve;
  d.GasPressureScale = scale;
}

void SetMachineType(EngineDesignRecord& d, const std::string& type) {
  if (type != "Engine" && type != "Pump") throw RunTimeError(err::InvalidCall, "MachineType must be Engine or Pump");
  const std::string before = d.MachineType;
  d.MachineType = type;
  try {
    DeriveGasScale(d);
  } catch (...) {
    d.MachineType = before;
    throw;
  }
}

void SetPeakPressure(EngineDesignRecord& d, float value) {
  float& peak = IsPump(d) ? d.PeakPressurePump : d.PeakPressureEngine;
  const float before = peak;
  peak = value;
  try {
    DeriveGasScale(d);
  } catch (...) {
    peak = before;
    throw;
  }
}

}  // namespace zorvan
