// The QPainter canvas and the picture files: the same recorded drawing on an
// image, an SVG and a PDF.
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "render/painter_canvas.h"
#include "render/picture_files.h"

using namespace zorvan;

class RenderTest : public QObject {
  Q_OBJECT

 private slots:
  void mapsUserCoordinatesAndRefusesUnusableScales() {
    QImage image(200, 100, QImage::Format_ARGB32);
    QPainter painter(&image);
    PainterCanvas canvas(painter, QRectF(0, 0, 200, 100), 96);
    QVERIFY(!canvas.CanScale(0, 1, 0, -1));       // no width
    QVERIFY(!canvas.CanScale(0, 1, 1e-300, -1));  // a unit wider than the device can address
    QVERIFY(canvas.CanScale(-115.2, 11.4, 748.8, -14));
    canvas.Scale(-10, 5, 10, -5);  // y upwards
    QCOMPARE(canvas.Map(-10, 5), QPointF(0, 0));
    QCOMPARE(canvas.Map(10, -5), QPointF(200, 100));
    QCOMPARE(canvas.Map(0, 0), QPointF(100, 50));
  }

  // Inside a viewport a line drawn far beyond it stops at its edges; with
  // the whole surface again nothing is clipped.
  void clipsToTheViewport() {
    QImage image(200, 100, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      PainterCanvas canvas(painter, QRectF(0, 0, 200, 100), 72);  // a point is a pixel
      canvas.Viewport(50, 25, 100, 50);
      canvas.Scale(0, 1, 1, 0);
      canvas.Line(-1, 0.5, 2, 0.5, {palette::Red, 3, Dash::Solid});
      canvas.Line(0.5, -1, 0.5, 2, {palette::Red, 3, Dash::Solid});
      canvas.Viewport(0, 0, 0, 0);
      canvas.Scale(0, 0, 200, 100);
      canvas.Line(0, 10, 200, 10, {palette::Blue, 3, Dash::Solid});
    }
    auto red = [&](int x, int y) { return image.pixel(x, y) == qRgb(255, 0, 0); };
    int outside = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 200; ++x)
        outside += image.pixelColor(x, y).blue() < 200 && (x < 50 || x >= 150 || y < 25 || y >= 75) &&
                   image.pixelColor(x, y).red() > 100;  // anything reddish
    QCOMPARE(outside, 0);
    QVERIFY(red(50, 50) && red(149, 50) && red(100, 25) && red(100, 74));  // both lines, from edge to edge
    QCOMPARE(image.pixelColor(5, 10), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(195, 10), QColor(0, 0, 255));
  }

  void picturesOnEverySurface() {
    RecordingCanvas picture;
    picture.Clear(palette::White);
    picture.Scale(0, 0, 10, 10);
    picture.Box(2, 2, 8, 8, {palette::Red, 2, Dash::Solid}, true);
    picture.Text(5, 9, "ZORVAN", palette::Black, 10, Align::Centre);
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString() + "/p";
    QVERIFY(SavePicturePng(picture, base + ".png", 100, 100));
    QVERIFY(SavePictureSvg(picture, base + ".svg", 100, 100));
    QVERIFY(SavePicturePdf(picture, base + ".pdf", 100, 100));
    QImage png(QString::fromStdString(base + ".png"));
    QCOMPARE(png.pixelColor(50, 50), QColor(255, 0, 0));
    QCOMPARE(png.pixelColor(5, 5), QColor(255, 255, 255));
    std::ifstream svg(base + ".svg");
    std::string text((std::istreambuf_iterator<char>(svg)), std::istreambuf_iterator<char>());
    QVERIFY(text.find("<svg") != std::string::npos);
    std::ifstream pdf(base + ".pdf", std::ios::binary);
    std::string head(5, ' ');
    pdf.read(head.data(), 5);
    QCOMPARE(head, std::string("%PDF-"));
  }
};

QTEST_MAIN(RenderTest)
#include "render_test.moc"
