#pragma once
// The one writer of the program's tables as text files: a heading line of
// names, each with its unit in parentheses, then lines of fields. Each file
// type keeps its separator and line end (comma and CR LF for the plots'
// CSVs, comma and LF for what the command line prints, tab and CR LF for the
// spreadsheet export); numbers are written by the one number text.
#include <string>
#include <string_view>

namespace zorvan {

struct TableFormat {
  char separator;
  const char* lineEnd;
};
inline constexpr TableFormat kCsvFile{',', "\r\n"};     // picture data: plots, polar, power chart, phasors
inline constexpr TableFormat kCsvStream{',', "\n"};     // orders --csv and sweep
inline constexpr TableFormat kTabFile{'\t', "\r\n"};    // the spreadsheet export

// Appends fields to `out`, the separator between them, the line end after each line.
class CsvWriter {
 public:
  CsvWriter(std::string& out, TableFormat format) : out_(out), format_(format) {}

  // "name (unit)", or the name alone without a unit; in double quotes when asked.
  CsvWriter& Heading(std::string_view name, std::string_view unit = {}, bool quoted = false);
  // A value with `digits` significant digits: nine read back as the same float.
  CsvWriter& Number(double v, int digits = 9);
  // The shortest text that reads back as the same float.
  CsvWriter& Shortest(float v);
  CsvWriter& Whole(long long v);
  CsvWriter& Text(std::string_view text);
  // In double quotes, a quote inside doubled.
  CsvWriter& Quoted(std::string_view text);
  // As it is, or quoted when it holds the separator, a quote or a line
  // break, or begins or ends with a blank: a name read back exactly.
  CsvWriter& Cell(std::string_view text);
  CsvWriter& Empty();
  void EndLine();

 private:
  std::string& Field();

  std::string& out_;
  TableFormat format_;
  bool lineStarted_ = false;
};

}  // namespace zorvan
