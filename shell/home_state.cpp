#include "shell/home_state.h"

#include "core/units.h"

namespace zorvan {

HomeState ComputeHomeState(const EngineDesignRecord& d, const ProgramValues& v,
                           const std::function<bool(ScreenId)>& available) {
  HomeState s;
  const bool single = d.SingleResultsValid;
  const bool engine = d.EngineResultsValid;

  // A model read from disk may be reset even before it has been calculated.
  s.fileNew = single || d.FromDiskFile;
  s.fileSave = s.fileSaveAs = s.fileExport = single;
  s.chart[kChartSummary] = s.chart[kChartMass] = single;
  for (int i = kChartFiring; i <= kChartPower; ++i) s.chart[i] = engine;
  s.chart[kChartPower] = engine && available(ScreenId::PowerChart);
  s.chart[kChartRodLoad] = single;
  s.chart[kChartOrders] = single && available(ScreenId::Orders);
  s.chart[kChartStudy] = single && available(ScreenId::DesignStudy);
  s.chart[kChartPhasors] = engine && available(ScreenId::Phasors);
  s.chart[kChartTorsional] = engine && available(ScreenId::Torsional);
  s.chart[kChartPv] = single && available(ScreenId::PvDiagram);

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
  s.unitName = d.UnitSystem >= 1 && d.UnitSystem <= 5 ? UnitSystemName(d.UnitSystem) : "";
  if (single) {
    s.indicator[kIndicatorSingle] = true;
    s.indicator[kIndicatorBalance] = d.BalanceResultsValid;
    s.indicator[kIndicatorEngine] = engine;
    s.indicator[kIndicatorFlywheel] = d.FlywheelResultsValid;
    s.indicator[kIndicatorSaved] = v.DesignSaved;
    s.source = d.FromDiskFile ? "DiskFile" : "Calculated";
  }
  return s;
}

}  // namespace zorvan
