#pragma once
// Phasor diagrams of the harmonic sums: for a harmonic order n and each set of
// cylinders the engine has, every cylinder's vector at n times its phase
// angle (a unit vector for the forces, weighted with its moment arm for the
// moments), drawn head to tail. The polygon closes when the set's sums are
// zero; its resultant is the pair of sums the balance notices print.
#include <string>
#include <vector>

#include "core/design_record.h"
#include "platform/canvas.h"

namespace zorvan {

struct PhasorArrow {
  int cylinder = 0;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A label of cylinder numbers beside the middle (x, y) of an arrow, on the
// side the unit normal (nx, ny) points to; arrows that lie on one another
// share one label ("1, 5").
struct PhasorLabel {
  std::string text;
  double x = 0, y = 0, nx = 0, ny = 0;
};

struct PhasorDiagram {
  int order = 1;  // the harmonic n
  int set = 0;    // 0 all cylinders, 1 right, 2 left, 3 centre bank
  std::string title;
  std::vector<PhasorArrow> arrows;  // head to tail from the origin, in the order the sums add them
  std::vector<PhasorLabel> labels;  // the cylinder numbers of the arrows that have a length
  double rx = 0, ry = 0;            // the resultant: the cosine and sine sums of the set
  double length = 0;                // its length
  std::string lengthText;           // "Resultant 4.00"
  double extent = 1;                // half the side of the square the diagram is drawn in
};

constexpr int kPhasorForces = 0, kPhasorMoments = 1;

struct PhasorModel {
  int kind = kPhasorForces;
  std::vector<int> orders;       // the rows
  std::vector<int> sets;         // the columns
  std::vector<PhasorDiagram> diagrams;  // row by row
  std::string title;
};

// The cylinder sets an engine has: all cylinders for an inline or single
// engine, all and both banks for a vee or opposed engine, and the centre bank
// too for a W.
std::vector<int> PhasorSets(const EngineDesignRecord& d);
// The diagrams of the forces or the moments for the orders (1 and 2 by
// default), from the design's HarmonicSums.
PhasorModel BuildPhasors(const EngineDesignRecord& d, int kind, std::vector<int> orders = {1, 2});

void PaintPhasors(Canvas& c, const PhasorModel& m);
// The size in points of the diagrams' titles and labels on a surface of this size.
double PhasorTextSize(double widthPt, double heightPt);

// Order, set, cylinder and each arrow's X and Y, then the resultant of each
// diagram as cylinder 0, as CSV (CR LF).
std::string PhasorCsv(const PhasorModel& m);

}  // namespace zorvan
