// zorvan-cli plot: pictures of every plot type read back by what they show,
// the curves inside their windows, the numbers as CSV, refusals.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QImage>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/cli/cli.h"
#include "plots/plot_painter.h"
#include "render/picture_files.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/json_reader.h"

namespace zorvan::cli {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The strong blue of a curve (its antialiased edges left out).
bool Blue(QRgb p) { return qBlue(p) >= 160 && qRed(p) <= 96 && qGreen(p) <= 96; }

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// What a picture shows, counted: marks of any colour (pixels, or the
// vector files' lines and texts) and the marks in the curves' blue.
struct Marks {
  std::size_t any = 0, blue = 0;
};
Marks MarksOf(const std::string& bytes, const std::string& ext, int width, int height) {
  Marks m;
  if (ext == "png") {
    const QImage image = QImage::fromData(QByteArray::fromStdString(bytes), "PNG");
    EXPECT_EQ(image.size(), QSize(width, height));
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        m.any += image.pixel(x, y) != qRgb(255, 255, 255);
        m.blue += Blue(image.pixel(x, y));
      }
  } else if (ext == "svg") {
    const std::string box = "viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) + "\"";
    EXPECT_NE(bytes.find(box), std::string::npos);
    m.any = Count(bytes, "<polyline") + Count(bytes, "<text") + Count(bytes, "<path");
    for (std::size_t at = bytes.find("<g "); at != std::string::npos; at = bytes.find("<g ", at + 1)) {
      const std::size_t end = bytes.find("</g>", at);
      const std::string group = bytes.substr(at, end - at);
      if (group.substr(0, group.find('>')).find("stroke=\"#0000ff\"") != std::string::npos)
        m.blue += Count(group, "<polyline");
    }
  } else {  // PDF: the page's size, and its drawing once inflated
    EXPECT_NE(bytes.find("/MediaBox [0 0 " + std::to_string(width) + ".000000 " + std::to_string(height) + ".000000]"),
              std::string::npos);
    for (std::size_t at = bytes.find("stream\n"); at != std::string::npos; at = bytes.find("stream\n", at + 1)) {
      if (bytes.compare(at - 3, 3, "end") == 0 || bytes.rfind("/FlateDecode", at) < bytes.rfind(" obj", at))
        continue;  // the end of one, or not zipped
      QByteArray zipped("\x00\x10\x00\x00", 4);  // a size to start with, as Qt's inflater asks
      zipped += QByteArray::fromStdString(bytes.substr(at + 7, bytes.find("endstream", at) - at - 7));
      const std::string page = qUncompress(zipped).toStdString();
      m.any += Count(page, " l\n") + Count(page, "Tj");
      for (std::size_t b = page.find("0 0 1 SCN"); b != std::string::npos; b = page.find("0 0 1 SCN", b + 1))
        m.blue += Count(page.substr(b, page.find("SCN", b + 9) - b), " l\n");
    }
  }
  return m;
}

class CliPlot : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-plot-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  int Plot(std::vector<std::string> args) {
    args.insert(args.begin(), "plot");
    std::ostringstream o, e;
    const int code = zorvan::cli::Run(args, o, e);
    err = e.str();
    return code;
  }
  std::string P(const char* name) const { return (dir / name).string(); }
  fs::path dir;
  std::string err;
};

// Each picture shows its curves: 241 rows of blue in each of its windows.
TEST_F(CliPlot, EveryTypeWritesPngSvgAndPdf) {
  const std::vector<std::pair<std::vector<std::string>, int>> kinds = {
      {{"--type", "1", "--format", "Torques - Gas, Inertia, Total, and Friction"}, 1},  // one of four is blue
      {{"--type", "2", "--functions", "15:Mag,F Main:Ang", "--style", "aligned"}, 2},
      {{"--type", "3", "--format", "Crankpin Force - X, Y, Mag, Angle", "--coord", "local"}, 4},
  };
  for (const auto& [kind, blueCurves] : kinds) {
    for (const char* ext : {"png", "svg", "pdf"}) {
      SCOPED_TRACE(kind[1] + std::string(" ") + ext);
      std::vector<std::string> args = kind;
      const std::string out = P((std::string("p.") + ext).c_str());
      args.insert(args.end(), {"--preset", "5", "-o", out, "--size", "640x480"});
      ASSERT_EQ(Plot(args), 0) << err;
      const Marks m = MarksOf(Slurp(out), ext, 640, 480);
      EXPECT_GE(m.blue, (ext == std::string("png") ? 400u : 240u) * blueCurves);
      EXPECT_GT(m.any, m.blue + 50);  // frames and texts besides
    }
  }
}

