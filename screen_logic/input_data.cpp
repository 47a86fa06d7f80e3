// The one-cylinder screen's data flow: Put_InputData writes every box from the
// record, Get_InputData and Get_InitialCond read them back, and a changed
// geometry box runs Linkout_LostFocus, which keeps bore, stroke, crank radius
// and displacement consistent and ends by writing and reading every box.
#include "screen_logic/input_data.h"

#include <cctype>
#include <cmath>
#include <optional>

#include "core/checked.h"
#include "core/design.h"
#include "core/display_units.h"
#include "core/entry_number.h"
#include "core/field_table.h"
#include "core/input_limits.h"
#include "core/machine_type.h"
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

// What each box holds: the design's field (for its limits), what a message
// calls it, and how its entry is converted.
struct BoxField {
  const char* field;
  const char* what;
  Quantity quantity;
};

namespace {

constexpr const char* kLinks = "Your link lengths are incompatible. Please redo.";
constexpr Quantity kLength = Quantity::Length;

constexpr BoxField kGeometryFields[10] = {
    {"CylinderDisplacement", "displacement of one cylinder", Quantity::Volume},
    {"Bore", "bore", kLength},
    {"Stroke", "stroke", kLength},
    {"CrankRadius", "crank radius", kLength},
    {"LRRatio", "L/R ratio", Quantity::Plain},
    {"CrankCGFraction", "crank CG", Quantity::Plain},
    {"ConrodCGFraction", "conrod CG", Quantity::Plain},
    {"MainJournalDiameter", "mainpin diameter", kLength},
    {"CrankpinJournalDiameter", "crankpin diameter", kLength},
    {"WristpinOffset", "offset", kLength},
};
constexpr BoxField kCylinderFields[9] = {
    {"", "", Quantity::Plain},
    {"NumCylinders", "number of cylinders", Quantity::Plain},
    {"IdleRPM", "idle RPM", Quantity::Plain},
    {"RedlineRPM", "redline RPM", Quantity::Plain},
    {"PistonMass", "piston mass", Quantity::Plain},
    {"ConrodMass", "conrod mass", Quantity::Plain},
    {"CrankMass", "crank mass", Quantity::Plain},
    {"PeakPressureEngine", "peak cylinder pressure", Quantity::Pressure},
    {"FrictionCoefficient", "friction coefficient", Quantity::Plain},
};

// Decimals of the displacement box: cubic feet need more than cubic inches or cc.
int16_t DisplacementPlaces(int16_t system) { return system == 2 ? 6 : 3; }

std::string Whole(int16_t v) { return std::to_string(v); }

// The stroke and crank radius are not entered fields of their own, but the
// displacement is divided by them.
std::optional<std::string> StrokeLimit(const char* what, double v) {
  if (v > 0) return std::nullopt;
  std::string name = what;
  name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return name + " must be above 0.";
}

}  // namespace

double ReadBoxNumber(const std::string& text) {
  double v = 0;
  const EntryRead r = ReadEntryNumber(text, v);
  if (r != EntryRead::Number) RaiseError(r == EntryRead::OutOfRange ? err::Overflow : err::TypeMismatch);
  return v;
}

void InputDataLogic::Invalidate() {
  // The engine and the flywheel no longer belong to the design (the columns
  // hold the one cylinder's again). A model file's counterweight stands until
  // it is calculated again.
  MessageList told;
  WithdrawEngine(d_, told);
  Show(ui_, told);
  d_.FlywheelResultsValid = false;
  if (!d_.LoadedFromFile) d_.BalanceResultsValid = false;
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
    // The peak of the curve the device type uses.
    b.linkout2[7] = FNRoundStr(ToDisplay(PeakPressure(d_), Quantity::Pressure, u), d_.PressureDigits);
    b.linkout2[8] = FNRoundStr(d_.FrictionCoefficient, 3);
    b.rodnum = Whole(d_.RodsPerCrank);
    b.bsRatio = FNRoundStr(d_.BoreStrokeRatio, 3);
    for (int k = 0; k <= 9; ++k) b.linkoutUnit[k] = kGeometryFields[k].quantity == kLength ? d_.UnitLabel[kLengthSlot] : "";
    b.linkoutUnit[0] = d_.UnitLabel[kVolumeSlot];
    b.linkoutUnit[5] = b.linkoutUnit[6] = "dec %";
    for (int k = 1; k <= 8; ++k) b.linkout2Unit[k] = "";
    b.linkout2Unit[4] = b.linkout2Unit[5] = b.linkout2Unit[6] = d_.UnitLabel[kMassSlot];
    b.linkout2Unit[7] = d_.UnitLabel[kPressureSlot];
    // The boxes now show the record: none holds an edit of the user's.
    b.linkoutEdited.fill(false);
    b.linkout2Edited.fill(false);
    b.rodnumEdited = false;
    boxes_ = b;
  });
}

