// The zorvan desktop program.
#include <QApplication>

#include "ui/application.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return zorvan::ui::RunApplication(app);
}
