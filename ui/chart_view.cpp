#include "ui/chart_view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "core/error_report.h"
#include "files/atomic_file.h"
#include "render/painter_canvas.h"
#include "render/picture_files.h"
#include "ui/application.h"
#include "ui/qt_platform.h"

namespace zorvan::ui {

ChartView::ChartView(QWidget* parent, const char* name, ChartOptions options) : QWidget(parent) {
  setObjectName(name);
  setMouseTracking(true);
  setMinimumSize(options.minimum);
  if (options.plot) {
    paint_ = [this](Canvas& c, int cursor) { areas_ = PaintPlot(c, model_, cursor); };
    rowAt_ = [this](double x, double y) { return PlotRowAt(areas_, x, y); };
  }
  auto add = [this](const char* objectName, const QString& text, std::function<void()>* call) {
    auto* a = new QAction(text, this);
    a->setObjectName(objectName);
    connect(a, &QAction::triggered, this, [call] {
      if (*call) (*call)();
    });
    actions_ << a;
  };
  add("mnu_SaveImage", "Save &Image...", &onSaveImage);
  add("mnu_CopyImage", "Copy I&mage", &onCopyImage);
  if (!options.withData) return;
  add("mnu_CopyData", "Copy &Data", &onCopyData);
  add("mnu_SaveData", "Save D&ata...", &onSaveData);
}

void ChartView::SetPaint(Paint paint) {
  paint_ = std::move(paint);
  update();
}

void ChartView::SetModel(PlotModel model) {
  model_ = std::move(model);
  update();
}

void ChartView::SetCursorRow(int row) {
  if (row == cursor_) return;
  cursor_ = row;
  update();
}

void ChartView::AnswerActions(Application& app, const std::string& screen, DrawChart draw,
                              std::function<std::string()> csv, QSize size) {
  auto pictureSize = [this, size] { return size.isEmpty() ? PictureSize() : size; };
  onSaveImage = [&app, screen, draw, pictureSize] { SaveChartImage(app, draw, pictureSize(), screen + ".SaveImage"); };
  onCopyImage = [draw, pictureSize] { CopyChartImage(draw, pictureSize()); };
  if (!csv) return;
  onCopyData = [csv] { CopyChartText(csv()); };
  onSaveData = [&app, screen, csv] { SaveChartData(app, csv(), screen + ".SaveData"); };
}

QSize ChartView::PictureSize() const { return width() >= 200 && height() >= 150 ? size() : QSize(1280, 1024); }

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PainterCanvas canvas(painter, QRectF(rect()), 72);
  if (paint_) paint_(canvas, cursor_);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  if (rowAt_) SetCursorRow(rowAt_(event->position().x(), event->position().y()));
}

void ChartView::leaveEvent(QEvent*) { SetCursorRow(-1); }

void ChartView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addActions(actions_);
  menu.exec(event->globalPos());
}

namespace {

// Writes a file the user named; one that cannot be written is told with its path and the reason.
template <class Write>
void WriteOrTell(Ui& ui, const char* what, const std::string& path, Write&& write) {
  try {
    write();
  } catch (const std::exception& e) {
    if (ErrorNumberOf(e) == err::OutOfMemory) throw;
    Tell(ui, NotWrittenMessage(what, path, e));
  }
}

}  // namespace

void SaveChartImage(Application& app, const DrawChart& draw, QSize size, const std::string& procedure) {
  Guarded(app.GetUi(), procedure, [&] {
    FileDialogRequest request{"Save Image", "PNG image (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf|",
                              app.Values().FileName + ".png", app.Values().FilePath, true};
    const auto path = app.GetDialogs().SaveFileName(request);
    if (!path) return;
    std::string file = *path;
    if (!PictureBytes([](Canvas&) {}, file, 1, 1)) file += ".png";
    EnsurePictureSupport();
    WriteOrTell(app.GetUi(), "picture", file, [&] { SavePictureFile(draw, file, size.width(), size.height()); });
  });
}

void CopyChartImage(const DrawChart& draw, QSize size) {
  const std::string png = PicturePngBytes(draw, size.width(), size.height());
  QGuiApplication::clipboard()->setImage(
      QImage::fromData(reinterpret_cast<const uchar*>(png.data()), static_cast<int>(png.size()), "PNG"));
}

void CopyChartText(const std::string& text) { QGuiApplication::clipboard()->setText(QtText(text)); }

void SaveChartData(Application& app, const std::string& text, const std::string& procedure) {
  Guarded(app.GetUi(), procedure, [&] {
    FileDialogRequest request{"Save Data", "CSV data (*.csv)|*.csv|All (*.*)|*.*|", app.Values().FileName + ".csv",
                              app.Values().FilePath, true};
    const auto path = app.GetDialogs().SaveFileName(request);
    if (path) WriteOrTell(app.GetUi(), "data file", *path, [&] { ReplaceFileAtomically(*path, text); });
  });
}

}  // namespace zorvan::ui