bool InputDataLogic::Entry(const std::string& text, const BoxField& box, double& held) {
  double shown = 0;
  const EntryRead r = ReadEntryNumber(text, shown);
  std::optional<std::string> refusal;
  if (r != EntryRead::Number) {
    refusal = EntryReadMessage(r, box.what);
  } else {
    held = FromDisplay(shown, box.quantity, d_.UnitSystem);
    const std::string_view field = box.field;
    if (field == "Stroke" || field == "CrankRadius") {
      refusal = StrokeLimit(box.what, held);
    } else if (field == "PeakPressureEngine") {
      refusal = CheckInputValue(d_, IsPump(d_) ? "PeakPressurePump" : "PeakPressureEngine", held);
    } else {
      refusal = CheckInputValue(d_, field, held);
    }
    // A whole-number field holds 16 bits.
    const DesignField* f = FindDesignField(field);
    const InputLimit* limit = FindInputLimit(field);
    if (!refusal && f && limit && IsWholeNumber(*f) && std::nearbyint(held) > 32767)
      refusal = std::string(limit->label) + " must be at most 32767.";
  }
  if (!refusal) return true;
  // One warning naming the box; the record keeps its last good value.
  ui_.Message(*refusal, Buttons::Ok, Icon::Warning);
  Put_InputData();
  return false;
}

bool InputDataLogic::LinksClose() {
  // The rod, as derived, must reach past the offset.
  if (static_cast<double>(d_.ConrodLength) - d_.CrankRadius > d_.WristpinOffset) return true;
  ui_.Message(kLinks, Buttons::Ok, Icon::Critical);
  return false;
}

bool InputDataLogic::Get_InputData() {
  for (int k = 0; k <= 9; ++k)
    if (boxes_.linkoutEdited[k] && !Linkout_LostFocus(k)) return false;
  state_.animateEnabled = state_.doneEnabled = false;
  return LinksClose();
}

bool InputDataLogic::Get_InitialCond() {
  for (int k = 1; k <= 8; ++k)
    if (boxes_.linkout2Edited[k] && !Linkout2_LostFocus(k)) return false;
  return true;
}

bool InputDataLogic::Linkout_LostFocus(int k) {
  if (k < 0 || k > 9 || !boxes_.linkoutEdited[k]) return true;  // nothing typed: nothing read back
  Invalidate();
  double held = 0;
  if (!Entry(boxes_.linkout[k], kGeometryFields[k], held)) return false;
  const EngineDesignRecord before = d_;
  const bool updated = Guarded(ui_, "Linkout_LostFocus", [&] {
    EngineDesignRecord next = d_;
    if (k <= 1) {  // displacement and bore are the primary pair: the stroke follows
      (k == 0 ? next.CylinderDisplacement : next.Bore) = Sng(held);
      next.TotalDisplacement = Sng(static_cast<double>(next.NumCylinders) * next.CylinderDisplacement);
      next.PistonArea = Sng(static_cast<double>(next.Bore) * next.Bore * kPi / 4);
      next.Stroke = Sng(Div(next.CylinderDisplacement, next.PistonArea));
      next.CrankRadius = Sng(next.Stroke / 2.0);
    } else if (k == 2 || k == 3) {  // the displacement is held and the bore moves
      if (k == 2) {
        next.Stroke = Sng(held);
        next.CrankRadius = Sng(next.Stroke / 2.0);
      } else {
        next.CrankRadius = Sng(held);
        next.Stroke = Sng(2.0 * next.CrankRadius);
      }
      next.PistonArea = Sng(Div(next.CylinderDisplacement, next.Stroke));
      next.Bore = Sng(std::sqrt(Chk(4 * next.PistonArea / kPi)));
    } else {
      float* fields[10] = {nullptr, nullptr, nullptr, nullptr, &next.LRRatio, &next.CrankCGFraction,
                           &next.ConrodCGFraction, &next.MainJournalDiameter, &next.CrankpinJournalDiameter,
                           &next.WristpinOffset};
      *fields[k] = Sng(held);
    }
    if (next.Stroke != 0) next.BoreStrokeRatio = Sng(static_cast<double>(next.Bore) / next.Stroke);
    d_ = std::move(next);
  });
  if (!updated) return false;
  // A linkage that cannot close refuses the entry that made it so.
  MessageList told;
  const bool derived = Engine_Data(d_, told);
  Show(ui_, told);
  if (!derived || !LinksClose()) {
    d_ = before;
    told.Clear();
    Engine_Data(d_, told);
    Show(ui_, told);
    Put_InputData();
    return false;
  }
  // The boxes are written from the record; nothing is read back from them.
  return Put_InputData();
}

