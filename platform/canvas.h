#pragma once
// The one drawing surface of the program: every picture (linkage, plots, polar
// plots, power chart, balancing plot) is drawn through it, so the same routine
// paints the screen, the printer and picture files. Coordinates are the user
// coordinates of the last Scale; pen widths are in points, so a line keeps its
// thickness on a 1200-dpi printer.
#include <string>

#include "platform/palette.h"

namespace zorvan {

enum class Dash { Solid, Dashed, Dotted, DashDot, DashDotDot };
enum class Align { Left, Centre, Right };

struct Pen {
  Rgb colour = palette::Black;
  double widthPt = 0.75;
  Dash dash = Dash::Solid;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Whether the surface can represent this scale (spans, magnitudes); a
  // picture whose scale it cannot take shows the overflow message instead.
  virtual bool CanScale(double left, double top, double right, double bottom) const = 0;
  // User coordinates from now on: x runs left to right, y from top to bottom
  // (top > bottom puts y upwards). The mapping fills the surface.
  virtual void Scale(double left, double top, double right, double bottom) = 0;
  virtual void Clear(Rgb background) = 0;
  virtual void Point(double x, double y, Rgb colour) = 0;
  // A line from (x1, y1); the end becomes the current point.
  virtual void Line(double x1, double y1, double x2, double y2, const Pen& pen) = 0;
  // A line on from the current point.
  virtual void LineTo(double x, double y, const Pen& pen) = 0;
  virtual void Box(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) = 0;
  // A circle of radius r in x units, round on the surface.
  virtual void Circle(double x, double y, double r, const Pen& pen) = 0;
  // Text whose baseline starts (Left), centres (Centre) or ends (Right) at (x, y).
  virtual void Text(double x, double y, const std::string& text, Rgb colour, double sizePt, Align align) = 0;

  // Pictures laid out at the surface's real size (plots) need these three.
  // The surface's size in points (1/72 inch).
  virtual double WidthPt() const = 0;
  virtual double HeightPt() const = 0;
  // From now on Scale maps onto this rectangle of the surface (points from its
  // top left) and drawing is clipped to it; a width or height of 0 is the
  // whole surface again.
  virtual void Viewport(double x, double y, double w, double h) = 0;
  // The width of a text in points at a size.
  virtual double TextWidthPt(const std::string& text, double sizePt) const = 0;
};

}  // namespace zorvan
