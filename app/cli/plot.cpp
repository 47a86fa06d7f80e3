#include "app/cli/plot.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "app/cli/design_args.h"
#include "app/cli/function_list.h"
#include "app/cli/picture_args.h"
#include "screen_logic/notices.h"
#include "core/balance_shafts.h"
#include "core/error_report.h"
#include "files/atomic_file.h"
#include "plots/plot_model.h"
#include "plots/plot_painter.h"
#include "plots/phasors.h"
#include "plots/polar_plot.h"
#include "plots/power_chart.h"
#include "plots/pv_diagram.h"
#include "render/picture_files.h"

namespace zorvan::cli {

namespace {

// What is drawn besides the cartesian plots of types 1 to 3.
enum class Picture { Cartesian, Polar, Power, Phasors, Pv };

struct PlotRequest {
  Picture picture = Picture::Cartesian;
  int type = 0;
  std::string polarFunction;  // --type 4: the one function
  int16_t mode = kPolarEnvelope;
  int phasors = -1;         // kPhasorForces or kPhasorMoments
  std::vector<int> orders;  // empty: 1 and 2
  bool logScale = false;                   // --pv --log
  std::optional<double> compressionRatio;  // --pv: the clearance volume's
  std::optional<std::string> format;
  FunctionList slots;
  bool aligned = false;
  int16_t coord = 0;
  std::string out, csv;
  int width = 1280, height = 1024;
};

// Slots each allow this many functions.
bool CountFits(int type, std::size_t n) { return type == 1 ? n >= 1 && n <= 4 : n == (type == 2 ? 2u : 4u); }

bool HasOption(const DesignArgs& parsed, const char* name) {
  return std::any_of(parsed.options.begin(), parsed.options.end(), [name](const auto& o) { return o.first == name; });
}

// The requests of the polar plot, the power chart and the phasor diagrams.
int ParseOtherPicture(const DesignArgs& parsed, PlotRequest& r, std::ostream& err) {
  const auto refuse = [&err](const std::string& text) {
    err << "zorvan-cli: " << text << "\n";
    return 2;
  };
  const int kinds = (r.type == 4) + (r.picture == Picture::Power) + (r.picture == Picture::Pv) +
                    HasOption(parsed, "--phasors");
  if (kinds > 1 || (r.type != 0 && r.type != 4))
    return refuse("plot draws one of --type, --power, --phasors and --pv at a time");
  if (r.picture != Picture::Pv && (r.logScale || HasOption(parsed, "--compression-ratio")))
    return refuse(std::string(r.logScale ? "--log" : "--compression-ratio") + " belongs to --pv");
  if (r.type == 4) r.picture = Picture::Polar;
  if (HasOption(parsed, "--phasors")) r.picture = Picture::Phasors;
  if (r.picture != Picture::Polar && HasOption(parsed, "--mode")) return refuse("--mode belongs to --type 4");
  if (r.picture != Picture::Phasors && HasOption(parsed, "--order")) return refuse("--order belongs to --phasors");
  if (r.picture != Picture::Polar && r.picture != Picture::Cartesian && HasOption(parsed, "--coord"))
    return refuse("--coord belongs to the plots of --type");
  for (const auto& [name, value] : parsed.options) {
    if (name == "--mode") {
      if (value != "envelope" && value != "vectors" && value != "both")
        return refuse("--mode must be envelope, vectors or both, not '" + value + "'");
      r.mode = value == "envelope" ? kPolarEnvelope : value == "vectors" ? kPolarVectors : kPolarBoth;
    } else if (name == "--phasors") {
      if (value != "force" && value != "moment") return refuse("--phasors must be force or moment, not '" + value + "'");
      r.phasors = value == "force" ? kPhasorForces : kPhasorMoments;
    } else if (name == "--order") {
      if (value != "1" && value != "2") return refuse("--order must be 1 or 2, not '" + value + "'");
      r.orders = {value == "1" ? 1 : 2};
    } else if (name == "--compression-ratio") {
      double ratio = 0;
      if (!ParseNumber(value, ratio) || !(ratio > 1 && ratio <= 1000))
        return refuse("--compression-ratio must be above 1 and up to 1000, not '" + value + "'");
      r.compressionRatio = ratio;
    } else if (r.picture != Picture::Polar && (name == "--functions" || name == "--format" || name == "--style")) {
      return refuse(name + " belongs to the plots of --type");
    } else if (r.picture == Picture::Polar && (name == "--format" || name == "--style")) {
      return refuse(name + " is not for a polar plot");
    } else if (name == "--functions") {
      r.polarFunction = value;
    }
  }
  if (r.picture == Picture::Polar && r.polarFunction.empty()) return refuse("a polar plot needs --functions F");
  if (r.out.empty() || !PictureFile(r.out))
    return refuse("plot needs -o FILE.png, FILE.svg or FILE.pdf, not '" + r.out + "'");
  return 0;
}

int ParseRequest(const DesignArgs& parsed, PlotRequest& r, std::ostream& err) {
  // The polar plot, the power chart and the phasors read their own options.
  const bool other = r.picture == Picture::Power || r.picture == Picture::Pv || r.logScale ||
                     HasOption(parsed, "--phasors") || HasOption(parsed, "--compression-ratio") ||
                     std::any_of(parsed.options.begin(), parsed.options.end(),
                                 [](const auto& o) { return o.first == "--type" && o.second == "4"; });
  std::string style = "annotated";
  for (const auto& [name, value] : parsed.options) {
    if (name == "--type") {
      r.type = value == "1" ? 1 : value == "2" ? 2 : value == "3" ? 3 : value == "4" ? 4 : -1;
    } else if (other) {
      // left to ParseOtherPicture
    } else if (name == "--mode" || name == "--order") {
      err << "zorvan-cli: " << name << " is not for the plots of types 1 to 3\n";
      return 2;
    } else if (name == "--format") {
      r.format = value;
    } else if (name == "--functions") {
      if (!ParseFunctionList(value, "plot", r.slots, err)) return 2;
    } else if (name == "--style") {
      style = value;
    }
    if (name == "--coord") {
      if (!ParseCoordinates(value, r.coord, err)) return 2;
    } else if (name == "-o") {
      r.out = value;
    } else if (name == "--csv") {
      r.csv = value;
    } else if (name == "--size") {
      if (!ParsePictureSize(value, r.width, r.height, err)) return 2;
    }
  }
  if (other) return ParseOtherPicture(parsed, r, err);
  if (r.type < 1) {
    err << "zorvan-cli: plot needs --type 1, 2, 3 or 4, --power, --phasors or --pv\n";
    return 2;
  }
  if (r.format.has_value() == !r.slots.empty()) {
    err << "zorvan-cli: plot needs either --format or --functions\n";
    return 2;
  }
  if (!r.format && !CountFits(r.type, r.slots.size())) {
    err << "zorvan-cli: plot type " << r.type << " takes " << (r.type == 1 ? "1 to 4" : r.type == 2 ? "2" : "4")
        << " functions, not " << r.slots.size() << "\n";
    return 2;
  }
  if (style != "aligned" && style != "annotated") {
    err << "zorvan-cli: --style must be aligned or annotated, not '" << style << "'\n";
    return 2;
  }
  r.aligned = style == "aligned" && r.type != 1;
  if (r.out.empty() || !PictureFile(r.out)) {
    err << "zorvan-cli: plot needs -o FILE.png, FILE.svg or FILE.pdf, not '" << r.out << "'\n";
    return 2;
  }
  return 0;
}

// The selection the request makes, judged against what the design offers.
int Select(const EngineDesignRecord& d, const PlotRequest& r, PlotSelection& s, std::ostream& err) {
  s.PlotType = static_cast<int16_t>(r.type);
  s.WindowCount = static_cast<int16_t>(r.type == 1 ? 1 : r.type == 2 ? 2 : 4);
  s.PlotStyle = r.aligned ? 1 : 2;
  s.CoordinateSystem = r.coord;
  return SelectFunctions(d, r.format, r.type == 2 ? 2 : 4, r.slots, false, s, err);
}

// The polar plot of one function the design offers; 2 after a message for one it does not.
int SelectPolar(const EngineDesignRecord& d, const PlotRequest& r, PlotSelection& s, std::ostream& err) {
  const auto f = FunctionNumber(r.polarFunction);
  if (!f) {
    err << "zorvan-cli: '" << r.polarFunction << "' is not a plot function\n";
    return 2;
  }
  const std::string name = PlotFunction(*f).shortName;
  const auto offered = PolarVariableList(d);
  if (std::find(offered.begin(), offered.end(), name) == offered.end()) {
    err << "zorvan-cli: " << name << " (function " << *f << ") is not offered for a polar plot of this design\n";
    return 2;
  }
  Set_Variable(s, name, 1);
  s.CoordinateSystem = s.CoordinateChoiceAllowed ? r.coord : 0;
  s.FunctionCount = s.WindowCount = 1;
  s.PlotType = 4;
  return 0;
}

// The picture and its numbers of the polar plot, the power chart or the phasors.
int OtherPicture(const EngineDesignRecord& d, const PlotRequest& r, MessageList& messages, std::ostream& err,
                 const PlotOverlay* overlay) {
  std::function<void(Canvas&)> draw;
  std::string csv;
  if (r.picture == Picture::Polar) {
    PlotSelection s;
    if (int code = SelectPolar(d, r, s, err)) return code;
    auto m = std::make_shared<PolarPlotModel>(BuildPolarPlot(d, s, r.mode, overlay));
    if (!m->overflowMessage.empty()) err << m->overflowMessage;
    draw = [m](Canvas& c) { PaintPolarPlot(c, *m); };
    csv = PolarCsv(*m);
  } else if (r.picture == Picture::Power) {
    auto m = std::make_shared<PowerChartModel>();
    if (!Guarded(messages, "Chart_Setup", [&] { *m = BuildPowerChart(d); })) return 1;
    m->arrangementText = FiringArrangementText(d);
    draw = [m](Canvas& c) { PaintPowerChart(c, *m); };
    csv = PowerChartCsv(*m);
  } else if (r.picture == Picture::Pv) {
    if (r.logScale && !r.compressionRatio && !(d.Pressure && d.Pressure->compressionRatio)) {
      err << "zorvan-cli: plot --pv --log needs the compression ratio: --compression-ratio R, or the trace's "
             "\"# compression ratio: R\" line\n";
      return 2;
    }
    auto m = std::make_shared<PvDiagram>();
    if (!Guarded(messages, "Chart_Setup", [&] { *m = BuildPvDiagram(d, r.logScale, r.compressionRatio); })) return 1;
    draw = [m](Canvas& c) { PaintPvDiagram(c, *m); };
    csv = PvDiagramCsv(*m);
  } else {
    auto m = std::make_shared<PhasorModel>(r.orders.empty() ? BuildPhasors(d, r.phasors)
                                                            : BuildPhasors(d, r.phasors, r.orders));
    draw = [m](Canvas& c) { PaintPhasors(c, *m); };
    csv = PhasorCsv(*m);
  }
  EnsurePictureSupport();
  return Guarded(messages, "Plot", [&] {
           SavePictureFile(draw, r.out, r.width, r.height);
           if (!r.csv.empty()) ReplaceFileAtomically(r.csv, csv);
         })
             ? 0
             : 1;
}

}  // namespace

int Plot(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  // --power, --pv and --log take no value.
  static const std::vector<std::string> kValued = {"--type", "--format", "--functions", "--style", "--coord", "-o",
                                                   "--size", "--csv", "--mode", "--phasors", "--order", "--preset",
                                                   "--set", kBalancerOption, "--compression-ratio"};
  std::vector<std::string> rest;
  bool power = false, pv = false, logScale = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool isValue = i > 0 && (IsDesignOptionWithValue(args[i - 1]) ||
                                    std::find(kValued.begin(), kValued.end(), args[i - 1]) != kValued.end());
    if (i > 0 && !isValue && args[i] == "--power") power = true;
    else if (i > 0 && !isValue && args[i] == "--pv") pv = true;
    else if (i > 0 && !isValue && args[i] == "--log") logScale = true;
    else rest.push_back(args[i]);
  }
  DesignArgs parsed;
  if (int code = ParseDesignArgs(rest, 1, parsed, err,
                                 {"--type", "--format", "--functions", "--style", "--coord", "-o", "--size", "--csv",
                                  "--mode", "--phasors", "--order", kBalancerOption, "--compression-ratio"}))
    return code;
  if (int code = ReadShaftOptions(parsed, MomentReference::Centre, err)) return code;
  PlotRequest request;
  if (power && pv) {
    err << "zorvan-cli: plot draws one of --type, --power, --phasors and --pv at a time\n";
    return 2;
  }
  if (power) request.picture = Picture::Power;
  if (pv) request.picture = Picture::Pv;
  request.logScale = logScale;
  if (int code = ParseRequest(parsed, request, err)) return code;

  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err, AsksForFlywheel(request.format, request.slots))) return code;
  WriteMessages(c->messages, err);
  if (!c->ok) return 1;
  MessageList& messages = c->messages;
  // An engine with balance shafts is drawn with them, over it dashed without.
  std::unique_ptr<EngineDesignRecord> with;
  PlotOverlay without{&c->d, "with shafts", "without shafts", true};
  if (!c->d.BalanceShafts.empty() && !Guarded(messages, "Balance_Shafts", [&] { with = DesignWithShafts(c->d); })) {
    WriteMessages(messages, err);
    return 1;
  }
  const EngineDesignRecord& d = with ? *with : c->d;
  const PlotOverlay* overlay = with ? &without : nullptr;

  if (request.picture != Picture::Cartesian) {
    const int code = OtherPicture(d, request, messages, err, overlay);
    WriteMessages(messages, err);
    return code;
  }
  PlotSelection selection;
  if (int code = Select(d, request, selection, err)) return code;
  const PlotModel model = BuildPlot(d, selection, request.aligned, {}, overlay);
  if (!model.overflowMessage.empty()) err << model.overflowMessage << "\n";
  EnsurePictureSupport();
  const bool written = Guarded(messages, "Plot", [&] {
    SavePictureFile([&model](Canvas& c) { PaintPlot(c, model); }, request.out, request.width, request.height);
    if (!request.csv.empty()) ReplaceFileAtomically(request.csv, PlotCsv(model));
  });
  WriteMessages(messages, err);
  if (!written) err << "zorvan-cli: '" << request.out << "' could not be written\n";
  return written ? 0 : 1;
}

}  // namespace zorvan::cli
