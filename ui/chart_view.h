#pragma once
// A picture drawn by one of the chart painters at the widget's own size: a
// plot model (the cartesian plots, the flywheel's, the design study's), the
// polar plot, the power chart, the phasor diagrams. It can follow the pointer
// with a cursor row, and offers Save Image…, Copy Image and, where the
// picture has numbers, Copy Data and Save Data… in its context menu.
#include <QAction>
#include <QSize>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "plots/plot_model.h"
#include "plots/plot_painter.h"

namespace zorvan::ui {

class Application;
using DrawChart = std::function<void(Canvas&)>;

struct ChartOptions {
  bool withData = true;     // Copy Data and Save Data… after the picture's actions
  QSize minimum{160, 120};  // the smallest size of the view
  bool plot = false;        // draws the plot model of SetModel, the cursor on the row nearest the pointer
};
// A plot model's view.
inline constexpr ChartOptions kPlotChart{true, {200, 150}, true};

class ChartView : public QWidget {
 public:
  using Paint = std::function<void(Canvas&, int cursorRow)>;
  // A row under the pointer (points from the widget's top left), or -1.
  using RowAt = std::function<int(double x, double y)>;

  ChartView(QWidget* parent, const char* name, ChartOptions options = {});
  void SetPaint(Paint paint);
  // The plot model a plot view draws.
  void SetModel(PlotModel model);
  const PlotModel& Model() const { return model_; }
  void SetRowAt(RowAt rowAt) { rowAt_ = std::move(rowAt); }
  int CursorRow() const { return cursor_; }
  void SetCursorRow(int row);
  // The actions of the context menu, for a screen's Graph menu too.
  QList<QAction*> Actions() const { return actions_; }
  std::function<void()> onSaveImage, onCopyImage, onCopyData, onSaveData;
  // The usual answers of the actions (the routines below): the picture `draw`
  // at `size` (empty: PictureSize()) to a file or the clipboard, the numbers
  // `csv` (none: no numbers) to the clipboard or a CSV file; failures under
  // "<screen>.SaveImage" and "<screen>.SaveData".
  void AnswerActions(Application& app, const std::string& screen, DrawChart draw, std::function<std::string()> csv = {},
                     QSize size = {});

  // The picture at this size, as drawn for files and the clipboard.
  void Draw(Canvas& c) const {
    if (paint_) paint_(c, -1);
  }
  // The size a picture of the view is made at: the view's own, or a page when it is not laid out.
  QSize PictureSize() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  Paint paint_;
  RowAt rowAt_;
  PlotModel model_;
  std::vector<PlotArea> areas_;  // where the plot model's windows were drawn
  int cursor_ = -1;
  QList<QAction*> actions_;
};

// The usual answers of a chart view's actions: a picture file chosen in the
// save dialog (PNG, SVG or PDF by its extension), the picture or the text
// to the clipboard, the text to a CSV file; failures under `procedure`.
void SaveChartImage(Application& app, const DrawChart& draw, QSize size, const std::string& procedure);
void CopyChartImage(const DrawChart& draw, QSize size);
void CopyChartText(const std::string& text);
void SaveChartData(Application& app, const std::string& text, const std::string& procedure);

}  // namespace zorvan::ui
