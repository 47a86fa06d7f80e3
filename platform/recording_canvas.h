#pragma once
// A canvas that keeps every call with its arguments: a picture drawn once can
// be replayed on the screen, the printer and picture files, and tests read it.
#include <cmath>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace zorvan {

struct CanvasCall {
  enum Kind { Scale, Clear, Point, Line, LineTo, Box, Circle, Text, Viewport } kind = Scale;
  double a = 0, b = 0, c = 0, d = 0;  // coordinates in the order of the call
  Pen pen;                            // the colour of Clear, Point and Text too
  bool filled = false;
  std::string text;
  double sizePt = 0;
  Align align = Align::Left;
};

class RecordingCanvas : public Canvas {
 public:
  // A scale is representable when both spans are finite and not zero and no
  // edge lies beyond `limit` user units.
  // widthPt x heightPt is the size pictures are laid out for.
  explicit RecordingCanvas(double limit = 1e30, double widthPt = 640, double heightPt = 480)
      : limit_(limit), width_(widthPt), height_(heightPt) {}

  bool CanScale(double left, double top, double right, double bottom) const override;
  void Scale(double left, double top, double right, double bottom) override;
  void Clear(Rgb background) override;
  void Point(double x, double y, Rgb colour) override;
  void Line(double x1, double y1, double x2, double y2, const Pen& pen) override;
  void LineTo(double x, double y, const Pen& pen) override;
  void Box(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) override;
  void Circle(double x, double y, double r, const Pen& pen) override;
  void Text(double x, double y, const std::string& text, Rgb colour, double sizePt, Align align) override;
  double WidthPt() const override { return width_; }
  double HeightPt() const override { return height_; }
  void Viewport(double x, double y, double w, double h) override;
  // An average width: 0.55 of the size a character.
  double TextWidthPt(const std::string& text, double sizePt) const override;

  // Draws every call again on another surface, in order.
  void Replay(Canvas& target) const;
  void Reset() { calls.clear(); }

  std::vector<CanvasCall> calls;

 private:
  double limit_;
  double width_, height_;
};

}  // namespace zorvan
