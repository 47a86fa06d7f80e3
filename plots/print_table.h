#pragma once
// The printed and filed tables: up to four result columns of the plot
// selection over crank angle, every printed step a row, each number rounded
// to the chosen decimals. One table feeds the screen table, the printout (in
// print zones, 46 rows a page under the page header) and the data file.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/program_values.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/ui.h"
#include "plots/plot_selection.h"

namespace zorvan {

// The choices of the print step and of the decimals, as their lists offer them.
inline constexpr std::array<int16_t, 5> kPrintSteps{1, 2, 3, 5, 10};
constexpr int16_t kMaxPrintDecimals = 6;
bool IsPrintStep(int step);
bool IsPrintDecimals(int decimals);

enum class PrintTarget { Screen, Printer, DiskFile };  // opt_Whereto(0..2)

struct PrintSettings {
  PrintTarget target = PrintTarget::Screen;
  int16_t step = 1;      // PrintStep
  int16_t decimals = 2;  // PrintDecimals
};

struct PrintColumn {
  std::string function;   // the function's caption (short name), as the data file heads it
  std::string shownFunction;  // the same as the screen shows it (an engine's sum says so)
  std::string component;  // "X", "Y", "Mag", "Ang" or "Magnitude"
  std::string unit;       // the quantity's unit, as the data file heads it
  std::string printUnit;  // the same, "deg" under an angle (screen and printout)
};

struct PrintTable {
  std::vector<PrintColumn> columns;               // 1..FunctionCount
  std::vector<std::vector<std::string>> rows;     // the crank angle, then the columns' values
  std::vector<std::string> minimum, maximum;      // of each column over the printed rows
  std::string phaseLine, firingOrderLine, firingAngleLine;
};

// The table of the selection's FunctionCount columns for every `step`-th row
// of 0..LastStep; error 5 for a step or decimals not in the lists.
PrintTable BuildPrintTable(const EngineDesignRecord& d, const PlotSelection& s, const PrintSettings& settings);

// The data file, lines ended by CR LF: the file and design, the user with the
// date and time, the phase and firing-order lines, the three heading lines
// (four columns each) and one line per printed step.
std::string DataFileText(const PrintTable& table, const ProgramValues& v, const std::string& date,
                         const std::string& time);

// The printout through `printer`, whose dialog is shown first: the page
// header before every 46 rows. False when the dialog was cancelled.
bool PrintTableOn(ZonePrinter& printer, const PrintTable& table, const ProgramValues& v, const std::string& date,
                  const std::string& time);
constexpr int kPrintRowsPerPage = 46;

// "Print_to_File" with its "Save the Data" dialog: the file written (replaced
// only once complete), FilePath and FileName then name it (and the design
// counts as unsaved, so that Save asks for a model file). Cancel is silent;
// other failures are reported under "frm_PrintSelect.SaveData". True when written.
bool SaveDataFile(const PrintTable& table, ProgramValues& v, Ui& ui, Dialogs& dialogs);
// "Print_to_Printer": failures other than a cancelled dialog reported under
// "frm_PrintSelect.PrintForm". True when printed.
bool PrintDataTable(const PrintTable& table, const ProgramValues& v, Ui& ui, ZonePrinter& printer);

}  // namespace zorvan
