// zorvan-cli torsional: the crankshaft's torsional vibration.
#include "app/cli/torsional.h"

#include <algorithm>
#include <memory>

#include "app/cli/design_args.h"
#include "app/cli/picture_args.h"
#include "app/cli/text_commands.h"
#include "core/error_report.h"
#include "core/number_text.h"
#include "core/torsional.h"
#include "files/atomic_file.h"
#include "files/shaft_file.h"
#include "plots/plot_painter.h"
#include "plots/torsional_plots.h"
#include "render/picture_files.h"

namespace zorvan::cli {

namespace {

enum class View { Report, Modes, Campbell, Response };

struct TorsionalRequest {
  View view = View::Report;
  bool csv = false;
  std::string stations, out;
  double modalRatio = kDefaultModalRatio;
  int width = 1280, height = 1024;
};

bool CsvFile(const std::string& out) { return out.size() >= 4 && out.compare(out.size() - 4, 4, ".csv") == 0; }

int Refuse(std::ostream& err, const std::string& text) {
  err << "zorvan-cli: " << text << "\n";
  return 2;
}

// The flags (no value) taken out before the design arguments are read.
int TakeFlags(const std::vector<std::string>& args, std::vector<std::string>& rest, TorsionalRequest& r,
              std::ostream& err) {
  static const std::vector<std::string> kValued = {"--stations", "--zeta", "-o", "--size", "--preset", "--set"};
  int views = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool isValue = i > 1 && std::find(kValued.begin(), kValued.end(), args[i - 1]) != kValued.end();
    const std::string& a = args[i];
    if (i == 0 || isValue) {
      rest.push_back(a);
    } else if (a == "--csv") {
      r.csv = true;
    } else if (a == "--modes" || a == "--campbell" || a == "--response") {
      r.view = a == "--modes" ? View::Modes : a == "--campbell" ? View::Campbell : View::Response;
      ++views;
    } else {
      rest.push_back(a);
    }
  }
  return views > 1 ? Refuse(err, "torsional shows one of --modes, --campbell and --response at a time") : 0;
}

int ReadOptions(const DesignArgs& parsed, TorsionalRequest& r, std::ostream& err) {
  for (const auto& [name, value] : parsed.options) {
    if (name == "--stations") {
      r.stations = value;
    } else if (name == "-o") {
      r.out = value;
    } else if (name == "--zeta") {
      double z = 0;
      if (!ParseDecimal(value, z) || !(z >= 0 && z < 1))
        return Refuse(err, "--zeta must be a modal damping ratio of at least 0 and below 1, not '" + value + "'");
      r.modalRatio = z;
    } else if (name == "--size" && !ParsePictureSize(value, r.width, r.height, err)) {
      return 2;
    }
  }
  if (PictureFile(r.out)) {
    if (r.view == View::Report) return Refuse(err, "a picture needs --modes, --campbell or --response");
    if (r.csv) return Refuse(err, "--csv does not go with a picture");
  } else if (CsvFile(r.out)) {
    r.csv = true;
  }
  return 0;
}

std::string Output(const EngineDesignRecord& d, const TorsionalResult& t, const TorsionalRequest& r) {
  switch (r.view) {
    case View::Modes: return r.csv ? ModesCsv(t) : TorsionalText(d, t, TorsionalPart::Modes);
    case View::Campbell: return r.csv ? CampbellCsv(t) : TorsionalText(d, t, TorsionalPart::Campbell);
    case View::Response: return r.csv ? ResponseCsv(d, t) : TorsionalText(d, t, TorsionalPart::Response);
    default: return r.csv ? ShaftCsvText(t.stations) : TorsionalText(d, t, TorsionalPart::All);
  }
}

PlotModel Picture(const EngineDesignRecord& d, const TorsionalResult& t, View view) {
  if (view == View::Modes) return ModeShapePlot(t);
  if (view == View::Campbell) return CampbellPlot(t);
  const std::vector<ResponseChoice> choices = ResponseChoices(t);
  return ResponsePlot(d, t, choices[PeakResponseChoice(t)]);
}

}  // namespace

int Torsional(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TorsionalRequest r;
  std::vector<std::string> rest;
  if (int code = TakeFlags(args, rest, r, err)) return code;
  DesignArgs parsed;
  if (int code = ParseDesignArgs(rest, 1, parsed, err, {"--stations", "--zeta", "-o", "--size"})) return code;
  if (int code = ReadOptions(parsed, r, err)) return code;
  // A stations file is judged before anything is calculated or written.
  ShaftTable stations;
  if (!r.stations.empty()) {
    if (const std::string fault = ReadShaftFile(r.stations, stations); !fault.empty()) return Refuse(err, fault);
  }
  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err, false)) return code;
  TorsionalResult t;
  bool ok = c->ok;
  if (ok && r.stations.empty()) {
    ok = TorsionalCalculation(c->d, r.modalRatio, c->messages, t);
  } else if (ok) {
    ok = Guarded(c->messages, "Torsional", [&] { t = TorsionalAnalysis(c->d, stations, true, r.modalRatio); });
  }
  WriteMessages(c->messages, err);
  if (!ok) return 1;
  for (const std::string& note : t.notes) err << note << "\n";
  if (r.view == View::Response && t.response.empty()) {
    err << "zorvan-cli: the forced response could not be formed (see above)\n";
    return 1;
  }
  MessageList told;
  if (PictureFile(r.out)) {
    const auto model = std::make_shared<PlotModel>(Picture(c->d, t, r.view));
    EnsurePictureSupport();
    ok = Guarded(told, "Torsional", [&] {
      SavePictureFile([model](Canvas& canvas) { PaintPlot(canvas, *model); }, r.out, r.width, r.height);
    });
  } else if (!r.out.empty()) {
    ok = Guarded(told, "Torsional", [&] { ReplaceFileAtomically(r.out, Output(c->d, t, r)); });
  } else {
    out << Output(c->d, t, r);
  }
  WriteMessages(told, err);
  return ok ? 0 : 1;
}

}  // namespace zorvan::cli
