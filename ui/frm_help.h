#pragma once
// The help screen: a document viewer for the help pages, with the Resize Form menu.
#include <QMainWindow>
#include <QTextBrowser>

#include "platform/screens.h"

namespace zorvan::ui {

class Application;

// The resource path of a topic's page (":/help/general_info.html" ...).
QString HelpDocument(HelpTopic topic);

class FrmHelp : public QMainWindow {
 public:
  explicit FrmHelp(QWidget* parent);
  void ShowTopic(HelpTopic topic);
  QTextBrowser* Viewer() const { return viewer_; }

 private:
  void Scale(double factor);
  QTextBrowser* viewer_;
};

// Creates the screen, wires it to the application and registers it.
void RegisterHelp(Application& app);

}  // namespace zorvan::ui
