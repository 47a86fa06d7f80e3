// The start-up design: the engine of the start-up preset with the default cylinder.
#include "core/startup.h"

#include "core/design.h"
#include "core/error_report.h"
#include "core/presets.h"

namespace zorvan {

bool Initialize(EngineDesignRecord& d, MessageList& messages) {
  bool derived = true;
  bool ok = Guarded(messages, "Initialize", [&] {
    // A new design starts from nothing of the old one: the record's own
    // initial values are the start-up options (spacing, gas curve, stroke
    // cycle, arrangement, machine type, pressures).
    d = EngineDesignRecord{};
    UseUnitSystem(d, 1);
    // The cylinder the start-up configuration is first derived with.
    d.CylinderDisplacement = 25;
    d.Bore = 3.2f;

    // 4 cylinders, four-stroke, inline, crank 0-180-180-0, firing 1-3-4-2.
    derived = ApplyPreset(d, kStartupPreset, messages) && derived;

    ResetToDefaults(d);
    derived = Engine_Data(d, messages) && derived;
    // The reset above balanced the crank with the masses of before the
    // defaults (none); balance it with the default masses just derived.
    ResetCounterweight(d);

    // Omega follows the chosen speed (mid range) at once, not only at the
    // first calculation.
    SetSpeed(d);
  });
  return ok && derived;
}

}  // namespace zorvan
