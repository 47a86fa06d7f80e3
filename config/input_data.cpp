// The one-cylinder screen's data flow: Put_InputData writes every box from the
// record, Get_InputData and Get_InitialCond read them back, and a changed
// geometry box runs Linkout_LostFocus, which keeps bore, stroke, crank radius
// and displacement consistent and ends by writing and reading every box.
#include "config/input_data.h"

#include <cctype>
#include <cmath>

#include "core/checked.h"
#include "core/design.h"
#include "core/display_units.h"
#include "core/error_report.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/recalculate.h"

namespace zorvan {

const char* const kArrangementItems[4] = {"Inline", "Vee", "Opposed", "W"};
const char* const kLinkoutLabels[10] = {"Dsplcmnt of 1 cyl", "Bore",     "Stroke",      "Crank Radius",
                                        "L/R Ratio",         "Crank CG", "Conrod CG",   "Mainpin Dia",
                                        "Crankpin Dia",      "Offset"};
const char* const kLinkoutTips[10] = {"Displacement of one cylinder even if engine has more",
                                      "Cylinder bore",
                                      "Piston Stroke",
                                      "Radius of crankpin",
                                      "Conrod/Crank ratio ",
                                      "Percent distance from mainpin to crank CG",
                                      "Percent distance from crankpin end to conrod CG",
                                      "Diameter of a mainpin on crankshaft",
                                      "Diameter of a crankpin on crankshaft",
                                      "Piston offset"};
const char* const kLinkout2Labels[9] = {"",           "No. Cylinders",     "Idle RPM",
                                        "Redline RPM", "Piston Mass",       "Conrod Mass",
                                        "Crank Mass",  "Peak Cyl Pressure", "Friction Coefficient"};
const char* const kLinkout2Tips[9] = {"",
                                      "Number of cylinders in engine",
                                      "Engine rpm at idle",
                                      "Maximum engine rpm",
                                      "Mass of piston and wristpin",
                                      "Mass of connecting rod",
                                      "Mass of one crank throw (see text)",
                                      "Maximum explosion pressure",
                                      "Friction coefficient within engine"};

namespace {

constexpr const char* kPositive = "This value must be positive.  Please redo.";
constexpr const char* kLinks = "Your link lengths are incompatible. Please redo.";
constexpr const char* kCylinders = "The number of cylinders must be 1 to 16.  Please redo.";
constexpr const char* kRods = "This value must be 1 to 16.  Please redo.";

bool IsLengthBox(int k) { return k == 1 || k == 2 || k == 3 || k == 7 || k == 8 || k == 9; }

constexpr Quantity kLength = Quantity::Length;

// Decimals of the displacement box: cubic feet need more than cubic inches or cc.
int16_t DisplacementPlaces(int16_t system) { return system == 2 ? 6 : 3; }

std::string Whole(int16_t v) { return std::to_string(v); }

}  // namespace

double ReadBoxNumber(const std::string& text) {
  std::string compact;
  for (char c : text)
    if (c != ' ' && c != '\t') compact += c;
  float v = 0;
  bool overflow = false;
  if (!ParseFloat(compact, v, overflow)) RaiseError(overflow ? err::Overflow : err::TypeMismatch);
  return v;
}

double InputDataLogic::Box(const std::string& text) const { return ReadBoxNumber(text); }

void InputDataLogic::Invalidate() {
  if (!d_.LoadedFromFile) {
    d_.BalanceResultsValid = false;
    d_.EngineResultsValid = false;
    d_.FlywheelResultsValid = false;
  }
  state_.animateEnabled = state_.doneEnabled = false;
}

bool InputDataLogic::Put_InputData() {
  return Guarded(ui_, "Put_InputData", [&] {
    InputBoxes b = boxes_;
    const int16_t u = d_.UnitSystem;
    const float* lengths[10] = {nullptr,  &d_.Bore, &d_.Stroke, &d_.CrankRadius, nullptr, nullptr, nullptr,
                                &d_.MainJournalDiameter, &d_.CrankpinJournalDiameter, &d_.WristpinOffset};
    b.linkout[0] = FNRoundStr(ToDisplay(d_.CylinderDisplacement, Quantity::Volume, u), DisplacementPlaces(u));
    for (int k = 1; k <= 9; ++k)
      if (lengths[k]) b.linkout[k] = FNRoundStr(ToDisplay(*lengths[k], kLength, u), d_.LengthDigits);
    b.linkout[4] = FNRoundStr(d_.LRRatio, 3);
    b.linkout[5] = FNRoundStr(d_.CrankCGFraction, 3);
    b.linkout[6] = FNRoundStr(d_.ConrodCGFraction, 3);
    b.linkout2[1] = Whole(d_.NumCylinders);
    b.linkout2[2] = Whole(d_.IdleRPM);
    b.linkout2[3] = Whole(d_.RedlineRPM);
    b.linkout2[4] = FNRoundStr(d_.PistonMass, 4);
    b.linkout2[5] = FNRoundStr(d_.ConrodMass, 4);
    b.linkout2[6] = FNRoundStr(d_.CrankMass, 4);
    b.linkout2[7] = FNRoundStr(ToDisplay(d_.PeakPressureEngine, Quantity::Pressure, u), d_.PressureDigits);
    b.linkout2[8] = FNRoundStr(d_.FrictionCoefficient, 3);
    b.rodnum = Whole(d_.RodsPerCrank);
    b.bsRatio = FNRoundStr(d_.BoreStrokeRatio, 3);
    for (int k = 0; k <= 9; ++k) b.linkoutUnit[k] = IsLengthBox(k) ? d_.UnitLabel[1] : "";
    b.linkoutUnit[0] = d_.UnitLabel[21];
    b.linkoutUnit[5] = b.linkoutUnit[6] = "dec %";
    for (int k = 1; k <= 8; ++k) b.linkout2Unit[k] = "";
    b.linkout2Unit[4] = b.linkout2Unit[5] = b.linkout2Unit[6] = d_.UnitLabel[20];
    b.linkout2Unit[7] = d_.UnitLabel[22];
    boxes_ = b;
  });
}

bool InputDataLogic::Get_InputData() {
  bool linksClose = true;
  const bool read = Guarded(ui_, "Get_InputData", [&] {
    // Every box is read before any is stored, so a box that cannot be read
    // leaves the record as it was.
    std::array<double, 10> v{};
    for (int k = 0; k <= 9; ++k) v[k] = Box(boxes_.linkout[k]);
    for (int k = 0; k <= 8; ++k) {
      if (v[k] < 0) {
        ui_.Message(kPositive, Buttons::Ok, Icon::Warning);
        v[k] = -v[k];
      }
    }
    const int16_t u = d_.UnitSystem;
    EngineDesignRecord next = d_;
    next.CylinderDisplacement = Sng(FromDisplay(v[0], Quantity::Volume, u));
    next.TotalDisplacement = Sng(static_cast<double>(next.NumCylinders) * next.CylinderDisplacement);
    next.Bore = Sng(FromDisplay(v[1], kLength, u));
    next.Stroke = Sng(FromDisplay(v[2], kLength, u));
    next.CrankRadius = Sng(FromDisplay(v[3], kLength, u));
    next.LRRatio = Sng(v[4]);
    next.CrankCGFraction = Sng(v[5]);
    next.ConrodCGFraction = Sng(v[6]);
    next.MainJournalDiameter = Sng(FromDisplay(v[7], kLength, u));
    next.CrankpinJournalDiameter = Sng(FromDisplay(v[8], kLength, u));
    next.WristpinOffset = Sng(FromDisplay(v[9], kLength, u));
    d_ = std::move(next);
    state_.animateEnabled = state_.doneEnabled = false;
    // The rod, as last derived, must reach past the offset.
    if (static_cast<double>(d_.ConrodLength) - d_.CrankRadius <= d_.WristpinOffset) {
      ui_.Message(kLinks, Buttons::Ok, Icon::Critical);
      linksClose = false;
    }
  });
  return read && linksClose;
}

bool InputDataLogic::Get_InitialCond() {
  return Guarded(ui_, "Get_InitialCond", [&] {
    std::array<double, 9> v{};
    for (int k = 1; k <= 8; ++k) v[k] = Box(boxes_.linkout2[k]);
    EngineDesignRecord next = d_;
    const int16_t cylinders = CInt(v[1]);
    // The arrays hold sixteen cylinders; the engine screen keeps to the same range.
    if (cylinders < 1 || cylinders > kMaxCylinders) {
      ui_.Message(kCylinders, Buttons::Ok, Icon::Warning);
    } else {
      next.NumCylinders = cylinders;
    }
    next.TotalDisplacement = Sng(static_cast<double>(next.NumCylinders) * next.CylinderDisplacement);
    next.IdleRPM = CInt(v[2]);
    next.RedlineRPM = CInt(v[3]);
    next.PistonMass = Sng(v[4]);
    next.ConrodMass = Sng(v[5]);
    next.CrankMass = Sng(v[6]);
    next.PeakPressureEngine = Sng(FromDisplay(v[7], Quantity::Pressure, d_.UnitSystem));
    next.FrictionCoefficient = Sng(v[8]);
    d_ = std::move(next);
  });
}

bool InputDataLogic::Linkout_LostFocus(int k) {
  Invalidate();
  const bool updated = Guarded(ui_, "Linkout_LostFocus", [&] {
    if (k < 0 || k > 9) RaiseError(err::SubscriptOutOfRange);
    const int16_t u = d_.UnitSystem;
    const double box = Box(boxes_.linkout[k]);
    EngineDesignRecord next = d_;
    if (k <= 1) {  // displacement and bore are the primary pair: the stroke follows
      next.CylinderDisplacement = Sng(FromDisplay(Box(boxes_.linkout[0]), Quantity::Volume, u));
      next.TotalDisplacement = Sng(static_cast<double>(next.NumCylinders) * next.CylinderDisplacement);
      next.Bore = Sng(FromDisplay(Box(boxes_.linkout[1]), kLength, u));
      next.PistonArea = Sng(static_cast<double>(next.Bore) * next.Bore * kPi / 4);
      next.Stroke = Sng(Div(next.CylinderDisplacement, next.PistonArea));
      next.CrankRadius = Sng(next.Stroke / 2.0);
    } else if (k == 2 || k == 3) {  // the displacement is held and the bore moves
      if (k == 2) {
        next.Stroke = Sng(FromDisplay(box, kLength, u));
        next.CrankRadius = Sng(next.Stroke / 2.0);
      } else {
        next.CrankRadius = Sng(FromDisplay(box, kLength, u));
        next.Stroke = Sng(2.0 * next.CrankRadius);
      }
      next.PistonArea = Sng(Div(next.CylinderDisplacement, next.Stroke));
      next.Bore = Sng(std::sqrt(Chk(4 * next.PistonArea / kPi)));
    } else if (k == 4) {
      next.LRRatio = Sng(box);
    } else if (k == 5) {
      next.CrankCGFraction = Sng(box);
    } else if (k == 6) {
      next.ConrodCGFraction = Sng(box);
    } else if (k == 7) {
      next.MainJournalDiameter = Sng(FromDisplay(box, kLength, u));
    } else if (k == 8) {
      next.CrankpinJournalDiameter = Sng(FromDisplay(box, kLength, u));
    } else {
      next.WristpinOffset = Sng(FromDisplay(box, kLength, u));
    }
    if (next.Stroke != 0) next.BoreStrokeRatio = Sng(static_cast<double>(next.Bore) / next.Stroke);
    d_ = std::move(next);
  });
  // Then every box is written from the record and read back, so the record
  // holds the values as they are shown.
  return updated && Engine_Data(d_, ui_) && Put_InputData() && Get_InputData() && Get_InitialCond();
}

bool InputDataLogic::PressureUpdate() {
  const bool ok = Guarded(ui_, "Get_InitialCond", [&] {
    const double p = FromDisplay(Box(boxes_.linkout2[7]), Quantity::Pressure, d_.UnitSystem);
    const bool engine = d_.MachineType == "Engine";
    const double reference = engine ? 600 : 131;  // the start pressures, in psi
    const float scale = Sng(Div(p, d_.PressureFactor * reference));
    (engine ? d_.PeakPressureEngine : d_.PeakPressurePump) = Sng(p);
    d_.GasPressureScale = scale;
  });
  return ok && Get_InitialCond();
}

void InputDataLogic::RodsPerCrankCheck() {
  double v = 0;
  bool number = true;
  try {
    v = Box(boxes_.rodnum);
  } catch (const RunTimeError&) {
    number = false;
  }
  if (number && v > 0 && std::nearbyint(v) <= kMaxCylinders) {
    d_.RodsPerCrank = static_cast<int16_t>(std::nearbyint(v));
    return;
  }
  ui_.Message(number && v > 0 ? kRods : kPositive, Buttons::Ok, Icon::Warning);
  boxes_.rodnum = "1";
  state_.focusBox = kRodnumFocus;
}

void InputDataLogic::ArrangementUpdate(const std::string& text) {
  Invalidate();
  const char first = text.empty() ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  struct Choice {
    char letter;
    float vee;
  };
  static constexpr Choice kChoices[] = {{'I', -1}, {'V', 90}, {'O', 180}, {'W', 120}};
  int index = -1;
  for (int i = 0; i < 4; ++i)
    if (kChoices[i].letter == first) index = i;
  if (index < 0) {
    // Not an arrangement: the box is emptied and the design keeps its own.
    state_.arrangementText.clear();
    return;
  }
  if (index > 0 && !d_.LoadedFromFile) d_.VeeAngle = kChoices[index].vee;
  state_.arrangementIndex = index;
  state_.arrangementText = kArrangementItems[index];
  d_.Arrangement = static_cast<int16_t>(index + 1);
  RefreshArrangementTexts(d_);
  state_.conrodFrameVisible = d_.Arrangement > 1;
}

void InputDataLogic::SetSpeedIndex(int index) {
  Invalidate();
  state_.speedIndex = index;
  d_.SpeedIndex = static_cast<int16_t>(index);
}

void InputDataLogic::SetPump(bool pump) {
  Invalidate();
  state_.pump = pump;
  d_.MachineType = pump ? "Pump" : "Engine";
}

void InputDataLogic::SetTwoStroke(bool twoStroke) {
  Invalidate();
  state_.twoStroke = twoStroke;
  d_.StrokeCycle = twoStroke ? 2 : 4;
}

void InputDataLogic::ApplyOptions() {
  d_.SpeedIndex = static_cast<int16_t>(state_.speedIndex);
  d_.MachineType = state_.pump ? "Pump" : "Engine";
  d_.StrokeCycle = state_.twoStroke ? 2 : 4;
}

void InputDataLogic::Activate() {
  state_.animateEnabled = state_.doneEnabled = false;
  state_.speedIndex = d_.SpeedIndex >= 1 && d_.SpeedIndex <= 3 ? d_.SpeedIndex : 2;
  state_.pump = d_.MachineType == "Pump";
  state_.twoStroke = d_.StrokeCycle == 2;
  if (d_.Arrangement >= 1 && d_.Arrangement <= 4) {
    state_.arrangementIndex = d_.Arrangement - 1;
    state_.arrangementText = kArrangementItems[state_.arrangementIndex];
  }
  state_.conrodFrameVisible = d_.Arrangement > 1;
  Put_InputData();
}

bool InputDataLogic::Calculate() {
  BusyPointer busy(ui_);
  d_.SingleResultsValid = false;
  ApplyOptions();
  if (!Get_InitialCond() || !Get_InputData() || !Engine_Data(d_, ui_)) return false;
  if (!OneCylinderChain(d_, ui_, "frm_inputdata.cmd_calc_click")) return false;
  Put_InputData();
  state_.doneEnabled = state_.animateEnabled = true;
  return true;
}

bool InputDataLogic::Zoom(double factor) {
  d_.DrawingScale = factor == 0 ? 1.0f : static_cast<float>(d_.DrawingScale * factor);
  return Calculate();
}

}  // namespace zorvan
