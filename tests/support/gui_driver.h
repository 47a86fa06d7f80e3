#pragma once
// Drives the real widgets of a screen by objectName, as a user would: type
// into a box, leave it, click, pick, and read what the screen shows. A widget
// that is not there fails the test with its name.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <string>

#include "ui/application.h"

namespace zorvan::test {

class GuiDriver {
 public:
  explicit GuiDriver(ui::Application& app) : app_(app) {}

  QWidget* Screen(ScreenId id) const {
    QWidget* w = app_.Screen<QWidget>(id);
    if (!w) qFatal("screen %d is not registered", int(id));
    return w;
  }
  template <class W = QWidget>
  W* Find(ScreenId id, const QString& name) const {
    W* w = Screen(id)->findChild<W*>(name);
    if (!w) qFatal("no widget %s", qPrintable(name));
    return w;
  }
  template <class W = QWidget>
  bool Has(ScreenId id, const QString& name) const {
    return Screen(id)->findChild<W*>(name) != nullptr;
  }
  // Replaces a box's text as typed keys would, then leaves the box (focus out).
  void Type(ScreenId id, const QString& name, const QString& text, bool leave = true) const {
    auto* box = Find<QLineEdit>(id, name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);  // emptied as a user empties it
    if (leave) emit box->editingFinished();
  }
  // Enter in a box.
  void Enter(ScreenId id, const QString& name) const { QTest::keyClick(Find<QLineEdit>(id, name), Qt::Key_Return); }
  void Click(ScreenId id, const QString& name) const {
    auto* b = Find<QAbstractButton>(id, name);
    if (!b->isEnabled()) qFatal("%s is disabled", qPrintable(name));
    b->click();
  }
  void Trigger(ScreenId id, const QString& name) const {
    auto* a = Find<QAction>(id, name);
    if (!a->isEnabled()) qFatal("%s is disabled", qPrintable(name));
    a->trigger();
  }
  void Pick(ScreenId id, const QString& name, int index) const { Find<QComboBox>(id, name)->setCurrentIndex(index); }
  QString Text(ScreenId id, const QString& name) const {
    QWidget* w = Find(id, name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return {};
  }
  bool Enabled(ScreenId id, const QString& name) const { return Find(id, name)->isEnabled(); }

 private:
  ui::Application& app_;
};

}  // namespace zorvan::test