// The curves are drawn inside their windows' data areas, reaching across
// them, and nothing of them outside: with two aligned windows and with four
// annotated ones (whose legend sits at the right of the title line).
TEST(PlotPicture, CurvesStayInTheirWindows) {
  auto d = testing::Example(5);
  for (bool aligned : {true, false}) {
    SCOPED_TRACE(aligned ? "aligned" : "annotated");
    PlotSelection s;
    s.WindowCount = aligned ? 2 : 4;
    ASSERT_TRUE(ApplyPlotPreset(s, aligned ? "Crankpin Force  - mag and angle" : "Crankpin Force - X, Y, Mag, Angle",
                                s.WindowCount));
    const PlotModel model = BuildPlot(*d, s, aligned);
    std::vector<PlotArea> areas;
    EnsurePictureSupport();
    const std::string png = PicturePngBytes([&](Canvas& c) { areas = PaintPlot(c, model); }, 640, 480);
    const QImage image = QImage::fromData(QByteArray::fromStdString(png), "PNG");
    ASSERT_EQ(areas.size(), model.windows.size());
    const double px = 96.0 / 72;  // the PNG's pixels per point
    std::vector<int> columns(areas.size());
    int stray = 0;
    for (int x = 0; x < image.width(); ++x) {
      std::vector<bool> seen(areas.size());
      for (int y = 0; y < image.height(); ++y) {
        if (!Blue(image.pixel(x, y))) continue;
        bool inside = false;
        for (std::size_t w = 0; w < areas.size(); ++w) {
          const PlotArea& a = areas[w];
          // A pixel's slack for the pen's width and square ends.
          if (x + 2 >= a.xLeftPt * px && x <= a.xRightPt * px + 2 && y + 2 >= a.y * px && y <= (a.y + a.h) * px + 2)
            inside = seen[w] = true;
        }
        if (!inside && stray++ == 0) ADD_FAILURE() << "blue at " << x << "," << y;
      }
      for (std::size_t w = 0; w < areas.size(); ++w) columns[w] += seen[w];
    }
    for (std::size_t w = 0; w < areas.size(); ++w)
      EXPECT_GE(columns[w], 0.95 * (areas[w].xRightPt - areas[w].xLeftPt) * px) << "window " << w;
  }
}

// The CSV's numbers are the dump's columns.
TEST_F(CliPlot, CsvNumbersAreTheDumpsColumns) {
  ASSERT_EQ(Plot({"--type", "2", "--functions", "T Total:Mag,Position:Mag", "--preset", "2", "--set", "UnitSystem=5",
                  "-o", P("t.png"), "--csv", P("t.csv")}),
            0)
      << err;
  std::ostringstream out, e;
  ASSERT_EQ(zorvan::cli::Run({"dump", "--preset", "2", "--set", "UnitSystem=5"}, out, e), 0);
  Json dump;
  ASSERT_TRUE(JsonReader(out.str()).Read(dump));
  std::istringstream csv(Slurp(P("t.csv")));
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line, "Crank Angle (Deg),\"T Total Mag (N-m)\",\"Position Mag (mm)\"\r");
  for (int k = 0; std::getline(csv, line); ++k) {
    float angle, torque, position;
    ASSERT_EQ(std::sscanf(line.c_str(), "%f,%f,%f", &angle, &torque, &position), 3);
    EXPECT_EQ(torque, static_cast<float>(dump["columns"]["TotalTorque"][k].number));
    EXPECT_EQ(position, static_cast<float>(1000.0 * static_cast<float>(dump["columns"]["PistonPosition"][k].number)));
  }
}

