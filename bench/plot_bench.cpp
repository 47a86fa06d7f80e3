// A four-window aligned plot of the V8 example built from the design and
// painted into an offscreen 1280 x 1024 image, as the plot screens do it.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "core/design.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "plots/plot_model.h"
#include "plots/plot_painter.h"
#include "render/painter_canvas.h"
#include "render/picture_files.h"
#include "core/startup.h"
#include "platform/messages.h"

namespace zorvan {
namespace {

void BM_FourWindowAlignedPlot(benchmark::State& state) {
  EnsurePictureSupport();
  MessageList told;
  auto d = std::make_unique<EngineDesignRecord>();
  Initialize(*d, told);
  LoadExample(*d, 5, told);
  PlotSelection s;
  s.WindowCount = 4;
  ApplyPlotPreset(s, "Torques - Gas, Inertia, Total, and Friction", 4);
  QImage image(1280, 1024, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    const PlotModel m = BuildPlot(*d, s, true);
    QPainter painter(&image);
    PainterCanvas canvas(painter, QRectF(0, 0, 1280, 1024), 72);
    PaintPlot(canvas, m);
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_FourWindowAlignedPlot)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvan
