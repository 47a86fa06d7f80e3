#include "plots/print_table.h"

#include <algorithm>
#include <limits>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/file_names.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/runtime_error.h"
#include "files/atomic_file.h"
#include "plots/design_header.h"

namespace zorvan {

namespace {

constexpr int kColumnsHeaded = 4;  // the heading lines always name four columns
constexpr const char* kCrLf = "\r\n";

void CheckSettings(const PrintSettings& p) {
  if (!IsPrintStep(p.step) || !IsPrintDecimals(p.decimals)) RaiseError(err::InvalidCall);
}

// The heading of column c (1-based) of the four, empty past the table's columns.
const PrintColumn* Headed(const PrintTable& t, int c) {
  return c <= static_cast<int>(t.columns.size()) ? &t.columns[c - 1] : nullptr;
}

template <class Part>
std::vector<std::string> Headings(const PrintTable& t, Part part) {
  std::vector<std::string> texts;
  for (int c = 1; c <= kColumnsHeaded; ++c) {
    const PrintColumn* column = Headed(t, c);
    texts.push_back(column ? part(*column) : std::string());
  }
  return texts;
}

std::vector<std::string> PageLine(const std::string& first, std::vector<std::string> rest) {
  rest.insert(rest.begin(), first);
  rest.insert(rest.begin(), std::string());  // the first zone of every line stays empty
  return rest;
}

void PageHeader(ZonePrinter& p, const PrintTable& t, const ProgramValues& v, const std::string& date,
                const std::string& time, int page) {
  p.Line({});
  p.Line({});
  p.Line({"", "File " + v.FileName, "", "Design #" + Str(static_cast<int>(v.DesignNumber)), "Page " + Str(page)});
  p.Line({"", v.UserName, date, time});
  p.Line({});
  p.Line({});
  p.Line({"", t.phaseLine});
  p.Line({"", t.firingOrderLine});
  p.Line({});
  p.Line(PageLine("Angle", Headings(t, [](const PrintColumn& c) { return c.function; })));
  p.Line(PageLine("Step", Headings(t, [](const PrintColumn& c) { return c.component; })));
  p.Line(PageLine("Deg", Headings(t, [](const PrintColumn& c) { return c.printUnit; })));
  p.Line({});
}

}  // namespace

bool IsPrintStep(int step) { return std::find(kPrintSteps.begin(), kPrintSteps.end(), step) != kPrintSteps.end(); }
bool IsPrintDecimals(int decimals) { return decimals >= 0 && decimals <= kMaxPrintDecimals; }

PrintTable BuildPrintTable(const EngineDesignRecord& d, const PlotSelection& s, const PrintSettings& settings) {
  CheckSettings(settings);
  const int n = s.FunctionCount;
  if (n < 1 || n > 4 || d.LastStep < 0 || d.LastStep > kLastRow) RaiseError(err::SubscriptOutOfRange);
  PrintTable t;
  t.phaseLine = PhaseLine(d);
  t.firingOrderLine = FiringOrderLine(d);
  t.firingAngleLine = FiringAngleLine(d);
  for (int c = 1; c <= n; ++c) {
    const ResultEntry& e = PlotFunction(s.SlotFunction[c]);
    PrintColumn column{e.shortName, ShownName(d, e), s.SlotComponentText[c], ResultUnit(d, e), ResultUnit(d, e)};
    if (column.component == "Ang") column.printUnit = "deg";
    t.columns.push_back(std::move(column));
  }
  const int16_t places = settings.decimals;
  std::vector<float> low(n, std::numeric_limits<float>::infinity()), high(n, -std::numeric_limits<float>::infinity());
  for (int k = 0; k <= d.LastStep; k += settings.step) {
    std::vector<std::string> row{FNRoundStr(d.table.CrankAngle[k], places)};
    for (int c = 1; c <= n; ++c) {
      const float value = Select_Variable(d, s, k, c);
      low[c - 1] = std::min(low[c - 1], value);
      high[c - 1] = std::max(high[c - 1], value);
      row.push_back(FNRoundStr(value, places));
    }
    t.rows.push_back(std::move(row));
  }
  for (int c = 0; c < n; ++c) {
    t.minimum.push_back(FNRoundStr(low[c], places));
    t.maximum.push_back(FNRoundStr(high[c], places));
  }
  return t;
}

std::string DataFileText(const PrintTable& t, const ProgramValues& v, const std::string& date,
                         const std::string& time) {
  const char T = '\t';
  std::string s;
  s += "File " + std::string(1, T) + v.FileName + T + T + "Design #" + T + Str(static_cast<int>(v.DesignNumber)) +
       " " + kCrLf;
  s += v.UserName + T + T + date + T + T + time + kCrLf;
  s += kCrLf;
  s += "   " + t.phaseLine + kCrLf;
  s += "   " + t.firingOrderLine + kCrLf;
  s += kCrLf;
  auto heading = [&](const char* caption, const std::vector<std::string>& parts) {
    s += caption;
    s += T;
    for (const std::string& part : parts) s += part + T;
    s += kCrLf;
  };
  heading("Angle", Headings(t, [](const PrintColumn& c) { return c.function; }));
  heading("Step", Headings(t, [](const PrintColumn& c) { return c.component; }));
  heading("Deg", Headings(t, [](const PrintColumn& c) { return c.unit; }));
  s += kCrLf;
  for (const auto& row : t.rows) {
    s += row[0] + T;
    for (std::size_t c = 1; c < row.size(); ++c) s += row[c] + T;
    s += kCrLf;
  }
  return s;
}

bool PrintTableOn(ZonePrinter& p, const PrintTable& t, const ProgramValues& v, const std::string& date,
                  const std::string& time) {
  if (!p.Begin(v.FileName)) return false;
  int page = 1;
  PageHeader(p, t, v, date, time, page);
  int lines = 14;
  for (std::size_t r = 0; r < t.rows.size(); ++r) {
    std::vector<std::string> zones{""};
    zones.insert(zones.end(), t.rows[r].begin(), t.rows[r].end());
    p.Line(zones);
    // A full page ends; the next begins with the header, if rows are left for it.
    if (++lines == 60 && r + 1 < t.rows.size()) {
      p.Line({});
      p.Line({});
      p.NewPage();
      PageHeader(p, t, v, date, time, ++page);
      lines = 14;
    }
  }
  p.EndDoc();
  return true;
}

bool SaveDataFile(const PrintTable& table, ProgramValues& v, Ui& ui, Dialogs& dialogs) {
  bool written = false;
  Guarded(ui, "frm_PrintSelect.SaveData", [&] {
    FileDialogRequest request{"Save the Data", "(*.dat)|*.dat", v.FileName + ".dat", DialogFolder(v.FilePath), true};
    const std::string path = WithExtension(ChosenOrCancel(dialogs.SaveFileName(request)), ".dat");
    Guarded(ui, "Print_to_File", [&] {
      ProgramValues named = v;
      named.FilePath = path;
      named.FileName = StripFilename(path);
      BusyPointer busy(ui);
      const std::string text = DataFileText(table, named, TodayText(), NowText());
      try {
        ReplaceFileAtomically(path, text);
      } catch (const RunTimeError& e) {
        // Told where and why; the design keeps its name.
        Tell(ui, NotWrittenMessage("data file", path, e));
        return;
      }
      v.FilePath = named.FilePath;
      v.FileName = named.FileName;
      // The design now goes by the data file's name: Save must ask for a model file, not write over this one.
      v.DesignSaved = false;
      written = true;
    });
  });
  return written;
}

bool PrintDataTable(const PrintTable& table, const ProgramValues& v, Ui& ui, ZonePrinter& printer) {
  bool printed = false;
  Guarded(ui, "frm_PrintSelect.PrintForm", [&] {
    if (!Guarded(ui, "Print_to_Printer", [&] { printed = PrintTableOn(printer, table, v, TodayText(), NowText()); }))
      printed = false;
  });
  return printed;
}

}  // namespace zorvan
