#include "screen_logic/flywheel_data.h"

#include "core/design_figures.h"
#include "core/entry_number.h"
#include "core/number_text.h"
#include "core/numeric.h"

namespace zorvan {

const char* const kCoefFluctMessage = " Coefficient of fluctuation must be between zero and one - Try .05 ";

bool AcceptCoefFluct(EngineDesignRecord& d, Ui& ui, const std::string& text) {
  double value = 0;
  if (ReadEntryNumber(text, value) == EntryRead::Number && value > 0 && value <= 1) {
    d.CoefFluct = static_cast<float>(value);
    return true;
  }
  ui.Message(kCoefFluctMessage, Buttons::Ok, Icon::Warning);
  d.CoefFluct = kCoefFluctRetry;
  return false;
}

std::vector<std::string> FlywheelSizeLines(const EngineDesignRecord& d, const FlywheelResult& r) {
  auto number = [](double v) { return GeneralNumberText(static_cast<float>(v)); };
  return {"Energy swing dE = " + number(r.energySwing) + " " + FigureUnitLabel(d, FigureUnit::Energy),
          "Flywheel inertia I = dE / (Cs w^2) = " + number(r.flywheelInertia) + " " +
              FigureUnitLabel(d, FigureUnit::Inertia)};
}

std::vector<std::string> TorqueExtremeTexts(const EngineDesignRecord& d) {
  return {FNRoundStr(d.TorqueMinNoFlywheel, 0), FNRoundStr(d.TorqueMinFlywheel, 0),
          FNRoundStr(d.TorqueMaxNoFlywheel, 0), FNRoundStr(d.TorqueMaxFlywheel, 0)};
}

}  // namespace zorvan
