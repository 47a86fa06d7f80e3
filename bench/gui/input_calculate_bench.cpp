// Calculate on the one-cylinder screen for the start-up design: from the
// button's handler to the picture painted again, in an offscreen window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>

#include "ui/application.h"
#include "ui/frm_input_data.h"
#include "ui/picture_box.h"
#include "ui/quiet_platform.h"

namespace {

void BM_InputScreenCalculate(benchmark::State& state) {
  zorvan::ui::QuietPlatform quiet;
  zorvan::ui::Application app(quiet, quiet);
  zorvan::StartUpFacts facts;
  facts.documentsFolder = "/tmp";
  facts.registerFileType = false;
  app.Start(facts);
  app.Show(zorvan::ScreenId::Input, zorvan::Modality::Modeless);
  auto* screen = app.Screen<zorvan::ui::FrmInputData>(zorvan::ScreenId::Input);
  auto* calc = screen->findChild<QPushButton*>("cmd_Calc");
  auto* picture = screen->findChild<zorvan::ui::PictureBox*>("pct_Pict1");
  for (auto _ : state) {
    calc->click();
    picture->repaint();  // paints now, not at the next turn of the event loop
  }
}
BENCHMARK(BM_InputScreenCalculate)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
