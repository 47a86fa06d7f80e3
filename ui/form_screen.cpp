#include "ui/form_screen.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/error_report.h"
#include "ui/application.h"
#include "ui/frm_home_screen.h"
#include "ui/linkage_animator.h"
#include "ui/print_form.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {

// A screen's own layout: as large as it needs on a screen with room for it,
// scrolled on a smaller one, so the window never grows beyond its screen.
class BodyArea : public QScrollArea {
 public:
  explicit BodyArea(QWidget* parent) : QScrollArea(parent) {
    setObjectName("scr_Body");
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
  }
  QSize minimumSizeHint() const override {
    const QSize want = widget() ? widget()->minimumSizeHint() : QSize();
    const QScreen* s = screen();
    if (!s) return want;
    // What the window holds besides: a frame, the menu bar, the header caption and the commands.
    QSize besides(16, 48);
    if (auto* w = qobject_cast<QMainWindow*>(window()); w && w->menuWidget())
      besides.rheight() += w->menuWidget()->sizeHint().height();
    if (QLayout* l = parentWidget()->layout()) {
      const QMargins m = l->contentsMargins();
      besides += QSize(m.left() + m.right(), m.top() + m.bottom());
      for (int i = 0; i < l->count(); ++i)
        if (l->itemAt(i)->widget() != this) besides.rheight() += l->itemAt(i)->minimumSize().height() + l->spacing();
    }
    return want.boundedTo((s->availableGeometry().size() - besides).expandedTo(QSize(200, 150)));
  }
  QSize sizeHint() const override { return minimumSizeHint(); }
};

}  // namespace

FormScreen::FormScreen(Application& app, const char* name) : app_(app) { setObjectName(name); }

// The boxes lose their focus while the window is taken down: by then the
// screen's own members are gone, so nothing of theirs may answer.
FormScreen::~FormScreen() {
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void FormScreen::DesignTouched() { app_.DesignTouched(this); }

void FormScreen::OnLeave(QLineEdit* box, std::function<void()> procedure) {
  connect(box, &QLineEdit::editingFinished, this, [this, procedure = std::move(procedure)] {
    if (!filling_) Run(procedure);
  });
}

void FormScreen::Lay(QLayout* body, QWidget* commands) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(NamedLabel(central, "lbl_Header", ""));
  auto* area = new BodyArea(central);
  auto* inner = new QWidget(area);
  body->setContentsMargins(0, 0, 0, 0);
  inner->setLayout(body);
  area->setWidget(inner);
  layout->addWidget(area, 1);
  layout->addWidget(commands);
  setCentralWidget(central);
}

QWidget* FormScreen::CommandRow(std::initializer_list<Command> commands) {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  for (const Command& c : commands) {
    if (!c.name) {
      layout->addStretch(1);
      continue;
    }
    QPushButton* b = NamedButton(row, c.name, c.caption);
    layout->addWidget(b);
    if (c.run) connect(b, &QPushButton::clicked, this, c.run);
    if (c.keep) *c.keep = b;
  }
  return row;
}

void FormScreen::HelpMenu(const char* caption, std::string procedure, HelpTopic topic) {
  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("mnu_HelpMenu");
  QAction* page = help->addAction(caption);
  page->setObjectName("mnu_Help");
  page->setShortcut(QKeySequence::HelpContents);
  connect(page, &QAction::triggered, this, [this, procedure = std::move(procedure), topic] {
    Guarded(app_.GetUi(), procedure, [&] { app_.ShowHelp(topic); });
  });
}

void FormScreen::GraphMenu(const QList<QAction*>& actions) {
  QMenu* graph = menuBar()->addMenu("&Graph");
  graph->setObjectName("mnu_Graph");
  graph->addActions(actions);
}

bool FormScreen::eventFilter(QObject* watched, QEvent* event) {
  SelectAllOnFocus(watched, event);
  // Alt with a letter is a command's access key; when that command is disabled
  // the key must not type its letter into the box.
  if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
    const auto mods = static_cast<QKeyEvent*>(event)->modifiers();
    if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier)) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void FormScreen::closeEvent(QCloseEvent* event) {
  event->ignore();
  Back();
}

void FormScreen::keyPressEvent(QKeyEvent* event) {
  if (escapeBack_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Back();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void FormScreen::ReturnHome() {
  hide();
  auto* home = app_.Screen<FrmHomeScreen>(ScreenId::Home);
  home->show();
  home->Refresh();
}

std::unique_ptr<LinkageAnimator> FormScreen::MakeAnimator(PictureBox& picture, QWidget* done) {
  auto animator = std::make_unique<LinkageAnimator>(picture, app_.Design(), app_.GetUi());
  animator->EnableWhenFinished(this, done);
  return animator;
}

void FormScreen::PrintThisForm() {
  const std::string procedure = objectName().toStdString() + ".PrintForm";
  PrintForm(*this, app_.GetUi(), app_.Printer(), procedure.c_str());
}

AnimationSpeed::AnimationSpeed(QObject* screen, QSlider* slider, QComboBox* ranges, int& delay, int& range)
    : slider_(slider), ranges_(ranges), delay_(delay), range_(range) {
  QObject::connect(ranges_, &QComboBox::currentTextChanged, screen, [this](const QString& text) {
    if (int r = SpeedRangeOf(text)) range_ = r;
  });
}

void AnimationSpeed::Restore() {
  const int listed = SpeedRangeOf(ranges_->currentText());
  range_ = listed ? listed : 10;
  slider_->setValue(32767 - delay_);
}

void AnimationSpeed::Start(LinkageAnimator& animator) {
  delay_ = 32767 - slider_->value();
  animator.Run(range_, delay_);
}

}  // namespace zorvan::ui
