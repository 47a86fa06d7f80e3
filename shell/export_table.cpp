#include "shell/export_table.h"

#include <functional>
#include <vector>

#include "core/csv_writer.h"
#include "core/result_catalogue.h"

namespace zorvan {

namespace {

struct ExportColumn {
  std::string name;
  std::string unit;
  std::function<float(int row)> value;
};

// The X and Y columns of a vector result, in the global or the rotating frame.
void AddVector(std::vector<ExportColumn>& cols, const EngineDesignRecord& d, const ResultEntry& e,
               bool rotating) {
  const std::string name = std::string(e.longName) + (rotating ? " Rotating" : "");
  const auto& t = d.table;
  for (bool y : {false, true}) {
    cols.push_back({name + (y ? " Y" : " X"), ResultUnit(d, e), [&d, &t, &e, rotating, y](int r) {
                      const ResultXY v = ResultAt(t, e, r, rotating);
                      return static_cast<float>(ShownResult(d, e, y ? v.y : v.x));
                    }});
  }
}

// Every result the design's flags offer, in the catalogue's order, in the
// units the user sees.
std::vector<ExportColumn> Columns(const EngineDesignRecord& d) {
  const auto& t = d.table;
  std::vector<ExportColumn> cols;
  cols.push_back({"Crank Angle", "deg", [&t](int r) { return t.CrankAngle[r]; }});
  for (const ResultEntry& e : ResultCatalogue()) {
    if (!Offered(d, e)) continue;
    if (!e.vector) {
      cols.push_back({e.longName, ResultUnit(d, e), [&d, &t, &e](int r) {
                        return static_cast<float>(ShownResult(d, e, ResultAt(t, e, r).x));
                      }});
      continue;
    }
    AddVector(cols, d, e, false);
    if (HasRotatingFrame(e)) AddVector(cols, d, e, true);
  }
  return cols;
}

}  // namespace

std::string ExportTableText(const EngineDesignRecord& d) {
  const auto cols = Columns(d);
  std::string text;
  CsvWriter table(text, kTabFile);
  for (const ExportColumn& c : cols) table.Heading(c.name, c.unit);
  table.EndLine();
  const int last = d.LastStep < 0 ? -1 : (d.LastStep > kLastRow ? kLastRow : d.LastStep);
  for (int r = 0; r <= last; ++r) {
    for (const ExportColumn& c : cols) table.Shortest(c.value(r));  // reads back as the same float
    table.EndLine();
  }
  return text;
}

}  // namespace zorvan
