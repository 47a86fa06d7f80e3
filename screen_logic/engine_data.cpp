// The engine configuration screen's data flow: the count, arrangement, vee
// angle and spacing go into the record as they are entered; the rows of
// angles and the firing order are read by Calculate, which then derives the
// banks and runs the whole engine.
#include "screen_logic/engine_data.h"

#include <cmath>
#include <optional>

#include "screen_logic/notices.h"
#include "core/banks.h"
#include "core/captions.h"
#include "core/checked.h"
#include "core/design.h"
#include "core/entry_number.h"
#include "core/error_report.h"
#include "core/input_limits.h"
#include "core/number_text.h"
#include "core/presets.h"
#include "core/recalculate.h"

namespace zorvan {

namespace {

constexpr const char* CR = "\r";
constexpr const char* kEvenText = "A vee or opposed engine must have an even number of cylinders";
constexpr const char* kMulticylinderText = "You have not yet created a multicylinder engine.";
constexpr const char* kFillInText = "Please fill in the Firing Order, Phase Angles, and Firing Angles for this engine";

// Boxes show the shortest text that reads back to the value held, so reading
// them again changes nothing.
std::string Plain(float v) { return ExactNumberText(v); }

// A box's number; false (after a message naming the box) when it holds no number.
bool ReadNumber(Ui& ui, const std::string& text, const std::string& what, double& out) {
  const EntryRead r = ReadEntryNumber(text, out);
  if (r == EntryRead::Number) return true;
  ui.Message(EntryReadMessage(r, what), Buttons::Ok, Icon::Warning);
  return false;
}

// A value outside its field's limits is told with a warning naming the box.
bool WithinLimits(Ui& ui, const std::optional<std::string>& refusal) {
  if (!refusal) return true;
  ui.Message(*refusal, Buttons::Ok, Icon::Warning);
  return false;
}

// A row box: empty reads as 0.
bool ReadRowNumber(Ui& ui, const std::string& text, const std::string& what, float& out) {
  if (text.find_first_not_of(" \t") == std::string::npos) {
    out = 0;
    return true;
  }
  double v = 0;
  if (!ReadNumber(ui, text, what, v)) return false;
  out = static_cast<float>(v);
  return true;
}

// The design's field of a row box.
const char* RowField(EngineDataLogic::RowBox box) {
  using B = EngineDataLogic::RowBox;
  return box == B::Phase ? "PhaseAngle" : box == B::Power ? "FiringAngle" : "FiringOrder";
}

bool Empty(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

void EngineDataLogic::EngineChanged() {
  // The record no longer holds the engine its results were computed for:
  // nothing that shows them stays offered, and the columns hold the one
  // cylinder's again.
  MessageList told;
  WithdrawEngine(d_, told);
  Show(ui_, told);
  d_.FlywheelResultsValid = false;
  if (state_.exampleLoading) return;
  state_.animateEnabled = state_.balanceEnabled = state_.doneEnabled = false;
  state_.drawEngine = false;
}

void EngineDataLogic::BankLabels() {
  const int n = d_.NumCylinders >= 1 && d_.NumCylinders <= kMaxCylinders ? d_.NumCylinders : 1;
  if (d_.Arrangement == 0) return;  // a single cylinder's labels are left as they are
  for (int k = 1; k <= kMaxCylinders; ++k) boxes_.rows[k].bank.clear();
  auto label = [&](CylinderGroup g, const char* bank) {
    for (int k = g.first; k <= g.last; ++k) boxes_.rows[k].bank = bank;
  };
  if (d_.Arrangement == 1) {
    label({1, n}, "1");
  } else if (d_.Arrangement == 4) {
    label(ThirdGroup(n, 1), "1");
    label(ThirdGroup(n, 2), "2");
    label(ThirdGroup(n, 3), "3");
  } else {
    label(HalfGroup(n, 1), "1");
    label(HalfGroup(n, 2), "2");
  }
}

void EngineDataLogic::PutEngineData() {
  boxes_.cylinders = std::to_string(d_.NumCylinders);
  boxes_.spacing = Plain(d_.CylinderSpacing);
  boxes_.stroke = std::to_string(d_.StrokeCycle);
  state_.veeVisible = d_.Arrangement >= 2;
  if (state_.veeVisible) boxes_.veeAngle = Plain(d_.VeeAngle);
  const int n = d_.NumCylinders >= 1 && d_.NumCylinders <= kMaxCylinders ? d_.NumCylinders : 1;
  state_.shownRows = n;
  if (d_.EngineResultsValid || state_.exampleShown || d_.LoadedFromFile) {
    for (int k = 1; k <= n; ++k) {
      boxes_.rows[k].order = Plain(d_.FiringOrder[k]);
      boxes_.rows[k].phase = Plain(d_.PhaseAngle[k]);
      boxes_.rows[k].power = Plain(d_.FiringAngle[k]);
      good_[k] = boxes_.rows[k];
    }
  }
  BankLabels();
}

void EngineDataLogic::Activate(int homeExample) {
  state_.screenOpen = true;
  PutEngineData();
  state_.arrangementIndex = d_.Arrangement >= 1 && d_.Arrangement <= 4 ? d_.Arrangement - 1 : 0;
  if (homeExample > 0) {
    // The home screen's example menu has just assembled the engine: it is shown.
    state_.exampleIndex = homeExample - 1;
    state_.drawEngine = d_.EngineResultsValid;
    state_.animateEnabled = d_.EngineResultsValid;
  } else {
    state_.drawEngine = false;
    state_.animateEnabled = false;
  }
  if (d_.LoadedFromFile || !d_.EngineResultsValid) ResetSelection();
  state_.calcEnabled = true;
  state_.doneEnabled = false;
}

void EngineDataLogic::CylinderCountCheck() {
  BusyPointer busy(ui_);
  double v = 0;
  if (!ReadNumber(ui_, boxes_.cylinders, "number of cylinders", v)) {
    boxes_.cylinders = std::to_string(d_.NumCylinders);
    return;
  }
  // A count out of range is refused; the rows keep their entries.
  if (!WithinLimits(ui_, CheckInputValue(d_, "NumCylinders", v))) {
    boxes_.cylinders = std::to_string(d_.NumCylinders);
    state_.cylindersChanged = false;
    return;
  }
  const int16_t n = static_cast<int16_t>(std::nearbyint(v));
  d_.NumCylinders = n;
  EngineChanged();
  if ((d_.Arrangement == 2 || d_.Arrangement == 3) && n % 2 != 0) {
    ui_.Message(kEvenText, Buttons::Ok, Icon::None);
    boxes_.cylinders = std::to_string(n + 1);
    return;  // the record keeps n until the box is checked again
  }
  d_.TotalDisplacement = Sng(static_cast<double>(n) * d_.CylinderDisplacement);
  state_.shownRows = n;
  BankLabels();
  state_.cylindersChanged = false;
}

void EngineDataLogic::ArrangementChange(int index) {
  if (index < 0 || index > 3) return;
  const bool ok = Guarded(ui_, "cmd_type_click", [&] {
    d_.Arrangement = static_cast<int16_t>(index + 1);
    state_.arrangementIndex = index;
    RefreshArrangementTexts(d_);
  });
  if (!ok) return;
  EngineChanged();
  if (!state_.exampleLoading) ResetSelection();
  state_.veeVisible = d_.Arrangement >= 2;
  if (state_.veeVisible) {
    boxes_.veeAngle = Plain(d_.VeeAngle);
    state_.veeFocus = !state_.exampleLoading;
  }
  BankLabels();
  state_.animateEnabled = false;
  state_.calcEnabled = true;
}

std::string EngineDataLogic::VeeAngleCheckText() const {
  if (d_.Arrangement <= 1) return {};
  const int n = d_.NumCylinders;
  std::string s = std::string("A vee angle must be between 0 and 177 deg.  An opposed angle = 180 deg.") + CR;
  if (2 * (n / 2) != n && (d_.Arrangement == 2 || d_.Arrangement == 3))
    s += std::string("You must have an even number of cylinders for this engine") + CR;
  if (3 * (n / 3) != n && d_.Arrangement == 4)
    s += std::string("Your number of cylinders must be evenly divisible by 3 for this engine") + CR;
  if (d_.VeeAngle < 1 || d_.VeeAngle > 180)
    s += std::string("Vee angle must be between 0 and 180 degrees - please reenter") + CR;
  const float third = d_.VeeAngle / 3;
  if (third != std::trunc(third))
    s += std::string(" Warning: If your vee angle is not evenly divisible by") + " 3" + CR +
         " then  this program's data may be subject to distortion due to aliasing." + CR;
  return s;
}

void EngineDataLogic::VeeAngleEntry() {
  d_.Arrangement = static_cast<int16_t>(state_.arrangementIndex + 1);
  double v = 0;
  if (!ReadNumber(ui_, boxes_.veeAngle, "vee angle", v) ||
      (d_.Arrangement != 3 && !WithinLimits(ui_, CheckInputValue(d_, "VeeAngle", v)))) {
    boxes_.veeAngle = Plain(d_.VeeAngle);  // refused: the engine keeps its angle
    return;
  }
  const float before = d_.VeeAngle;
  d_.VeeAngle = static_cast<float>(v);
  RefreshArrangementTexts(d_);  // an opposed engine's banks lie at 180 whatever was typed
  boxes_.veeAngle = Plain(d_.VeeAngle);
  if (d_.VeeAngle == before) return;
  EngineChanged();
  if (!state_.exampleLoading) ResetSelection();
}

void EngineDataLogic::SpacingFocus() { dialogs_.FixedWidthMessage(SpacingNoticeText()); }

void EngineDataLogic::SpacingEntry() {
  double v = 0;
  if (!ReadNumber(ui_, boxes_.spacing, "cylinder spacing", v) ||
      !WithinLimits(ui_, CheckInputValue(d_, "CylinderSpacing", v))) {
    boxes_.spacing = Plain(d_.CylinderSpacing);
    return;
  }
  if (static_cast<float>(v) == d_.CylinderSpacing) return;
  d_.CylinderSpacing = static_cast<float>(v);
  EngineChanged();
}

void EngineDataLogic::RowEdit(int k, RowBox box) {
  if (state_.exampleLoading || k < 1 || k > kMaxCylinders) return;
  auto field = [box](EngineRow& r) -> std::string& {
    return box == RowBox::Phase ? r.phase : box == RowBox::Power ? r.power : r.order;
  };
  std::string& text = field(boxes_.rows[k]);
  std::string& good = field(good_[k]);
  if (text == good) return;  // left as it was
  if (!Empty(text)) {
    double v = 0;
    const std::string what = RowBoxName(k, box);
    if (!ReadNumber(ui_, text, what, v) || !WithinLimits(ui_, CheckRowValue(k, box, v))) {
      text = good;
      return;
    }
  }
  good = text;
  EngineChanged();
}

std::string EngineDataLogic::RowBoxName(int k, RowBox box) const {
  const std::string n = std::to_string(k);
  if (box == RowBox::Order) return "firing-order entry " + n;
  return std::string(box == RowBox::Phase ? "phase angle" : "firing angle") + " of cylinder " + n;
}

std::optional<std::string> EngineDataLogic::CheckRowValue(int k, RowBox box, double v) const {
  return CheckInputValue(d_, RowField(box), v, k);
}

void EngineDataLogic::ResetSelection() {
  state_.exampleIndex = -1;
  state_.animateEnabled = state_.balanceEnabled = state_.doneEnabled = false;
  state_.drawEngine = false;
  state_.exampleLoading = state_.exampleShown = false;
}

void EngineDataLogic::ClearData() {
  for (int k = 2; k <= kMaxCylinders; ++k) boxes_.rows[k] = good_[k] = EngineRow{};
  EngineChanged();
  state_.exampleShown = false;
}

bool EngineDataLogic::LoadExample(int k) {
  if (k < 0 || k >= kPresetCount) return false;
  state_.exampleLoading = state_.exampleShown = true;
  state_.drawEngine = false;
  // An example is a new design: nothing of it comes from a file, and it is not saved.
  d_.LoadedFromFile = d_.FromDiskFile = false;
  v_.DesignSaved = false;
  MessageList told;
  const bool ok = zorvan::LoadExample(d_, k, told);
  Show(ui_, told);
  state_.exampleIndex = k;
  state_.arrangementIndex = d_.Arrangement >= 1 && d_.Arrangement <= 4 ? d_.Arrangement - 1 : 0;
  PutEngineData();
  state_.drawEngine = ok;
  state_.doneEnabled = state_.animateEnabled = state_.balanceEnabled = ok;
  state_.calcEnabled = true;
  state_.exampleLoading = false;
  return ok;
}

bool EngineDataLogic::ReadEngineData(bool& complete) {
  double count = 0, spacing = 0, vee = 0;
  if (!ReadNumber(ui_, boxes_.cylinders, "number of cylinders", count) ||
      !ReadNumber(ui_, boxes_.spacing, "cylinder spacing", spacing))
    return false;
  if (state_.veeVisible && !ReadNumber(ui_, boxes_.veeAngle, "vee angle", vee)) return false;
  EngineDesignRecord next = d_;
  next.NumCylinders = static_cast<int16_t>(std::nearbyint(count));
  next.TotalDisplacement = Sng(static_cast<double>(next.NumCylinders) * next.CylinderDisplacement);
  next.CylinderSpacing = static_cast<float>(spacing);
  if (state_.veeVisible) next.VeeAngle = static_cast<float>(vee);
  complete = true;
  for (int k = 2; k <= next.NumCylinders; ++k) {
    const EngineRow& r = boxes_.rows[k];
    if (Empty(r.order) || Empty(r.phase) || Empty(r.power)) complete = false;
  }
  if (!complete) return true;
  for (int k = 1; k <= next.NumCylinders; ++k) {
    const EngineRow& r = boxes_.rows[k];
    if (!ReadRowNumber(ui_, r.order, RowBoxName(k, RowBox::Order), next.FiringOrder[k]) ||
        !ReadRowNumber(ui_, r.phase, RowBoxName(k, RowBox::Phase), next.PhaseAngle[k]) ||
        !ReadRowNumber(ui_, r.power, RowBoxName(k, RowBox::Power), next.FiringAngle[k]))
      return false;
  }
  // Nothing outside its limits is calculated: each row, then the order as a whole.
  for (int k = 1; k <= next.NumCylinders; ++k) {
    for (auto [box, v] : {std::pair{RowBox::Order, next.FiringOrder[k]}, {RowBox::Phase, next.PhaseAngle[k]},
                          {RowBox::Power, next.FiringAngle[k]}})
      if (!WithinLimits(ui_, CheckInputValue(next, RowField(box), v, k))) return false;
  }
  if (!WithinLimits(ui_, CheckFiringOrder(next)) ||
      !WithinLimits(ui_, CheckInputValue(next, "CylinderSpacing", next.CylinderSpacing)) ||
      (state_.veeVisible && d_.Arrangement != 3 && !WithinLimits(ui_, CheckInputValue(next, "VeeAngle", vee))))
    return false;
  d_ = std::move(next);
  return true;
}

bool EngineDataLogic::Calculate() {
  BusyPointer busy(ui_);
  double count = 0;
  if (!ReadNumber(ui_, boxes_.cylinders, "number of cylinders", count)) return false;
  if (count < 2) {
    ui_.Message(kMulticylinderText, Buttons::Ok, Icon::None);
    return false;
  }
  if (count > kMaxCylinders) {
    CylinderCountCheck();
    return false;
  }
  bool complete = true;
  if (!ReadEngineData(complete)) return false;
  if (!complete) {
    ui_.Message(kFillInText, Buttons::Ok, Icon::Warning);
    return false;
  }
  EngineChanged();
  // The derivation step assigns the banks; without a vee angle it says so and
  // the calculation stops there.
  MessageList told;
  const bool ok = Engine_Data(d_, told) && !(d_.Arrangement > 1 && !d_.VeeAngleDefined) &&
                  (d_.BalanceScreenHoldsResult ? RecalculateKeepingCounterweight(d_, told) : RecalculateAll(d_, told));
  Show(ui_, told);
  if (!ok) return false;
  d_.LoadedFromFile = false;
  PutEngineData();
  state_.drawEngine = true;
  state_.animateEnabled = state_.balanceEnabled = state_.doneEnabled = true;
  return true;
}

void EngineDataLogic::Balance() {
  if (!d_.EngineResultsValid) return;  // the notices speak of a calculated engine only
  for (BalanceKind kind : {BalanceKind::Force, BalanceKind::Moment, BalanceKind::Torque})
    dialogs_.FixedWidthMessage(BalanceNoticeText(d_, kind));
}

void EngineDataLogic::Copy() { ui_.Message(kCopyScreenText, Buttons::Ok, Icon::Information); }
void EngineDataLogic::Suggestions() { dialogs_.FixedWidthMessage(SuggestionsNoticeText()); }
void EngineDataLogic::Guidelines() { dialogs_.FixedWidthMessage(GuidelinesNoticeText(d_.StrokeCycle)); }
void EngineDataLogic::PhaseAngles() { dialogs_.FixedWidthMessage(PhaseAngleAdviceText(d_)); }
void EngineDataLogic::Moments() { dialogs_.FixedWidthMessage(SpacingNoticeText()); }

bool EngineDataLogic::Zoom(double factor) {
  d_.DrawingScale = factor == 0 ? 1.0f : static_cast<float>(d_.DrawingScale * factor);
  return Calculate();
}

void EngineDataLogic::Next() {
  Guarded(ui_, "frm_EngineData.Next", [&] {
    v_.DesignNumber = Add16(v_.DesignNumber, 1);
    v_.DesignSaved = false;
    v_.SaveDate = TodayText();
    v_.SaveTime = NowText();
  });
  state_.screenOpen = state_.exampleShown = false;
}

void EngineDataLogic::Back() { state_.screenOpen = state_.exampleShown = false; }

}  // namespace zorvan
