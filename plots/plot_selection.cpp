#include "plots/plot_selection.h"

#include "core/numeric.h"
#include "core/runtime_error.h"

namespace zorvan {

const char* const kComponentTexts[4] = {"X", "Y", "Mag", "Ang"};

const char* const kPlotGapWarning =
    "Something is wrong. \r\rYou are missing a plot selection.\r\r"
    "Please leave no gaps between selections. \r"
    "Two functions should use Plots 1 and 2. \r"
    "Three functions should use Plots 1, 2, and 3.";

bool SlotRotates(const PlotSelection& s, int slot) {
  // The rotating frame is offered for the crankpin and main-bearing forces
  // only; the wristpin and sidewall forces stay in the engine's frame.
  const int f = s.SlotFunction[slot];
  return s.CoordinateSystem == 1 && (f == kCrankpinForce || f == kMainpinForce);
}

namespace {

const ResultEntry& SlotEntry(const PlotSelection& s, int slot) {
  if (slot < 1 || slot > 4) RaiseError(err::SubscriptOutOfRange);
  return PlotFunction(s.SlotFunction[slot]);
}

ResultXY SlotXY(const EngineDesignRecord& d, const PlotSelection& s, int step, int slot) {
  return ResultAt(d.table, SlotEntry(s, slot), step, SlotRotates(s, slot));
}

bool IsScalarFunction(int f) { return (f >= 1 && f <= 8) || f == 19; }

}  // namespace

float Select_Variable(const EngineDesignRecord& d, const PlotSelection& s, int step, int slot) {
  const ResultEntry& e = SlotEntry(s, slot);
  const ResultXY v = SlotXY(d, s, step, slot);
  if (!e.vector) return static_cast<float>(ShownResult(d, e, v.x));
  switch (s.SlotComponent[slot]) {
    case kCompX: return v.x;
    case kCompY: return v.y;
    default: {
      float magnitude = 0, angle = 0;
      Cart_to_Polar(v.x, v.y, magnitude, angle);
      return s.SlotComponent[slot] == kCompAng ? angle : magnitude;
    }
  }
}

std::pair<float, float> Select_PolarVariable(const EngineDesignRecord& d, const PlotSelection& s, int step,
                                             int slot) {
  const ResultEntry& e = SlotEntry(s, slot);
  const ResultXY v = SlotXY(d, s, step, slot);
  if (!e.vector) return {v.x, d.table.CrankAngle[step]};
  float magnitude = 0, angle = 0;
  Cart_to_Polar(v.x, v.y, magnitude, angle);
  return {magnitude, angle};
}

bool Set_Variable(PlotSelection& s, const std::string& text, int slot) {
  s.CoordinateChoiceAllowed = s.ScalarPicked = false;
  if (slot < 1 || slot > 4) return false;
  for (int f = 1; f <= 19; ++f) {
    if (text != PlotFunction(f).shortName) continue;
    s.SlotFunction[slot] = static_cast<int16_t>(f);
    s.CoordinateChoiceAllowed = f == 9 || f == 12;  // "F Crank" and "F Main"
    s.ScalarPicked = IsScalarFunction(f);
    return true;
  }
  return false;
}

bool Set_Component(PlotSelection& s, const std::string& text, int slot) {
  if (slot < 1 || slot > 4) return false;
  for (int16_t c = 0; c < 4; ++c) {
    if (text != kComponentTexts[c]) continue;
    s.SlotComponent[slot] = c;
    s.SlotComponentText[slot] = text;
    return true;
  }
  return false;
}

bool SelectionOffered(const EngineDesignRecord& d, const PlotSelection& s) {
  if (s.FunctionCount < 1) return false;
  for (int slot = 1; slot <= s.FunctionCount && slot < static_cast<int>(s.SlotFunction.size()); ++slot) {
    const int f = s.SlotFunction[slot];
    if (f < 1 || f > kUnbalancedShakingForce || !Offered(d, PlotFunction(f))) return false;
  }
  return true;
}

std::string SlotUnit(const EngineDesignRecord& d, const PlotSelection& s, int slot) {
  if (s.SlotComponent[slot] == kCompAng && SlotEntry(s, slot).vector) return "Deg";
  return ResultUnit(d, SlotEntry(s, slot));
}

std::string SlotLegend(const EngineDesignRecord& d, const PlotSelection& s, int slot, bool shown) {
  const ResultEntry& e = SlotEntry(s, slot);
  const std::string component = e.vector ? kComponentTexts[s.SlotComponent[slot] & 3] : "Mag";
  const std::string name = shown ? ShownName(d, e) : e.shortName;
  return name + " " + component + " (" + SlotUnit(d, s, slot) + ")";
}

std::vector<std::string> VariableList(const EngineDesignRecord& d) {
  const int last = d.FlywheelResultsValid ? 19 : d.EngineResultsValid ? 18 : 15;
  std::vector<std::string> names;
  for (int f = 1; f <= last; ++f) names.push_back(PlotFunction(f).shortName);
  return names;
}

std::vector<std::string> PolarVariableList(const EngineDesignRecord& d) {
  std::vector<std::string> names;
  for (int f = 9; f <= (d.EngineResultsValid ? 18 : 15); ++f) names.push_back(PlotFunction(f).shortName);
  return names;
}

const std::vector<PlotPreset>& PlotPresets(int n) {
  constexpr int16_t X = kCompX, Y = kCompY, M = kCompMag, A = kCompAng;
  static const std::vector<PlotPreset> kFour = {
      {"Position, Velocity, Acceleration, and Gas Force", {1, 2, 3, 4}, {M, M, M, M}},
      {"Torques - Gas, Inertia, Total, and Friction", {5, 6, 7, 8}, {M, M, M, M}},
      {"Force Magnitudes on Mainpin, Crankpin, Wristpin, and Piston", {10, 9, 12, 11}, {M, M, M, M}},
      {"Total Shaking Force - X, Y, Mag, Angle", {15, 15, 15, 15}, {X, Y, M, A}},
      {"Primary and Secondary Shaking Forces - Mag, Angle", {13, 13, 14, 14}, {M, A, M, A}},
      {"Primary Shaking Force - X, Y, Mag, Angle", {13, 13, 13, 13}, {X, Y, M, A}},
      {"Secondary Shaking Force - X, Y, Mag, Angle", {14, 14, 14, 14}, {X, Y, M, A}},
      {"Mainpin Force - X, Y, Mag, Angle", {12, 12, 12, 12}, {X, Y, M, A}},
      {"Crankpin Force - X, Y, Mag, Angle", {9, 9, 9, 9}, {X, Y, M, A}},
      {"Wristpin Force - X, Y, Mag, Angle", {10, 10, 10, 10}, {X, Y, M, A}},
      {"Sidewall Force - X, Y, Mag, Angle", {11, 11, 11, 11}, {X, Y, M, A}},
      {"Total Shaking Moment - X, Y, Mag, Angle", {18, 18, 18, 18}, {X, Y, M, A}},
      {"Primary and Secondary Shaking Moments - Mag, Angle", {16, 16, 17, 17}, {M, A, M, A}},
      {"Primary  Shaking Moment - X, Y, Mag, Angle", {16, 16, 16, 16}, {X, Y, M, A}},
      {"Secondary Shaking Moment - X, Y, Mag, Angle", {17, 17, 17, 17}, {X, Y, M, A}},
      {"Torques - Gas, Inertia, Total, and Flywheel", {5, 6, 7, 19}, {M, M, M, M}},
  };
  static const std::vector<PlotPreset> kTwo = {
      {"Position and Velocity", {1, 2}, {M, M}},
      {"Velocity and Acceleration", {2, 3}, {M, M}},
      {"Acceleration and Position", {3, 1}, {M, M}},
      {"Gas Force and Gas Torque", {4, 5}, {X, Y}},
      {"Gas Torque and Inertia Torque", {5, 6}, {X, Y}},
      {"Total Torque and Friction Torque", {7, 8}, {X, Y}},
      {"Shaking Force - mag and angle", {15, 15}, {M, A}},
      {"Shaking Force - X and Y components", {15, 15}, {X, Y}},
      {"Mainpin Force  - mag and angle", {12, 12}, {M, A}},
      {"Mainpin Force - X and Y components", {12, 12}, {X, Y}},
      {"Crankpin Force  - mag and angle", {9, 9}, {M, A}},
      {"Crankpin Force  - X and Y components", {9, 9}, {X, Y}},
      {" Wristpin Force  - mag and angle", {10, 10}, {M, A}},
      {" Wristpin Force  - X and Y components", {10, 10}, {X, Y}},
      {"Sidewall Force  - mag and angle", {11, 11}, {M, A}},
      {"Sidewall Force  - X and Y components", {11, 11}, {X, Y}},
      {"Shaking Moment - mag and angle", {18, 18}, {M, A}},
      {"Shaking Moment - X and Y components", {18, 18}, {X, Y}},
      {"Total Torque and Flywheel Torque", {7, 19}, {M, M}},
  };
  if (n != 2 && n != 4) RaiseError(err::SubscriptOutOfRange);
  return n == 4 ? kFour : kTwo;
}

std::vector<std::string> Load_Presets(const EngineDesignRecord& d, int n) {
  const auto& presets = PlotPresets(n);
  // Four-slot: 11 always, 15 with the engine, 16 with the flywheel; two-slot: 16, 18, 19.
  const std::size_t base = n == 4 ? 11 : 16, engine = n == 4 ? 15 : 18;
  std::size_t count = d.EngineResultsValid ? engine : base;
  std::vector<std::string> texts;
  for (std::size_t k = 0; k < count; ++k) texts.push_back(presets[k].text);
  if (d.FlywheelResultsValid) texts.push_back(presets.back().text);
  return texts;
}

bool ApplyPlotPreset(PlotSelection& s, const std::string& text, int n) {
  for (const PlotPreset& p : PlotPresets(n)) {
    if (text != p.text) continue;
    for (int slot = 1; slot <= n; ++slot) {
      Set_Variable(s, PlotFunction(p.functions[slot - 1]).shortName, slot);
      // A scalar's component is forced to "Mag" when its slot is accepted.
      const int16_t c = s.ScalarPicked ? int16_t{kCompMag} : p.components[slot - 1];
      Set_Component(s, kComponentTexts[c], slot);
      if (s.ScalarPicked) s.SlotComponentText[slot] = "Magnitude";
    }
    s.FunctionCount = static_cast<int16_t>(n);
    return true;
  }
  return false;
}

}  // namespace zorvan
