// Renders the program's SVG icon as PNG files at the sizes of the hicolor
// theme: render_icon ICON.svg OUTDIR SIZE... writes OUTDIR/NxN/zorvan.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: render_icon ICON.svg OUTDIR SIZE...\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) return 1;
  for (int i = 3; i < argc; ++i) {
    const int size = QString(argv[i]).toInt();
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QString dir = QString("%1/%2x%2").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    QDir().mkpath(dir);
    if (!image.save(dir + "/zorvan.png")) return 1;
  }
  return 0;
}
