#include "shell/home_state.h"

#include "core/units.h"

namespace zorvan {

namespace {
std::string SystemName(int16_t system) {
  static const char* const kNames[] = {"in-lb-s", "ft-lb-s", "m-kg-N-s", "cm-kg-N-s", "mm-kg-N-s"};
  return system >= 1 && system <= 5 ? kNames[system - 1] : "";
}
}  // namespace

HomeState ComputeHomeState(const EngineDesignRecord& d, const ProgramValues& v,
                           const std::function<bool(ScreenId)>& available) {
  HomeState s;
  const bool single = d.SingleResultsValid;
  const bool engine = d.EngineResultsValid;

  // A model read from disk may be reset even before it has been calculated.
  s.fileNew = single || d.FromDiskFile;
  s.fileSave = s.fileSaveAs = s.fileExport = single;
  s.chart[0] = s.chart[1] = single;
  for (int i = 2; i <= 6; ++i) s.chart[i] = engine;
  s.chart[6] = s.chart[6] && available(ScreenId::PowerChart);

  s.cmdInput = available(ScreenId::Input);
  // During start-up the commands keep their initial (disabled) state.
  const bool results = !v.StartingUp && single;
  s.cmdPlot = results && available(ScreenId::Plot);
  s.cmdPrint = results && available(ScreenId::Print);
  s.cmdBalance = results && available(ScreenId::Balance);
  s.cmdFlywheel = results && available(ScreenId::Flywheel);
  s.cmdAssemble = (results || (!v.StartingUp && d.BalanceResultsValid)) && available(ScreenId::Assemble);
  s.focusToInput = !v.StartingUp && !single;

  s.unitSystem = d.UnitSystem;
  s.unitName = SystemName(d.UnitSystem);
  if (single) {
    s.indicator = {true, d.BalanceResultsValid, engine, d.FlywheelResultsValid, v.DesignSaved};
    s.source = d.FromDiskFile ? "DiskFile" : "Calculated";
  }
  return s;
}

}  // namespace zorvan
