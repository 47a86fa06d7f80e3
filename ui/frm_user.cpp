#include "ui/frm_user.h"

#include <memory>

#include "ui/application.h"
#include "ui/frm_home_screen.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace zorvan::ui {

namespace {
QLineEdit* NamedEdit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMinimumWidth(220);
  return e;
}
}  // namespace

FrmUser::FrmUser(QWidget* parent) : ScreenDialog(parent, "frm_User") {
  setWindowTitle("User");
  name_ = NamedEdit(this, "txt_UserName");
  number_ = NamedEdit(this, "txt_DesignNo");
  file_ = NamedEdit(this, "txt_Filename");
  done_ = NamedButton(this, "cmd_Done", "Next >");
  done_->setAutoDefault(false);

  auto* form = new QVBoxLayout;
  form->addWidget(NamedLabel(this, "lbl_UserName", "Please enter your name and/or a project ID:"));
  form->addWidget(name_);
  form->addSpacing(8);
  form->addWidget(NamedLabel(this, "lbl_DesignNo", "Please enter a design number:"));
  form->addWidget(number_);
  form->addSpacing(8);
  form->addWidget(NamedLabel(this, "lbl_Filename", "Please enter a disk filename (< 9 chars)"));
  form->addWidget(file_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(done_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->addLayout(form);
  layout->addStretch();
  layout->addLayout(buttons);
  resize(400, 260);

  // Enter in the name box moves on to Next; Enter or leaving the file box stores the name.
  connect(name_, &QLineEdit::returnPressed, done_, [this] { done_->setFocus(); });
  connect(file_, &QLineEdit::returnPressed, this, [this] { if (onFileName) onFileName(file_->text().toStdString()); });
  connect(file_, &QLineEdit::editingFinished, this, [this] { if (onFileName) onFileName(file_->text().toStdString()); });
  connect(done_, &QPushButton::clicked, this, &FrmUser::Done);
  done_->installEventFilter(this);
}

void FrmUser::Fill(const std::string& user, int designNumber, const std::string& fileName) {
  name_->setText(QString::fromStdString(user));
  number_->setText(QString::number(designNumber));
  file_->setText(QString::fromStdString(fileName));
}

bool FrmUser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == done_ && event->type() == QEvent::KeyPress) {
    auto key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Done();
      return true;
    }
  }
  return ScreenDialog::eventFilter(watched, event);
}

void FrmUser::Done() {
  if (name_->text().isEmpty()) {
    name_->setFocus();
    return;
  }
  if (onDone && !onDone(name_->text().toStdString(), number_->text().toStdString())) {
    number_->setFocus();
    return;
  }
  hide();
  if (onClosed) onClosed();
}

void RegisterUser(Application& app) {
  auto user = std::make_unique<FrmUser>(nullptr);
  FrmUser* u = user.get();
  u->onDone = [&app](const std::string& name, const std::string& number) {
    return app.GetShell().AcceptUser(name, number);
  };
  u->onFileName = [&app](const std::string& name) { app.GetShell().SetFileName(name); };
  u->onClosed = [&app] {
    auto* home = app.Screen<FrmHomeScreen>(ScreenId::Home);
    home->show();
    home->Refresh();
  };
  auto fill = [&app, u](Modality) {
    const ProgramValues& v = app.Values();
    u->Fill(v.UserName, v.DesignNumber, v.FileName);
  };
  app.Register({ScreenId::User, std::move(user), fill, true, {}});
}

}  // namespace zorvan::ui
