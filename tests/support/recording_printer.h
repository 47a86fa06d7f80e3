#pragma once
// A printer of text in print zones that keeps every page's lines; a scripted
// false is a cancelled printer dialog.
#include <string>
#include <vector>

#include "platform/printer.h"

namespace zorvan {

class RecordingZonePrinter : public ZonePrinter {
 public:
  using Page = std::vector<std::vector<std::string>>;
  bool Begin(const std::string& name) override {
    const bool go = answers.empty() || answers.front();
    if (!answers.empty()) answers.erase(answers.begin());
    if (go) {
      documents.push_back(name);
      pages.assign(1, {});
      ended = false;
    }
    return go;
  }
  void Line(const std::vector<std::string>& zones) override { pages.back().push_back(zones); }
  void NewPage() override { pages.emplace_back(); }
  void EndDoc() override { ended = true; }

  // The lines of a page that hold a row of numbers (an empty first zone, then the angle).
  static int DataLines(const Page& page) {
    int n = 0;
    for (const auto& line : page)
      n += line.size() >= 2 && line[0].empty() && !line[1].empty() &&
           line[1].find_first_not_of("0123456789.- ") == std::string::npos;
    return n;
  }

  std::vector<bool> answers;
  std::vector<std::string> documents;
  std::vector<Page> pages;
  bool ended = false;
};

}  // namespace zorvan
