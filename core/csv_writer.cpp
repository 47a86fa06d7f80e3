#include "core/csv_writer.h"

#include "core/number_text.h"

namespace zorvan {

std::string& CsvWriter::Field() {
  if (lineStarted_) out_ += format_.separator;
  lineStarted_ = true;
  return out_;
}

CsvWriter& CsvWriter::Heading(std::string_view name, std::string_view unit, bool quoted) {
  std::string& s = Field();
  if (quoted) s += '"';
  s += name;
  if (!unit.empty()) {
    s += " (";
    s += unit;
    s += ')';
  }
  if (quoted) s += '"';
  return *this;
}

CsvWriter& CsvWriter::Number(double v, int digits) {
  AppendDigitsText(Field(), v, digits);
  return *this;
}

CsvWriter& CsvWriter::Shortest(float v) {
  Field() += ShortestText(v);
  return *this;
}

CsvWriter& CsvWriter::Whole(long long v) {
  Field() += std::to_string(v);
  return *this;
}

CsvWriter& CsvWriter::Text(std::string_view text) {
  Field() += text;
  return *this;
}

CsvWriter& CsvWriter::Quoted(std::string_view text) {
  std::string& s = Field();
  s += '"';
  for (char c : text) {
    if (c == '"') s += '"';
    s += c;
  }
  s += '"';
  return *this;
}

CsvWriter& CsvWriter::Cell(std::string_view text) {
  const bool plain = text.find_first_of(std::string{format_.separator} + "\"\r\n") == std::string_view::npos &&
                     (text.empty() || (text.front() != ' ' && text.back() != ' '));
  return plain ? Text(text) : Quoted(text);
}

CsvWriter& CsvWriter::Empty() {
  Field();
  return *this;
}

void CsvWriter::EndLine() {
  out_ += format_.lineEnd;
  lineStarted_ = false;
}

}  // namespace zorvan
