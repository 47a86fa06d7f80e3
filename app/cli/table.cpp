// zorvan-cli table and export: the desktop program's data file and printout
// of a column selection, and its export of every result column.
#include "app/cli/table.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "app/cli/design_args.h"
#include "app/cli/function_list.h"
#include "app/cli/text_commands.h"
#include "core/captions.h"
#include "core/error_report.h"
#include "core/file_names.h"
#include "files/atomic_file.h"
#include "plots/print_table.h"
#include "render/picture_files.h"
#include "render/zone_printer.h"
#include "shell/export_table.h"

namespace zorvan::cli {

namespace {

struct TableRequest {
  std::optional<std::string> format;
  FunctionList columns;
  PrintSettings settings;
  int16_t coord = 0;
  std::string out, printout;
};

// "F:C[,F:C...]", at most four; false after a message naming what is wrong.
bool ParseColumns(const std::string& list, TableRequest& r, std::ostream& err) {
  if (!ParseFunctionList(list, "result", r.columns, err)) return false;
  if (r.columns.size() > 4) {
    err << "zorvan-cli: a table has at most 4 columns; '" << list << "' asks for column " << r.columns.size()
        << "\n";
    return false;
  }
  return true;
}

// A whole number among the texts a list offers.
std::optional<int16_t> Listed(const std::string& text, int first, int last, bool (*allowed)(int)) {
  for (int k = first; k <= last; ++k)
    if (text == std::to_string(k) && allowed(k)) return static_cast<int16_t>(k);
  return std::nullopt;
}

int ParseRequest(const DesignArgs& parsed, TableRequest& r, std::ostream& err) {
  for (const auto& [name, value] : parsed.options) {
    if (name == "--format") {
      r.format = value;
    } else if (name == "--columns") {
      if (!ParseColumns(value, r, err)) return 2;
    } else if (name == "--step") {
      const auto step = Listed(value, 1, 10, IsPrintStep);
      if (!step) {
        err << "zorvan-cli: --step must be 1, 2, 3, 5 or 10, not '" << value << "'\n";
        return 2;
      }
      r.settings.step = *step;
    } else if (name == "--decimals") {
      const auto places = Listed(value, 0, kMaxPrintDecimals, IsPrintDecimals);
      if (!places) {
        err << "zorvan-cli: --decimals must be 0 to 6, not '" << value << "'\n";
        return 2;
      }
      r.settings.decimals = *places;
    } else if (name == "--coord") {
      if (!ParseCoordinates(value, r.coord, err)) return 2;
    } else if (name == "-o") {
      r.out = value;
    } else if (name == "--printout") {
      r.printout = value;
    }
  }
  if (r.format.has_value() == !r.columns.empty()) {
    err << "zorvan-cli: table needs either --format or --columns\n";
    return 2;
  }
  if (!r.out.empty() && !r.printout.empty()) {
    err << "zorvan-cli: table writes either -o FILE.dat or --printout FILE.pdf\n";
    return 2;
  }
  if (!r.printout.empty() && (r.printout.size() < 4 || r.printout.compare(r.printout.size() - 4, 4, ".pdf") != 0)) {
    err << "zorvan-cli: --printout needs FILE.pdf, not '" << r.printout << "'\n";
    return 2;
  }
  return 0;
}

}  // namespace

int Table(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 1, parsed, err,
                                 {"--format", "--columns", "--step", "--decimals", "--coord", "-o", "--printout"}))
    return code;
  TableRequest request;
  if (int code = ParseRequest(parsed, request, err)) return code;

  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err, AsksForFlywheel(request.format, request.columns))) return code;
  WriteMessages(c->messages, err);
  if (!c->ok) return 1;
  const EngineDesignRecord& d = c->d;
  ProgramValues& values = c->values;
  MessageList& messages = c->messages;

  PlotSelection selection;
  selection.CoordinateSystem = request.coord;
  if (int code = SelectFunctions(d, request.format, 4, request.columns, true, selection, err)) return code;
  // A data file renames the design after itself, as the desktop program's does.
  if (!request.out.empty()) values.FileName = StripFilename(request.out);
  bool written = Guarded(messages, "Multiprint", [&] {
    const PrintTable table = BuildPrintTable(d, selection, request.settings);
    if (!request.printout.empty()) {
      EnsurePictureSupport();
      PdfZonePrinter printer(request.printout);
      Guarded(messages, "Print_to_Printer", [&] { PrintTableOn(printer, table, values, TodayText(), NowText()); });
      return;
    }
    const std::string text = DataFileText(table, values, TodayText(), NowText());
    if (request.out.empty()) {
      out << text;
      return;
    }
    Guarded(messages, "Print_to_File", [&] { ReplaceFileAtomically(request.out, text); });
  });
  written = written && messages.Empty();
  WriteMessages(messages, err);
  return written ? 0 : 1;
}

int Export(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 1, parsed, err, {"-o"})) return code;
  return WriteDesignOutput(parsed, out, err, "frm_Homescreen.Export",
                           [](const EngineDesignRecord& d) { return ExportTableText(d); });
}

}  // namespace zorvan::cli
