#include "files/shaft_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/csv_writer.h"
#include "core/number_text.h"
#include "core/shaft_model.h"

namespace zorvan {

namespace {

constexpr const char* kHeader = "station,inertia,stiffness,damping";
constexpr std::uintmax_t kMaxShaftFileBytes = 1024 * 1024;

// The fields of one line: commas separate them, double quotes enclose a field
// that holds commas, a doubled quote inside them is one quote. False for a
// quote left open or text after a closing quote.
bool SplitFields(std::string_view line, std::vector<std::string>& fields) {
  fields.assign(1, "");
  bool quoted = false, closed = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (i + 1 < line.size() && line[i + 1] == '"') {
        fields.back() += '"';
        ++i;
      } else {
        quoted = false;
        closed = true;
      }
    } else if (c == ',') {
      fields.emplace_back();
      closed = false;
    } else if (c == '"' && fields.back().find_first_not_of(" \t") == std::string::npos) {
      fields.back().clear();
      quoted = true;
    } else if (closed && c != ' ' && c != '\t') {
      return false;
    } else if (!closed) {
      fields.back() += c;
    }
  }
  return !quoted;
}

std::string Lowered(std::string_view s) {
  std::string t;
  for (char c : s)
    if (c != ' ' && c != '\t') t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return t;
}

}  // namespace

std::string ShaftCsvText(const ShaftTable& t) {
  std::string out = std::string(kHeader) + "\n";
  CsvWriter w(out, kCsvStream);
  for (std::size_t s = 0; s < t.size(); ++s) {
    w.Cell(t[s].name).Text(ShortestDoubleText(t[s].inertia));
    if (s + 1 < t.size()) {
      w.Text(ShortestDoubleText(t[s].stiffness));
    } else {
      w.Empty();
    }
    w.Text(ShortestDoubleText(t[s].damping));
    w.EndLine();
  }
  return out;
}

std::string ReadShaftCsv(std::string_view text, ShaftTable& out) {
  std::vector<ShaftRowTexts> rows;
  bool header = false;
  std::size_t lineNumber = 0;
  std::vector<std::string> fields;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    const std::string where = "Line " + std::to_string(lineNumber);
    if (!header) {
      if (Lowered(line) != kHeader) return where + ": the first line must be \"" + kHeader + "\".";
      header = true;
      continue;
    }
    const std::string row = where + " (row " + std::to_string(rows.size() + 1) + ")";
    if (!SplitFields(line, fields)) return row + ": a quote is not closed where the field ends.";
    if (fields.size() != 4)
      return row + ": 4 fields are wanted (" + kHeader + "), not " + std::to_string(fields.size()) + ".";
    if (rows.size() == static_cast<std::size_t>(kMaxStations))
      return "The shaft may have at most " + std::to_string(kMaxStations) + " stations.";
    rows.push_back({fields[0], fields[1], fields[2], fields[3]});
  }
  if (!header) return std::string("The file is empty: its first line must be \"") + kHeader + "\".";
  if (auto fault = ReadShaftRows(rows, out)) return *fault;
  return "";
}

std::string ShaftFilePath(const std::string& modelPath) {
  const std::filesystem::path p(modelPath);
  std::filesystem::path shaft = p;
  shaft.replace_extension(".shaft.csv");
  return shaft.string();
}

std::string ReadShaftFile(const std::string& path, ShaftTable& out) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return "The stations file \"" + path + "\" was not found.";
  if (!std::filesystem::is_regular_file(status)) return "\"" + path + "\" is not a stations file.";
  if (std::filesystem::file_size(path, ec) > kMaxShaftFileBytes)
    return "The stations file \"" + path + "\" is too large.";
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  if (!in) return "The stations file \"" + path + "\" could not be read: " + std::strerror(errno) + ".";
  const std::string fault = ReadShaftCsv(text.str(), out);
  return fault.empty() ? "" : "The stations file \"" + path + "\": " + fault;
}

}  // namespace zorvan
