// Every screen of the program, in the order `--snapshot` pictures them. A new
// screen is its own file and one line here.
#include "ui/application.h"
#include "ui/frm_about.h"
#include "ui/frm_design_study.h"
#include "ui/frm_balance.h"
#include "ui/frm_compare.h"
#include "ui/frm_disclaimer.h"
#include "ui/frm_engine_data.h"
#include "ui/frm_flywheel.h"
#include "ui/frm_help.h"
#include "ui/frm_home_screen.h"
#include "ui/frm_input_data.h"
#include "ui/frm_orders.h"
#include "ui/frm_my_plot4.h"
#include "ui/frm_phasors.h"
#include "ui/frm_plot.h"
#include "ui/frm_plot_select.h"
#include "ui/frm_plot_select4.h"
#include "ui/frm_power.h"
#include "ui/frm_pv_diagram.h"
#include "ui/frm_plot_type.h"
#include "ui/frm_print_data.h"
#include "ui/frm_print_select.h"
#include "ui/frm_quit.h"
#include "ui/frm_shafts.h"
#include "ui/frm_title.h"
#include "ui/frm_torsional.h"
#include "ui/frm_user.h"

namespace zorvan::ui {

void RegisterScreens(Application& app) {
  RegisterHomeScreen(app);
  RegisterTitle(app);
  RegisterDisclaimer(app);
  RegisterQuit(app);
  RegisterUser(app);
  RegisterAbout(app);
  RegisterHelp(app);
  RegisterInputData(app);
  RegisterEngineData(app);
  RegisterPlotType(app);
  RegisterPlotSelect(app);
  RegisterPlots(app);
  RegisterOrders(app);
  RegisterDesignStudy(app);
  RegisterPrintSelect(app);
  RegisterPrintData(app);
  RegisterFlywheel(app);
  RegisterBalance(app);
  RegisterPlotSelect4(app);
  RegisterMyPlot4(app);
  RegisterPower(app);
  RegisterPhasors(app);
  RegisterTorsional(app);
  RegisterPvDiagram(app);
  RegisterShafts(app);
  RegisterCompare(app);
}

}  // namespace zorvan::ui
