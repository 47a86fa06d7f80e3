#include "plots/polar_select_logic.h"

namespace zorvan {

void PolarSelectLogic::Activate() {
  b_.var.items = PolarVariableList(d_);
  b_.var.index = -1;
  b_.functionLabel.clear();
  b_.doneEnabled = false;
  b_.focusList = true;
  s_.CoordinateSystem = 0;
  s_.WindowCount = 1;
  ResetCoordinates();
}

void PolarSelectLogic::Picked() {
  b_.functionLabel.clear();
  b_.doneEnabled = false;
  const std::string text = b_.var.Text();
  if (!Set_Variable(s_, text, 1)) return;
  b_.coordFrameEnabled = b_.localEnabled = s_.CoordinateChoiceAllowed;
  if (!s_.CoordinateChoiceAllowed) b_.coord = 0;
  b_.functionLabel = text;
  b_.doneEnabled = true;
}

bool PolarSelectLogic::DoubleClicked() {
  Picked();
  return b_.doneEnabled;
}

void PolarSelectLogic::Clear() {
  b_.var.index = -1;
  b_.doneEnabled = false;
}

void PolarSelectLogic::Next() {
  s_.CoordinateSystem = static_cast<int16_t>(b_.coord == 1 ? 1 : 0);
  s_.FunctionCount = 1;
  s_.WindowCount = 1;
  s_.PlotType = 4;
  ResetCoordinates();
}

void PolarSelectLogic::Back() { ResetCoordinates(); }

void PolarSelectLogic::Return() {
  b_.coord = s_.CoordinateSystem == 1 ? 1 : 0;
  b_.coordFrameEnabled = b_.localEnabled = s_.CoordinateChoiceAllowed || b_.coord == 1;
  b_.doneEnabled = !b_.functionLabel.empty();
}

void PolarSelectLogic::ResetCoordinates() {
  b_.coord = 0;
  b_.coordFrameEnabled = b_.localEnabled = false;
}

}  // namespace zorvan
