// zorvan-cli compare A.zrv B.zrv: the figures of two designs side by side
// with their difference, as the desktop's comparison panel lists them.
#include <memory>

#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "core/design_compare.h"

namespace zorvan::cli {

namespace {

// The file name without its folder, as the table names a design.
std::string Named(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int Compare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> paths;
  bool csv = false;
  MomentReference moments = MomentReference::Cylinder1;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--csv") {
      csv = true;
    } else if (a == kMomentsOption) {
      const std::optional<MomentReference> r = i + 1 < args.size() ? ParseReference(args[i + 1]) : std::nullopt;
      if (!r) {
        err << "zorvan-cli: --moments-about must be centre or cylinder1\n";
        return 2;
      }
      moments = *r;
      ++i;
    } else if (a.starts_with("-") || a.empty()) {
      err << "zorvan-cli: unknown option '" << a << "'\n";
      return 2;
    } else {
      paths.push_back(a);
    }
  }
  if (paths.size() != 2) {
    err << "zorvan-cli: compare needs two model files: compare A.zrv B.zrv [--csv] "
           "[--moments-about centre|cylinder1]\n";
    return 2;
  }
  // Both files are read before anything is calculated; one that cannot be
  // read is a bad argument.
  std::unique_ptr<EngineDesignRecord> read[2];
  MessageList messages;
  for (int k = 0; k < 2; ++k) {
    read[k] = std::make_unique<EngineDesignRecord>();
    ProgramValues values;
    DesignArgs design;
    design.modelPath = paths[k];
    const BuildOutcome started = StartDesign(design, *read[k], values, messages, err);
    if (started.endNow || started.exitCode != 0) {
      WriteMessages(messages, err);
      return 2;
    }
  }
  // B in A's unit system, so that B - A means something.
  std::unique_ptr<EngineDesignRecord> a = CalculatedForComparison(*read[0], read[0]->UnitSystem, messages);
  std::unique_ptr<EngineDesignRecord> b = a ? CalculatedForComparison(*read[1], a->UnitSystem, messages) : nullptr;
  if (!a || !b) {
    WriteMessages(messages, err);
    err << "zorvan-cli: '" << paths[a ? 1 : 0] << "' could not be calculated\n";
    return 1;
  }
  const std::vector<ComparisonRow> rows =
      ComparisonRows(*a, ComparisonFigures(*a, moments, messages), ComparisonFigures(*b, moments, messages), moments);
  WriteMessages(messages, err);
  if (csv)
    out << ComparisonCsv(Named(paths[0]), Named(paths[1]), rows);
  else
    WriteText(ComparisonText(Named(paths[0]), Named(paths[1]), rows), out);
  return 0;
}

}  // namespace zorvan::cli
