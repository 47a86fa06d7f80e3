#include "platform/recording_canvas.h"

namespace zorvan {

namespace {
CanvasCall Call(CanvasCall::Kind kind, double a = 0, double b = 0, double c = 0, double d = 0) {
  CanvasCall call;
  call.kind = kind;
  call.a = a;
  call.b = b;
  call.c = c;
  call.d = d;
  return call;
}
}  // namespace

bool RecordingCanvas::CanScale(double left, double top, double right, double bottom) const {
  auto edge = [this](double v) { return std::isfinite(v) && std::fabs(v) <= limit_; };
  return edge(left) && edge(top) && edge(right) && edge(bottom) && right != left && top != bottom &&
         std::isfinite(right - left) && std::isfinite(top - bottom);
}

void RecordingCanvas::Scale(double left, double top, double right, double bottom) {
  calls.push_back(Call(CanvasCall::Scale, left, top, right, bottom));
}

void RecordingCanvas::Clear(Rgb background) {
  CanvasCall c = Call(CanvasCall::Clear);
  c.pen.colour = background;
  calls.push_back(c);
}

void RecordingCanvas::Point(double x, double y, Rgb colour) {
  CanvasCall c = Call(CanvasCall::Point, x, y);
  c.pen.colour = colour;
  calls.push_back(c);
}

void RecordingCanvas::Line(double x1, double y1, double x2, double y2, const Pen& pen) {
  CanvasCall c = Call(CanvasCall::Line, x1, y1, x2, y2);
  c.pen = pen;
  calls.push_back(c);
}

void RecordingCanvas::LineTo(double x, double y, const Pen& pen) {
  CanvasCall c = Call(CanvasCall::LineTo, x, y);
  c.pen = pen;
  calls.push_back(c);
}

void RecordingCanvas::Box(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) {
  CanvasCall c = Call(CanvasCall::Box, x1, y1, x2, y2);
  c.pen = pen;
  c.filled = filled;
  calls.push_back(c);
}

void RecordingCanvas::Circle(double x, double y, double r, const Pen& pen) {
  CanvasCall c = Call(CanvasCall::Circle, x, y, r);
  c.pen = pen;
  calls.push_back(c);
}

void RecordingCanvas::Text(double x, double y, const std::string& text, Rgb colour, double sizePt, Align align) {
  CanvasCall c = Call(CanvasCall::Text, x, y);
  c.pen.colour = colour;
  c.text = text;
  c.sizePt = sizePt;
  c.align = align;
  calls.push_back(c);
}

void RecordingCanvas::Viewport(double x, double y, double w, double h) {
  calls.push_back(Call(CanvasCall::Viewport, x, y, w, h));
}

double RecordingCanvas::TextWidthPt(const std::string& text, double sizePt) const {
  std::size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;  // UTF-8 lead bytes
  return 0.55 * sizePt * static_cast<double>(characters);
}

void RecordingCanvas::Replay(Canvas& target) const {
  for (const CanvasCall& c : calls) {
    switch (c.kind) {
      case CanvasCall::Scale: target.Scale(c.a, c.b, c.c, c.d); break;
      case CanvasCall::Viewport: target.Viewport(c.a, c.b, c.c, c.d); break;
      case CanvasCall::Clear: target.Clear(c.pen.colour); break;
      case CanvasCall::Point: target.Point(c.a, c.b, c.pen.colour); break;
      case CanvasCall::Line: target.Line(c.a, c.b, c.c, c.d, c.pen); break;
      case CanvasCall::LineTo: target.LineTo(c.a, c.b, c.pen); break;
      case CanvasCall::Box: target.Box(c.a, c.b, c.c, c.d, c.pen, c.filled); break;
      case CanvasCall::Circle: target.Circle(c.a, c.b, c.c, c.pen); break;
      case CanvasCall::Text: target.Text(c.a, c.b, c.text, c.pen.colour, c.sizePt, c.align); break;
    }
  }
}

}  // namespace zorvan
