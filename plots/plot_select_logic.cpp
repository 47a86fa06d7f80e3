#include "plots/plot_select_logic.h"

#include "core/error_report.h"
#include "core/runtime_error.h"

namespace zorvan {

std::string PlotListBox::Text() const {
  return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : std::string();
}

void PlotListBox::Choose(const std::string& text) {
  index = -1;
  for (std::size_t k = 0; k < items.size(); ++k) {
    if (items[k] != text) continue;
    index = static_cast<int>(k);
    return;
  }
}

int PlotSelectSlots(int screen) { return screen == 2 ? 2 : 4; }
int PlotSelectWindows(int screen) { return screen == 3 ? 4 : screen; }

PlotSelectLogic::PlotSelectLogic(const EngineDesignRecord& d, PlotSelection& s, Ui& ui, PlotSelectBoxes& boxes,
                                 int screen)
    : d_(d), s_(s), ui_(ui), b_(boxes), screen_(screen), n_(PlotSelectSlots(screen)) {
  if (screen < 1 || screen > 3) RaiseError(err::SubscriptOutOfRange);
}

void PlotSelectLogic::Load() {
  b_.doneEnabled = false;
  if (screen_ != 1) return;
  for (int k = 1; k <= n_; ++k) {
    PlotSlotBoxes& slot = b_.slot[k];
    slot.com.enabled = false;
    if (k == 1) continue;
    slot.frameEnabled = slot.var.enabled = slot.okEnabled = slot.clearEnabled = false;
  }
}

void PlotSelectLogic::Activate() {
  // Every calculation leaves results behind, so a screen reached from home has some.
  if (d_.SingleResultsValid || d_.EngineResultsValid) s_.ResultsExist = true;
  if (s_.ResultsExist) {
    Guarded(ui_, "Load_Presets", [&] {
      const std::vector<std::string> names = VariableList(d_);
      for (int k = 1; k <= n_; ++k) {
        b_.slot[k].var = {names, -1, b_.slot[k].var.enabled};
        b_.slot[k].com = {{kComponentTexts, kComponentTexts + 4}, -1, b_.slot[k].com.enabled};
      }
      b_.preset.items = Load_Presets(d_, n_);
      b_.preset.index = -1;
    });
  }
  s_.CoordinateSystem = 0;
  s_.WindowCount = static_cast<int16_t>(PlotSelectWindows(screen_));
  b_.coord = 0;
  Toggle_Coordinate(false);
  SetupMethod(b_.presetMethod);
  if (!b_.presetMethod) {
    for (int k = 2; k <= n_; ++k) {
      b_.slot[k].var.index = b_.slot[k].com.index = -1;
      b_.slot[k].okEnabled = false;
    }
  }
  ClearLabels();
  lastFilled_ = 0;
}

void PlotSelectLogic::SetupMethod(bool presets) {
  b_.presetMethod = presets;
  b_.doneEnabled = false;
  if (presets) {
    b_.presetFrameEnabled = b_.preset.enabled = true;
    EnableSlots(false);
    ClearLists();
    b_.focus = PlotSelectFocus::Preset;
    return;
  }
  b_.presetFrameEnabled = b_.preset.enabled = false;
  b_.preset.index = -1;
  EnableSlots(true);
  for (int k = 1; k <= n_; ++k) b_.slot[k].okEnabled = false;
  b_.coord = 0;
  Toggle_Coordinate(false);
  b_.focus = PlotSelectFocus::Var;
  b_.focusSlot = 1;
  b_.slot[1].okEnabled = b_.slot[1].var.index >= 0 && b_.slot[1].com.index >= 0;
}

void PlotSelectLogic::Variable_Picked(int slot) {
  Guarded(ui_, "Variable_Picked", [&] {
    if (slot < 1 || slot > n_) RaiseError(err::SubscriptOutOfRange);
    PlotSlotBoxes& box = b_.slot[slot];
    b_.functionLabel[slot - 1].clear();
    b_.componentLabel[slot - 1].clear();
    b_.doneEnabled = false;
    Set_Variable(s_, box.var.Text(), slot);
    Toggle_Coordinate(s_.CoordinateChoiceAllowed);
    b_.focusSlot = slot;
    if (s_.ScalarPicked) {
      // A scalar has only its value: the component is "Mag", and fixed.
      box.com.enabled = false;
      box.com.index = kCompMag;
      Component_Picked(slot);
      s_.SlotComponentText[slot] = "Magnitude";
      b_.focus = PlotSelectFocus::Ok;
    } else {
      box.com.enabled = true;
      box.okEnabled = false;
      b_.focus = PlotSelectFocus::Com;
    }
  });
}

void PlotSelectLogic::Component_Picked(int slot) {
  Guarded(ui_, "Component_Picked", [&] {
    if (slot < 1 || slot > n_) RaiseError(err::SubscriptOutOfRange);
    PlotSlotBoxes& box = b_.slot[slot];
    // Accepting needs a function as well as a component.
    box.okEnabled = box.var.index >= 0;
    b_.componentLabel[slot - 1].clear();
    Set_Component(s_, box.com.Text(), slot);
    if (!b_.presetMethod) {
      b_.focus = PlotSelectFocus::Ok;
      b_.focusSlot = slot;
    }
  });
}

void PlotSelectLogic::Select_OK(int slot) {
  Guarded(ui_, "Select_OK", [&] {
    if (slot < 1 || slot > n_) RaiseError(err::SubscriptOutOfRange);
    Variable_Picked(slot);
    Component_Picked(slot);
    // Component_Picked stored the list's "Mag"; a scalar's slot says "Magnitude".
    if (s_.ScalarPicked) s_.SlotComponentText[slot] = "Magnitude";
    const PlotSlotBoxes& box = b_.slot[slot];
    b_.functionLabel[slot - 1] = box.var.Text();
    b_.componentLabel[slot - 1] = box.com.Text();
    if (slot < n_) b_.slot[slot + 1].var.enabled = true;
    b_.doneEnabled = true;
  });
}

void PlotSelectLogic::AcceptSlot(int slot) {
  if (slot < 1 || slot > n_) return;
  Select_OK(slot);
  if (slot < n_) {
    PlotSlotBoxes& next = b_.slot[slot + 1];
    next.frameEnabled = next.var.enabled = true;
    next.okEnabled = next.var.index >= 0 && next.com.index >= 0;
    b_.focus = PlotSelectFocus::Var;
    b_.focusSlot = slot + 1;
  }
  Toggle_Coordinate(s_.CoordinateChoiceAllowed);
  Validate();
}

void PlotSelectLogic::ClearSlot(int slot) {
  if (slot < 1 || slot > n_) return;
  PlotSlotBoxes& box = b_.slot[slot];
  box.var.index = box.com.index = -1;
  box.okEnabled = false;
  // The slot leaves the selection too, so a gap can be closed again.
  b_.functionLabel[slot - 1].clear();
  b_.componentLabel[slot - 1].clear();
  b_.doneEnabled = true;
  Validate();
}

bool PlotSelectLogic::VariableDoubleClicked(int slot) {
  if (slot < 1 || slot > n_) return false;
  Variable_Picked(slot);
  switch (screen_) {
    case 1: return lastFilled_ == 4;
    case 2:
      if (!b_.slot[slot].okEnabled) return false;
      AcceptSlot(slot);
      return FilledLabels() == 2;
    default: return false;
  }
}

int PlotSelectLogic::FilledLabels() const {
  int filled = 0;
  for (int i = 0; i < n_; ++i) filled += !b_.functionLabel[i].empty();
  return filled;
}

void PlotSelectLogic::Validate() {
  lastFilled_ = FilledLabels();
  if (screen_ != 1) {
    s_.FunctionCount = static_cast<int16_t>(n_);
    b_.doneEnabled = lastFilled_ == n_;
    if (b_.doneEnabled) b_.focus = PlotSelectFocus::Done;
    return;
  }
  int last = 0;
  for (int i = 0; i < 4; ++i)
    if (!b_.functionLabel[i].empty()) last = i + 1;
  s_.FunctionCount = static_cast<int16_t>(last);
  if (last == 0) {
    b_.doneEnabled = false;
  } else if (lastFilled_ != last) {
    ui_.Message(kPlotGapWarning, Buttons::Ok, Icon::Warning);
    b_.doneEnabled = false;
  }
}

void PlotSelectLogic::PresetPicked() {
  ClearLabels();
  const std::string text = b_.preset.Text();
  for (const PlotPreset& p : PlotPresets(n_)) {
    if (text != p.text) continue;
    for (int k = 1; k <= n_; ++k) {
      b_.slot[k].var.Choose(PlotFunction(p.functions[k - 1]).shortName);
      b_.slot[k].com.Choose(kComponentTexts[p.components[k - 1] & 3]);
    }
    for (int k = 1; k <= n_; ++k) Select_OK(k);
    s_.FunctionCount = static_cast<int16_t>(n_);
    break;
  }
  EnableSlots(false);
  b_.doneEnabled = !text.empty();
  if (b_.doneEnabled) b_.focus = PlotSelectFocus::Done;
}

bool PlotSelectLogic::PresetDoubleClicked() {
  PresetPicked();
  return b_.doneEnabled;
}

void PlotSelectLogic::ClearPreset() {
  ClearLabels();
  ClearLists();
  b_.preset.index = -1;
  EnableSlots(false);
  b_.doneEnabled = false;
}

ScreenId PlotSelectLogic::Next() {
  s_.CoordinateSystem = static_cast<int16_t>(b_.coord == 1 ? 1 : 0);
  s_.WindowCount = static_cast<int16_t>(PlotSelectWindows(screen_));
  s_.PlotType = static_cast<int16_t>(screen_);
  ScreenId next = ScreenId::Plot1;
  if (screen_ != 1) {
    s_.PlotStyle = b_.style == 0 ? 1 : 2;
    const bool aligned = s_.PlotStyle == 1;
    next = screen_ == 2 ? (aligned ? ScreenId::MyPlot2 : ScreenId::Plot2)
                        : (aligned ? ScreenId::MyPlot3 : ScreenId::Plot3);
  }
  b_.coord = 0;
  Toggle_Coordinate(false);
  return next;
}

void PlotSelectLogic::Back() {
  b_.coord = 0;
  Toggle_Coordinate(false);
}

void PlotSelectLogic::Return() {
  b_.coord = s_.CoordinateSystem == 1 ? 1 : 0;
  Toggle_Coordinate(s_.CoordinateChoiceAllowed || b_.coord == 1);
  b_.doneEnabled = true;
  b_.focus = PlotSelectFocus::Done;
}

void PlotSelectLogic::Toggle_Coordinate(bool enabled) { b_.coordFrameEnabled = b_.localEnabled = enabled; }

void PlotSelectLogic::EnableSlots(bool enabled) {
  for (int k = 1; k <= n_; ++k) {
    PlotSlotBoxes& slot = b_.slot[k];
    slot.frameEnabled = slot.var.enabled = slot.com.enabled = slot.okEnabled = slot.clearEnabled = enabled;
  }
}

void PlotSelectLogic::ClearLabels() {
  for (auto& l : b_.functionLabel) l.clear();
  for (auto& l : b_.componentLabel) l.clear();
}

void PlotSelectLogic::ClearLists() {
  for (int k = 1; k <= n_; ++k) b_.slot[k].var.index = b_.slot[k].com.index = -1;
}

void PlotTypeLogic::OptionClicked(int option) {
  if (option < 0 || option > 3) return;
  b_.option = option;
  b_.nextEnabled = true;
}

bool PlotTypeLogic::OptionDoubleClicked(int option) {
  OptionClicked(option);
  return b_.nextEnabled;
}

ScreenId PlotTypeLogic::Next() {
  if (b_.option < 0 || b_.option > 3) RaiseError(err::SubscriptOutOfRange);
  s_.PlotType = static_cast<int16_t>(b_.option + 1);
  constexpr ScreenId kScreens[4] = {ScreenId::PlotSelect1, ScreenId::PlotSelect2, ScreenId::PlotSelect3,
                                    ScreenId::PlotSelect4};
  return kScreens[b_.option];
}

}  // namespace zorvan
