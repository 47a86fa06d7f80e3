#include "ui/screen_base.h"

#include <QEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "core/captions.h"
#include "ui/qt_platform.h"

namespace zorvan::ui {

void SetTitlebox(QWidget* screen, const ProgramValues& values) {
  if (auto* header = screen->findChild<QLabel*>("lbl_Header"))
    header->setText(QtText(TitleboxText(values)));
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setMinimumWidth(96);
  return b;
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QGroupBox* InfoPanel(QWidget* parent, QBoxLayout* into, const char* frame, const QString& caption,
                     std::initializer_list<std::pair<QLabel**, const char*>> labels) {
  auto* g = new QGroupBox(caption, parent);
  g->setObjectName(frame);
  auto* layout = new QVBoxLayout(g);
  for (const auto& [label, name] : labels) layout->addWidget(*label = NamedLabel(g, name, ""));
  into->addWidget(g);
  return g;
}

QLineEdit* NamedBox(QWidget* parent, const QString& name, const char* tip, int maxWidth, QObject* filter) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  if (tip) box->setToolTip(tip);
  box->setMaximumWidth(maxWidth);
  box->installEventFilter(filter);
  return box;
}

void SelectAllOnFocus(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusIn) return;
  if (auto* box = qobject_cast<QLineEdit*>(watched)) QTimer::singleShot(0, box, &QLineEdit::selectAll);
}

QSlider* SpeedSlider(QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName("hsc_speed");
  slider->setRange(0, 32767);
  slider->setToolTip("Change animation speed");
  return slider;
}

QComboBox* SpeedRangeList(QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName("cmb_wait");
  list->setEditable(true);
  list->setToolTip("Change the range of the speed slider above");
  for (const char* item : {"10", "20", "40", "100", "500"}) list->addItem(item);
  list->setEditText("1000");
  list->setMinimumWidth(80);
  return list;
}

int SpeedRangeOf(const QString& text) {
  bool ok = false;
  const int range = text.trimmed().toInt(&ok);
  return ok && range > 0 ? range : 0;
}

ScreenDialog::ScreenDialog(QWidget* parent, const char* name) : QDialog(parent) {
  setObjectName(name);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

}  // namespace zorvan::ui