TEST_F(CliPlot, RefusalsWriteNothing) {
  const std::vector<std::vector<std::string>> refused = {
      {"--type", "2", "--functions", "15:Mag", "-o", P("x.png")},                 // one function for two windows
      {"--type", "1", "--functions", "F Nothing:Mag", "-o", P("x.png")},          // no such function
      {"--type", "1", "--functions", "15:Size", "-o", P("x.png")},                // no such component
      {"--type", "1", "--functions", "15:Mag", "-o", P("x.gif")},                 // no such picture
      {"--type", "4", "--functions", "15:Mag", "-o", P("x.png")},                 // a polar plot has no component
      {"--type", "3", "--format", "Position and Velocity", "-o", P("x.png")},     // a two-slot format
      {"--type", "1", "--functions", "15:Mag", "--size", "5x5", "-o", P("x.png")},
  };
  for (const auto& args : refused) {
    EXPECT_EQ(Plot(args), 2) << args[3];
    EXPECT_FALSE(err.empty());
    EXPECT_FALSE(fs::exists(P("x.png")) || fs::exists(P("x.gif")));
  }
}

TEST_F(CliPlot, ChartsWritePngSvgAndPdf) {
  const std::vector<std::vector<std::string>> kinds = {
      {"--type", "4", "--functions", "F Main", "--coord", "local", "--mode", "both"},
      {"--power"},
      {"--phasors", "moment", "--order", "1"},
  };
  for (const auto& kind : kinds) {
    for (const char* ext : {"png", "svg", "pdf"}) {
      std::vector<std::string> args = kind;
      const std::string out = P((std::string("c.") + ext).c_str());
      args.insert(args.end(), {"--preset", "5", "-o", out, "--size", "640x480"});
      ASSERT_EQ(Plot(args), 0) << err;
      const Marks m = MarksOf(Slurp(out), ext, 640, 480);
      EXPECT_GE(m.any, ext == std::string("png") ? 3000u : 30u) << kind[0] << ext;  // not a blank page
    }
  }
  const std::vector<std::vector<std::string>> refused = {
      {"--type", "4", "--functions", "F Gas", "-o", P("x.png")},                // a scalar: no polar plot
      {"--type", "4", "--functions", "F Main", "--mode", "tips", "-o", P("x.png")},
      {"--phasors", "force", "--order", "3", "-o", P("x.png")},
      {"--power", "--type", "1", "-o", P("x.png")},
      {"--type", "1", "--functions", "15:Mag", "--mode", "both", "-o", P("x.png")},
  };
  for (const auto& args : refused) {
    EXPECT_EQ(Plot(args), 2) << args[1];
    EXPECT_FALSE(fs::exists(P("x.png")));
  }
}

// The phasors' resultants are the dump's harmonic sums, digit for digit.
TEST_F(CliPlot, PhasorResultantsAreTheDumpsSums) {
  std::ostringstream out, e;
  ASSERT_EQ(zorvan::cli::Run({"dump", "--preset", "5"}, out, e), 0);
  Json dump;
  ASSERT_TRUE(JsonReader(out.str()).Read(dump));
  const std::map<std::string, int> sets = {{"All Cylinders", 0}, {"Right Bank", 1}, {"Left Bank", 2}};
  for (int q = 0; q <= 1; ++q) {
    ASSERT_EQ(Plot({"--phasors", q ? "moment" : "force", "--preset", "5", "-o", P("h.png"), "--csv", P("h.csv")}), 0);
    std::istringstream csv(Slurp(P("h.csv")));
    std::string line;
    int resultants = 0;
    while (std::getline(csv, line)) {
      char set[32];
      int n, cylinder;
      double x, y;
      if (std::sscanf(line.c_str(), "%d,%31[^,],%d,%lf,%lf", &n, set, &cylinder, &x, &y) != 5 || cylinder) continue;
      const int b = sets.at(set);
      EXPECT_EQ(x, dump["HarmonicSums"][n][q][0][b].number) << line;
      EXPECT_EQ(y, dump["HarmonicSums"][n][q][1][b].number) << line;
      ++resultants;
    }
    EXPECT_EQ(resultants, 6);  // orders 1 and 2, three sets
  }
}

}  // namespace
}  // namespace zorvan::cli
