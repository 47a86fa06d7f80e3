#include "ui/application.h"

#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>

#include "core/design_record.h"

namespace zorvan::ui {

int RunApplication(QApplication& app) {
  static EngineDesignRecord design;  // the one design of this run
  QMainWindow home;
  home.setObjectName("frm_HomeScreen");
  home.setWindowTitle("ZORVAN for Windows");
  auto* label = new QLabel("ZORVAN for Windows", &home);
  label->setAlignment(Qt::AlignCenter);
  home.setCentralWidget(label);
  home.resize(790, 632);
  home.show();
  return app.exec();
}

}  // namespace zorvan::ui
