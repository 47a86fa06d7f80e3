#include "shell/export_table.h"

#include <charconv>
#include <functional>
#include <vector>

#include "core/result_catalogue.h"

namespace zorvan {

namespace {

struct ExportColumn {
  std::string name;
  std::string unit;
  std::function<float(int row)> value;
};

std::string Number(float v) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);  // shortest form that reads back exactly
  return std::string(buf, r.ptr);
}

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
  for (std::size_t c = 0; c < cols.size(); ++c) {
    if (c) text += '\t';
    text += cols[c].name + " (" + cols[c].unit + ")";
  }
  text += "\r\n";
  int last = d.LastStep < 0 ? -1 : (d.LastStep > kLastRow ? kLastRow : d.LastStep);
  for (int r = 0; r <= last; ++r) {
    for (std::size_t c = 0; c < cols.size(); ++c) {
      if (c) text += '\t';
      text += Number(cols[c].value(r));
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace zorvan