bool InputDataLogic::Linkout2_LostFocus(int k) {
  if (k < 1 || k > 8 || !boxes_.linkout2Edited[k]) return true;
  Invalidate();
  double held = 0;
  if (!Entry(boxes_.linkout2[k], kCylinderFields[k], held)) return false;
  const bool stored = Guarded(ui_, "Get_InitialCond", [&] {
    EngineDesignRecord next = d_;
    switch (k) {
      case 1:
        next.NumCylinders = CInt(held);
        next.TotalDisplacement = Sng(static_cast<double>(next.NumCylinders) * next.CylinderDisplacement);
        break;
      case 2: next.IdleRPM = CInt(held); break;
      case 3: next.RedlineRPM = CInt(held); break;
      case 4: next.PistonMass = Sng(held); break;
      case 5: next.ConrodMass = Sng(held); break;
      case 6: next.CrankMass = Sng(held); break;
      case 7: SetPeakPressure(next, Sng(held)); break;  // the device type's peak, and its curve's scale
      default: next.FrictionCoefficient = Sng(held); break;
    }
    d_ = std::move(next);
  });
  return stored && Put_InputData();
}

bool InputDataLogic::PressureUpdate() { return Linkout2_LostFocus(7); }

void InputDataLogic::RodsPerCrankCheck() {
  if (!boxes_.rodnumEdited) return;
  Invalidate();
  double v = 0;
  const EntryRead r = ReadEntryNumber(boxes_.rodnum, v);
  std::optional<std::string> refusal =
      r == EntryRead::Number ? CheckInputValue(d_, "RodsPerCrank", v) : EntryReadMessage(r, "number of conrods per throw");
  if (!refusal) {
    d_.RodsPerCrank = static_cast<int16_t>(std::nearbyint(v));
    boxes_.rodnum = Whole(d_.RodsPerCrank);
    boxes_.rodnumEdited = false;
    return;
  }
  ui_.Message(*refusal, Buttons::Ok, Icon::Warning);
  boxes_.rodnum = Whole(d_.RodsPerCrank);
  boxes_.rodnumEdited = false;
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
  // The type brings its own curve and peak pressure: the box shows it.
  Guarded(ui_, "frm_InputData.opt_Type", [&] { SetMachineType(d_, pump ? "Pump" : "Engine"); });
  Put_InputData();
}

void InputDataLogic::SetTwoStroke(bool twoStroke) {
  Invalidate();
  state_.twoStroke = twoStroke;
  d_.StrokeCycle = twoStroke ? 2 : 4;
}

void InputDataLogic::ApplyOptions() {
  d_.SpeedIndex = static_cast<int16_t>(state_.speedIndex);
  if (state_.pump != IsPump(d_)) SetMachineType(d_, state_.pump ? "Pump" : "Engine");
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
  if (!Get_InitialCond() || !Get_InputData()) return false;
  // The mid speed is formed from the sum of the two, a 16-bit number too.
  const char* speeds = d_.IdleRPM > d_.RedlineRPM ? "Idle RPM must not be above Redline RPM."
                       : d_.IdleRPM + d_.RedlineRPM > 32767 ? "Idle RPM and Redline RPM together must not exceed 32767."
                                                             : nullptr;
  if (speeds) {
    ui_.Message(speeds, Buttons::Ok, Icon::Warning);
    return false;
  }
  MessageList told;
  const bool calculated = Engine_Data(d_, told) && OneCylinderChain(d_, told, "frm_inputdata.cmd_calc_click");
  Show(ui_, told);
  if (!calculated) return false;
  Put_InputData();
  state_.doneEnabled = state_.animateEnabled = true;
  return true;
}

bool InputDataLogic::Zoom(double factor) {
  d_.DrawingScale = factor == 0 ? 1.0f : static_cast<float>(d_.DrawingScale * factor);
  return Calculate();
}

}  // namespace zorvan
