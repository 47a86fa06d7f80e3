#pragma once
// The user screen: user name or project, design number and file name.
#include <QLineEdit>
#include <functional>
#include <string>

#include "ui/screen_base.h"

namespace zorvan::ui {

class Application;

class FrmUser : public ScreenDialog {
 public:
  explicit FrmUser(QWidget* parent);
  void Fill(const std::string& user, int designNumber, const std::string& fileName);

  // Next: true when the entries were taken; the screen then hides.
  std::function<bool(const std::string& name, const std::string& designNumber)> onDone;
  std::function<void(const std::string& fileName)> onFileName;
  std::function<void()> onClosed;  // after a successful Next

 private:
  void Done();
  bool eventFilter(QObject* watched, QEvent* event) override;
  QLineEdit* name_;
  QLineEdit* number_;
  QLineEdit* file_;
  QPushButton* done_;
};

// Creates the screen, wires it to the application and registers it.
void RegisterUser(Application& app);

}  // namespace zorvan::ui
