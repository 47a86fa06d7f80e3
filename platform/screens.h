#pragma once
// The screens of the program as the shell sees them. Every command that opens a
// screen goes through Screens::Show; a screen that is not Available leaves its
// command disabled.
#include <string>

namespace zorvan {

enum class ScreenId {
  Home, Title, Disclaimer, Quit, User, About, Help,
  Input, Assemble, Balance, Plot, Print, Flywheel, PowerChart,
  // The plot selection screens (Plot is the plot-type screen) and the plot screens.
  PlotSelect1, PlotSelect2, PlotSelect3, PlotSelect4, Plot1, Plot2, Plot3, MyPlot2, MyPlot3, MyPlot4,
  Orders, DesignStudy,
  // The table screen of the print selection (Print is the selection itself).
  PrintData,
  Phasors,
  Torsional,
  // The balance shafts of the engine screen and the comparison of two designs.
  Shafts, Compare,
  // The p-V diagram of the pressure in use.
  PvDiagram,
};
enum class Modality { Modal, Modeless };

// The topics of the Help menu and the user manual, in menu order.
enum class HelpTopic {
  GeneralInfo, Clipboard, MenuFile, MenuUnits, MenuExamples, MenuCharts,
  ButtonInput, ButtonPlot, ButtonPrint, ButtonBalance, ButtonAssemble, ButtonFlywheel, UserManual,
  InputData, EngineAssembly,  // the pages the screens open from their own Help menus
  Plotting,
  Orders, DesignStudy,
  Printing, FlywheelSizing, Balancing,
  PolarPlots, PowerChart, Phasors,
  Torsional, BalanceShafts, Compare, PvDiagram,
};
constexpr int kHelpTopicCount = 28;
constexpr int kMenuHelpTopicCount = 13;  // the topics of the home screen's Help menu

class Screens {
 public:
  virtual ~Screens() = default;
  virtual bool Available(ScreenId id) const = 0;
  virtual void Show(ScreenId id, Modality modality) = 0;
  virtual void ShowHelp(HelpTopic topic) = 0;
  // Lays every screen out at the standard size, or enlarged to the display.
  virtual void SetScreenSize(bool maximized) = 0;
  // Ends the program (the quit screen's Yes).
  virtual void EndProgram() = 0;
};

}  // namespace zorvan
