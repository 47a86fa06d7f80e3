#pragma once
// A picture box: shows the drawing held on its recording canvas, painted
// again with QPainter whenever the window needs it.
#include <QWidget>

#include "platform/recording_canvas.h"

namespace zorvan::ui {

class PictureBox : public QWidget {
 public:
  PictureBox(QWidget* parent, const char* name);
  // The drawing; draw on it, then call update().
  RecordingCanvas& Picture() { return picture_; }
  const RecordingCanvas& Picture() const { return picture_; }
  // Autoscale: the drawing keeps its shape in the largest centred square.
  void SetKeepSquare(bool on) { keepSquare_ = on; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RecordingCanvas picture_;
  bool keepSquare_ = true;
};

}  // namespace zorvan::ui
