// The zorvan desktop program.
#include <QApplication>
#include <cstring>

#include "ui/application.h"

int main(int argc, char** argv) {
  // Pictures of the screens are drawn without a display.
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--snapshot") == 0) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return zorvan::ui::RunApplication(app);
}
