#pragma once
// A picture drawn at the widget's own size by a drawing function (a chart
// laid out for its surface), with the same function saving or copying it.
#include <QWidget>

#include "render/picture_files.h"

namespace zorvan::ui {

class DrawingView : public QWidget {
 public:
  DrawingView(QWidget* parent, const char* name);
  void SetDrawing(DrawPicture draw);
  const DrawPicture& Drawing() const { return draw_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DrawPicture draw_;
};

}  // namespace zorvan::ui
