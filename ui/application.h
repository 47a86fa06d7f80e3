#pragma once
#include <QApplication>

namespace zorvan::ui {
// Start-up of the desktop program; returns the exit code of the event loop.
int RunApplication(QApplication& app);
}  // namespace zorvan::ui
