#pragma once
// What the user chose to plot: up to four slots, each a plot function of the
// result catalogue with a component, and the kind of plot. The selection
// screens write it, the plot screens, tables and zorvan-cli read it; the
// application owns exactly one.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/result_catalogue.h"

namespace zorvan {

constexpr int16_t kCompX = 0, kCompY = 1, kCompMag = 2, kCompAng = 3;  // components of a slot
extern const char* const kComponentTexts[4];  // "X", "Y", "Mag", "Ang"

struct PlotSelection {
  std::array<int16_t, 5> SlotFunction{};  // slots 1..4; 0 none
  std::array<int16_t, 5> SlotComponent{};
  std::array<std::string, 5> SlotComponentText{};
  int16_t FunctionCount = 0;
  int16_t WindowCount = 1;
  int16_t PlotType = 1;          // 1 single window, 2 two, 3 four, 4 polar
  int16_t PlotStyle = 2;         // 1 Aligned, 2 Annotated
  int16_t CoordinateSystem = 0;  // 0 Global, 1 Local Rotating
  bool CoordinateChoiceAllowed = false;
  bool ScalarPicked = false;
  bool ResultsExist = false;  // raised by calculations and closed plot screens; never lowered
};

// The value of a slot's function and component at a row, as the user sees it
// (piston position in cm or mm in systems 4 and 5). Error 9 for a slot
// without a function or a row outside 0..240.
float Select_Variable(const EngineDesignRecord& d, const PlotSelection& s, int step, int slot);
// Magnitude and angle (degrees) of a slot's vector function at a row; a
// scalar gives its value and the row's crank angle.
std::pair<float, float> Select_PolarVariable(const EngineDesignRecord& d, const PlotSelection& s, int step,
                                             int slot);
// The short name to a slot (first exact match); false (slot unchanged, both
// flags false) when no function has that name.
bool Set_Variable(PlotSelection& s, const std::string& text, int slot);
// "X", "Y", "Mag" or "Ang" to a slot; other texts change nothing.
bool Set_Component(PlotSelection& s, const std::string& text, int slot);

// Whether a slot's vector is read in the frame turning with the crank.
bool SlotRotates(const PlotSelection& s, int slot);
// Whether the design offers every function the selection has chosen.
bool SelectionOffered(const EngineDesignRecord& d, const PlotSelection& s);

// The unit text of a slot: the function's unit, "Deg" for an angle.
std::string SlotUnit(const EngineDesignRecord& d, const PlotSelection& s, int slot);
// "short name component (unit)", the legend of a slot.
// With `shown`, the name as the screens show it (an engine's sum says so);
// without, the plain name the data files head their columns with.
std::string SlotLegend(const EngineDesignRecord& d, const PlotSelection& s, int slot, bool shown = false);

// The short names the variable lists offer: 1..15, 1..18 with the engine,
// 1..19 with the flywheel; the polar list 9..15, or 9..18 with the engine.
std::vector<std::string> VariableList(const EngineDesignRecord& d);
std::vector<std::string> PolarVariableList(const EngineDesignRecord& d);

// The preset formats of the four-slot (n = 4) and two-slot (n = 2) screens.
struct PlotPreset {
  const char* text;
  std::array<int16_t, 4> functions;
  std::array<int16_t, 4> components;
};
const std::vector<PlotPreset>& PlotPresets(int n);
// The preset texts a list offers for the design's flags.
std::vector<std::string> Load_Presets(const EngineDesignRecord& d, int n);
// Fills slots 1..n from the first preset with exactly this text; a scalar's
// component becomes "Mag" ("Magnitude"). False when no preset has the text.
bool ApplyPlotPreset(PlotSelection& s, const std::string& text, int n);

// The gap warning of the one-window screen.
extern const char* const kPlotGapWarning;

}  // namespace zorvan
