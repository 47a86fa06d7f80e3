#include "screen_logic/balance_data.h"

#include <cmath>

#include "core/counterweight.h"
#include "core/display_units.h"
#include "core/entry_number.h"
#include "core/error_report.h"
#include "core/input_limits.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/one_cylinder.h"
#include "core/design.h"
#include "core/recalculate.h"

namespace zorvan {

const char* const kMustBePositive = "This value must be positive.  Please redo.";

namespace {

int16_t Places(int16_t system) { return system == 1 || system == 3 ? 4 : system == 2 ? 3 : 2; }

}  // namespace

void BalanceLogic::Activate() {
  Fill();
  b_.plotMode = 1;
  b_.rodnumEditable = d_.Arrangement >= 2 && d_.Arrangement <= 4;
  b_.massEdited = b_.radEdited = b_.angleEdited = b_.rodnumEdited = false;
  b_.doneEnabled = b_.copyEnabled = b_.printEnabled = false;
  b_.focus = BalanceFocus::Calc;
}

void BalanceLogic::Fill() {
  const int16_t system = d_.UnitSystem, places = Places(system);
  auto length = [&](float held) { return FNRoundStr(ToDisplay(held, Quantity::Length, system), places); };
  auto mass = [&](float m) { return FNRoundStr(m, places); };
  b_.ang2 = "180";
  b_.rodnum = std::to_string(d_.RodsPerCrank);
  b_.mr2 = FNRoundStr(ToDisplay(static_cast<double>(d_.CrankRadius) * d_.MassAtCrankpin, Quantity::Length, system),
                      places);
  b_.radius = length(d_.CrankRadius);
  b_.massA = {"", mass(d_.MassAtCrankpin), mass(d_.CrankMassAtCrankpin), mass(d_.RodMassAtCrankpin)};
  b_.massB = {"", mass(d_.MassAtWristpin), mass(d_.PistonMass), mass(d_.ConrodMassAtWristpin)};
  b_.massUnit = d_.UnitLabel[kMassSlot];
  b_.lengthUnit = d_.UnitLabel[kLengthSlot];
  b_.productUnit = b_.massUnit + "-" + b_.lengthUnit;
  if (d_.BalanceResultsValid || d_.FromDiskFile) {
    mass_ = d_.CounterweightMass;
    radius_ = d_.CounterweightRadius;
    angle_ = d_.CounterweightAngle;
  } else {  // exact balance proposed
    mass_ = d_.MassAtCrankpin;
    radius_ = d_.CounterweightRadius;
    angle_ = 180;
  }
  b_.mass = mass(mass_);
  b_.rad = length(radius_);
  b_.angle = GeneralNumberText(angle_);
  b_.massEdited = b_.radEdited = b_.angleEdited = false;
}

bool BalanceLogic::Entry(std::string& box, const char* reset, double& value, BalanceFocus focus) {
  const EntryRead r = ReadEntryNumber(box, value);
  if (r == EntryRead::Number && value >= 0) return true;
  ui_.Message(r == EntryRead::Number ? kMustBePositive : EntryReadMessage(r, "value"), Buttons::Ok, Icon::Warning);
  box = reset;
  b_.focus = focus;
  return false;
}

bool BalanceLogic::Calculate() {
  BusyPointer busy(ui_);
  const bool ok = Guarded(ui_, "Balance_Calculate", [&] {
    // Edited boxes are read; the others stand for the values they were filled with.
    double v = 0;
    if (b_.massEdited && ReadEntryNumber(b_.mass, v) == EntryRead::Number) mass_ = static_cast<float>(v);
    if (b_.radEdited && ReadEntryNumber(b_.rad, v) == EntryRead::Number)
      radius_ = static_cast<float>(FromDisplay(v, Quantity::Length, d_.UnitSystem));
    if (b_.angleEdited && ReadEntryNumber(b_.angle, v) == EntryRead::Number) angle_ = static_cast<float>(v);
    b_.massEdited = b_.radEdited = b_.angleEdited = false;
    d_.CounterweightMass = mass_;
    d_.CounterweightRadius = radius_;
    d_.CounterweightAngle = angle_;
  });
  // The pass adds the counterweight to the one-cylinder results: they are made afresh first.
  MessageList told;
  const bool passed = ok && (!d_.BalanceResultsValid || OneCylinderPass(d_, told)) && CounterweightPass(d_, told);
  Show(ui_, told);
  if (!passed) return false;
  b_.plotMode = 2;
  b_.doneEnabled = b_.copyEnabled = b_.printEnabled = true;
  b_.focus = BalanceFocus::Done;
  return true;
}

void BalanceLogic::MassLeft() {
  if (!b_.massEdited) return;
  double v = 0;
  if (!Entry(b_.mass, "0.01", v, BalanceFocus::Mass)) return;
  Calculate();
  b_.doneEnabled = true;
}

void BalanceLogic::RadiusLeft() {
  if (!b_.radEdited) return;
  double v = 0;
  if (!Entry(b_.rad, "0.01", v, BalanceFocus::Radius)) return;
  b_.doneEnabled = false;
  Calculate();
}

void BalanceLogic::AngleLeft() {
  if (!b_.angleEdited) return;
  double v = 0;
  if (!Entry(b_.angle, "180", v, BalanceFocus::Angle)) return;
  b_.doneEnabled = false;
  Calculate();
}

void BalanceLogic::RodsLeft() {
  if (!b_.rodnumEdited || !b_.rodnumEditable) return;
  b_.rodnumEdited = false;
  double v = 0;
  const EntryRead r = ReadEntryNumber(b_.rodnum, v);
  if (r != EntryRead::Number || v <= 0) {
    ui_.Message(r == EntryRead::Number ? kMustBePositive : EntryReadMessage(r, "number of conrods per throw"),
                Buttons::Ok, Icon::Warning);
    b_.rodnum = "1";
    b_.focus = BalanceFocus::Rodnum;
    return;
  }
  if (auto refusal = CheckInputValue(d_, "RodsPerCrank", v)) {
    ui_.Message(*refusal, Buttons::Ok, Icon::Warning);
    b_.rodnum = std::to_string(d_.RodsPerCrank);
    b_.focus = BalanceFocus::Rodnum;
    return;
  }
  d_.RodsPerCrank = static_cast<int16_t>(std::nearbyint(v));
  // The crankpin carries the new rods: its masses and the one cylinder afresh.
  if (!Guarded(ui_, "txt_Rodnum_LostFocus", [&] { ApplyRodsPerThrow(d_); })) return;
  MessageList told;
  const bool passed = OneCylinderPass(d_, told);
  Show(ui_, told);
  if (!passed) return;
  Fill();
  b_.doneEnabled = false;
  Calculate();
}

}  // namespace zorvan
