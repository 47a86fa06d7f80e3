#include "ui/frm_help.h"

#include <algorithm>
#include <memory>

#include "ui/application.h"

#include <QMenuBar>
#include <QScreen>
#include <QUrl>

namespace zorvan::ui {

QString HelpDocument(HelpTopic topic) {
  static const char* const kPages[kHelpTopicCount] = {
      "general_info", "clipboard", "menu_file", "menu_units", "menu_examples", "menu_charts",
      "button_input", "button_plot", "button_print", "button_balance", "button_assemble",
      "button_flywheel", "user_manual", "input_data", "engine_assembly", "plotting",
      "orders", "design_study", "printing", "flywheel", "balancing",
      "polar_plots", "power_chart", "phasors", "torsional", "balance_shafts", "compare",
      "pv_diagram"};
  int i = static_cast<int>(topic);
  return QString(":/help/%1.html").arg(kPages[i >= 0 && i < kHelpTopicCount ? i : 0]);
}

FrmHelp::FrmHelp(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frm_Help");
  setWindowTitle("ZORVAN Help");
  setWindowFlag(Qt::Window);
  viewer_ = new QTextBrowser(this);
  viewer_->setObjectName("brw_Help");
  viewer_->setOpenLinks(true);
  viewer_->setOpenExternalLinks(false);
  viewer_->setSearchPaths({":/help"});
  setCentralWidget(viewer_);

  QMenu* menu = menuBar()->addMenu("&Resize Form");
  menu->setObjectName("mnu_Resize");
  auto add = [&](const char* name, const QString& text, auto slot) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, slot);
  };
  add("mnu_Enlarge", "&Enlarge", [this] { Scale(1.25); });
  add("mnu_Shrink", "&Shrink", [this] { Scale(0.8); });
  add("mnu_Close", "&Close Form", [this] { close(); });
  menu->actions().back()->setShortcut(Qt::Key_Escape);
  resize(680, 520);
}

void FrmHelp::ShowTopic(HelpTopic topic) {
  viewer_->setSource(QUrl("qrc" + HelpDocument(topic)));
}

void FrmHelp::Scale(double factor) {
  QSize s = size() * factor;
  QSize least(320, 240);
  resize(s.expandedTo(least));
  // Never beyond its screen, its frame included.
  if (!screen()) return;
  const QRect area = screen()->availableGeometry();
  const QSize frame = (frameGeometry().size() - size()).expandedTo(QSize(16, 48));
  resize(size().boundedTo(area.size() - frame));
  const QSize outer = size() + frame;
  move(std::max(area.left(), std::min(x(), area.left() + area.width() - outer.width())),
       std::max(area.top(), std::min(y(), area.top() + area.height() - outer.height())));
}

void RegisterHelp(Application& app) {
  auto help = std::make_unique<FrmHelp>(nullptr);
  FrmHelp* h = help.get();
  app.Register({ScreenId::Help, std::move(help), {}, true, {{"", [h] { h->ShowTopic(HelpTopic::UserManual); }}}});
}

}  // namespace zorvan::ui
