#pragma once
// The printer as the printed tables use it: lines of text in print zones,
// new pages, the end of the document. Implemented with Qt's printer (and its
// dialog) and with Qt's PDF writer, and by a recording fake in tests.
#include <string>
#include <vector>

namespace zorvan {

// Each item of a line starts a print zone of this many characters.
constexpr int kPrintZoneWidth = 14;

class ZonePrinter {
 public:
  virtual ~ZonePrinter() = default;
  // The printer dialog and the start of a document; false when it is
  // cancelled (nothing is printed then).
  virtual bool Begin(const std::string& documentName) = 0;
  // One line, item k in zone k; an empty line for no items.
  virtual void Line(const std::vector<std::string>& zones) = 0;
  virtual void NewPage() = 0;
  // The document released to the printer.
  virtual void EndDoc() = 0;
};

// The characters of a line laid out in its zones: each item starts at the
// next zone boundary after the one before it ends.
inline std::string ZonedText(const std::vector<std::string>& zones) {
  std::string line;
  for (std::size_t k = 0; k < zones.size(); ++k) {
    if (k > 0) line.append(kPrintZoneWidth - line.size() % kPrintZoneWidth, ' ');
    line += zones[k];
  }
  return line;
}

}  // namespace zorvan
