// The eleven ready-made engines: configuration, crank phases, firing order and
// firing angles. Each preset also balances its own crank throws.
#include "core/presets.h"

#include <array>
#include <vector>

#include "core/checked.h"
#include "core/design.h"
#include "core/units.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

struct Preset {
  std::string text;
  int16_t cylinders, cycle, arrangement, rods;
  float vee;
  std::vector<float> phase, order, firing;  // by cylinder, by position, by cylinder
};

const std::array<Preset, kPresetCount>& Presets() {
  static const std::array<Preset, kPresetCount> presets{{
      {"4 cyl 4S inline with 0-90-180-270 crank", 4, 4, 1, 1, 0,
       {0, 90, 180, 270}, {1, 3, 4, 2}, {0, 450, 180, 270}},
      {"4 cyl 4S inline with 0-180-0-180 crank", 4, 4, 1, 1, 0,
       {0, 180, 0, 180}, {1, 4, 3, 2}, {0, 540, 360, 180}},
      {"4 cyl 4S inline with 0-180-180-0 crank", 4, 4, 1, 1, 0,
       {0, 180, 180, 0}, {1, 3, 4, 2}, {0, 540, 180, 360}},
      {"4 cyl 4S inline with 0-90-270-180 crank", 4, 4, 1, 1, 0,
       {0, 90, 270, 180}, {1, 2, 3, 4}, {0, 270, 450, 540}},
      {"6 cyl 4S inline w/ 0-240-120-120-240-0 crank", 6, 4, 1, 1, 0,
       {0, 240, 120, 120, 240, 0}, {1, 4, 2, 6, 3, 5}, {0, 240, 480, 120, 600, 360}},
      {"90 deg V8 4S with 0-90-270-180 crank", 8, 4, 2, 2, 90,
       {0, 90, 270, 180, 0, 90, 270, 180}, {1, 5, 4, 3, 7, 2, 6, 8}, {0, 450, 270, 180, 90, 540, 360, 630}},
      {"120 deg W12 4S with 0-180-180-0 crank", 12, 4, 4, 3, 120,
       {0, 180, 180, 0, 0, 180, 180, 0, 0, 180, 180, 0},
       {1, 5, 9, 2, 6, 10, 3, 7, 11, 4, 8, 12},
       {0, 180, 360, 540, 60, 240, 420, 600, 120, 300, 480, 660}},
      {"60 deg  4S V6", 6, 4, 2, 1, 60,
       {0, 240, 120, 60, 300, 180}, {1, 4, 2, 5, 3, 6}, {0, 240, 480, 120, 360, 600}},
      {"Five cyl 4S inline", 5, 4, 1, 1, 0,
       {0, 144, 72, 216, 288}, {1, 4, 2, 5, 3}, {0, 288, 576, 144, 432}},
      {"Two cyl, 2S inline", 2, 2, 1, 1, 0, {0, 180}, {1, 2}, {0, 180}},
      {"Two-cyl, 4S opposed", 2, 4, 3, 1, 180, {0, 180}, {1, 2}, {0, 360}},
  }};
  return presets;
}

const Preset& PresetAt(int k) {
  if (k < 0 || k >= kPresetCount) RaiseError(err::SubscriptOutOfRange);
  return Presets()[k];
}

// Step 1: configuration and crank rows. Entries above the preset's cylinder
// count keep their old values.
void SetConfiguration(EngineDesignRecord& d, const Preset& p) {
  d.StrokeCycle = p.cycle;
  d.NumCylinders = p.cylinders;
  d.Arrangement = p.arrangement;
  d.RodsPerCrank = p.rods;
  d.VeeAngle = p.vee;
  if (p.arrangement == 4) {  // the W12 has its own cylinder
    d.LRRatio = 4;
    d.Bore = InchesInSystem(3.19, d.UnitSystem);  // 3.19 in, in the design's own units
  }
  d.TotalDisplacement = Sng(static_cast<double>(p.cylinders) * d.CylinderDisplacement);
  for (int c = 1; c <= p.cylinders; ++c) {
    d.PhaseAngle[c] = p.phase[c - 1];
    d.FiringOrder[c] = p.order[c - 1];
    d.FiringAngle[c] = p.firing[c - 1];
  }
}

// Every preset balances each crank throw exactly: the counterweight's
// mass-radius product is that of the throw's rotating mass, the crank's share
// and every rod big end on the pin (two on the V8's pins, three on the W12's),
// taken from the preset's own derived cylinder, at 180 degrees.
void BalanceThrows(EngineDesignRecord& d) {
  ApplyRodsPerThrow(d);
  ResetCounterweight(d);
}

}  // namespace

const std::string& PresetText(int k) { return PresetAt(k).text; }

bool ApplyPreset(EngineDesignRecord& d, int k, MessageList& messages) {
  const Preset* preset = nullptr;
  if (!Guarded(messages, "Load_Presets", [&] {
        preset = &PresetAt(k);
        SetConfiguration(d, *preset);
        // Shafts sized for the engine before fit no other.
        d.BalanceShafts.clear();
      }))
    return false;
  if (!Engine_Data(d, messages)) return false;
  return Guarded(messages, "Load_Presets", [&] { BalanceThrows(d); });
}

}  // namespace zorvan
