#pragma once
// What the home screen shows: which commands and menus are enabled, the Units
// check mark and the status panel. Computed from the design and the program
// values each time the home screen is activated or refreshed.
#include <array>
#include <functional>
#include <string>

#include "core/design_record.h"
#include "platform/screens.h"
#include "core/program_values.h"

namespace zorvan {

// The entries of the Charts menu (mnu_Chart_0 ..), in menu order.
enum Chart : int {
  kChartSummary, kChartMass, kChartFiring, kChartForce, kChartMoment, kChartTorque, kChartPower, kChartRodLoad,
  kChartOrders, kChartStudy,
  kChartPhasors, kChartTorsional, kChartPv,
  kChartCount
};
// The indicators of the status panel (lbl_Status_0 ..).
enum Indicator : int {
  kIndicatorSingle, kIndicatorBalance, kIndicatorEngine, kIndicatorFlywheel, kIndicatorSaved,
  kIndicatorCount
};

struct HomeState {
  // File menu.
  bool fileNew = false, fileSave = false, fileSaveAs = false, fileExport = false;
  std::array<bool, kChartCount> chart{};
  // Command buttons.
  bool cmdInput = false, cmdPlot = false, cmdBalance = false, cmdAssemble = false;
  bool cmdPrint = false, cmdFlywheel = false;
  bool focusToInput = false;  // the results are gone: the focus goes to Input
  // Units menu check mark (1..5) and the status panel.
  int unitSystem = 1;
  std::string unitName;
  std::array<bool, kIndicatorCount> indicator{};
  std::string source;               // "DiskFile" or "Calculated"
};

// The home screen's state; a command whose screen does not exist yet stays disabled.
HomeState ComputeHomeState(const EngineDesignRecord& d, const ProgramValues& v,
                           const std::function<bool(ScreenId)>& available);

}  // namespace zorvan
