#pragma once
// A design study over a grid: one to three input fields, each run over its
// GridAxis like an odometer (the last fastest). Each design is the base
// followed by a setting of every varied field in order, judged and run by
// the design runner; it gives its figures or the first line of what stopped
// it. zorvan-cli sweep writes the designs as CSV rows, the Python module
// returns them as arrays; both run them here, on the same workers.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/design_runner.h"
#include "core/design_settings.h"
#include "core/grid_axis.h"

namespace zorvan {

constexpr std::size_t kMaxVariedFields = 3;
constexpr double kMaxGridDesigns = 10'000'000;

struct VariedField {
  std::string field;  // as the field table names it
  int entry = 0;      // a per-cylinder list: the cylinder
  GridAxis axis;
  std::size_t count = 0;  // the values of the axis
  // As the CSV heads its column: "VeeAngle", "PhaseAngle[2]".
  std::string Heading() const;
};

// A field to vary, FIELD or LIST[K], over an axis: the reason it cannot be
// ("unknown field 'X'", "the step must not be 0"...), or none.
std::optional<std::string> MakeVariedField(std::string name, GridAxis axis, VariedField& v);
// The same from the text FIELD=FROM:TO:STEP.
std::optional<std::string> ParseVariedField(const std::string& setting, VariedField& v);

struct SweepGrid {
  std::vector<VariedField> varied;   // the last varies fastest
  std::vector<std::size_t> figures;  // indexes of DesignFigures()
  // Balance shafts of these orders sized for each design; the shaking
  // figures' moments about this point.
  std::optional<ShaftChoice> sizeShafts;
  MomentReference moments = MomentReference::Cylinder1;
  // Every design of the grid: the product of the axes' counts.
  std::size_t Designs() const;
};

// Why a grid cannot run (no varied field or more than three, a field varied
// twice, more than 10,000,000 designs), or none.
std::optional<std::string> CheckGrid(const SweepGrid& grid);
// The figures of a comma list of their names, each once, in the list's order;
// the reason when a name is not a figure.
std::optional<std::string> ParseFigureList(const std::string& list, std::vector<std::size_t>& figures);

// Designs first .. first + count - 1 of a grid, in grid order.
struct GridPart {
  std::size_t first = 0, count = 0;
};
// Part k (1..n) of n parts of `total` designs, as equal as whole designs allow
// (their sizes differ by one at most); the parts in order cover the grid once.
GridPart PartOfGrid(std::size_t total, std::size_t k, std::size_t n);

// One design of the grid as it came out.
struct GridDesign {
  std::vector<double> values;       // each varied field's value, as set
  std::vector<std::string> texts;   // the same as set by name ("60", "3.001")
  std::vector<double> figures;      // every step ran: the grid's figures; else empty
  std::string failure;              // the first line of what stopped it (or of the first error
                                    // report it told); empty when there was none
};

// Runs designs of a grid one after another on a record of its own; one for
// each worker. `madeBefore` are the settings the base already holds (a
// counterweight among them is a given one).
class GridWorker {
 public:
  GridWorker(const EngineDesignRecord& base, const std::vector<DesignSetting>& madeBefore, const SweepGrid& grid);
  ~GridWorker();
  // Design `index` of the grid (0 is every field at its first value).
  const GridDesign& Run(std::size_t index);

 private:
  const EngineDesignRecord& base_;
  const SweepGrid& grid_;
  RunRequest request_;
  std::vector<std::size_t> at_;  // the axis value each setting holds now
  std::unique_ptr<EngineDesignRecord> d_;
  GridDesign out_;
};

// The CSV heading line: the varied fields, the figures with their units in
// the base's unit system (a shaking figure says when it is read with shafts
// or about the centre), then "error".
std::string SweepHeaderLine(const EngineDesignRecord& base, const SweepGrid& grid);
// A design's CSV row appended to `row`: its values, its figures (empty ones
// for a failed design) and its failure, quoted.
void AppendSweepRow(const GridDesign& design, std::size_t figures, std::string& row);

// Runs the designs of `part` on `jobs` workers, each with a GridWorker of its
// own; `each` turns a design into its row text on the worker (it may also
// keep the design elsewhere, by its index in the grid), and `write` gets the
// rows in grid order. Failures as WriteRowsInOrder's (core/ordered_rows.h).
void RunGrid(const EngineDesignRecord& base, const std::vector<DesignSetting>& madeBefore, const SweepGrid& grid,
             GridPart part, int jobs,
             const std::function<void(std::size_t index, const GridDesign& design, std::string& row)>& each,
             const std::function<void(const std::string& rows)>& write,
             const std::function<void(std::size_t written)>& progress);

}  // namespace zorvan
