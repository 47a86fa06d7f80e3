#include "ui/frm_home_screen.h"

#include <QKeySequence>

#include <memory>

#include "ui/application.h"

#include <QCloseEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

namespace zorvan::ui {

FrmHomeScreen::FrmHomeScreen(Shell& shell) : shell_(shell) {
  setObjectName("frm_HomeScreen");
  BuildMenus();
  auto* central = new QWidget(this);
  auto* title = new QLabel("ZORVAN", central);
  title->setObjectName("lbl_Title");
  QFont big = title->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  title->setFont(big);
  auto* purpose =
      new QLabel("A Program for the Mechanical Dynamic Analysis of IC Engines and Compressors", central);
  purpose->setObjectName("lbl_Purpose");
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(24, 16, 24, 16);
  layout->setSpacing(12);
  layout->addWidget(title);
  layout->addWidget(purpose);
  layout->addWidget(BuildCommands(), 1);
  layout->addWidget(BuildStatus());
  setCentralWidget(central);
  // 11850 x 9480 layout units at 1440 per inch, on a 96-dot display.
  resize(790, 632);
}

QAction* FrmHomeScreen::Action(QMenu* menu, const QString& name, const QString& text, std::function<void()> run) {
  QAction* a = menu->addAction(text);
  a->setObjectName(name);
  connect(a, &QAction::triggered, this, [this, run = std::move(run)] { Run(run); });
  return a;
}

void FrmHomeScreen::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto menu = [&](const char* name, const QString& text, QMenu* parent = nullptr) {
    QMenu* m = parent ? parent->addMenu(text) : bar->addMenu(text);
    m->setObjectName(name);
    return m;
  };

  QMenu* file = menu("mnu_file", "&File");
  new_ = Action(file, "mnu_New", "&New", [this] { shell_.New(); });
  new_->setShortcut(QKeySequence::New);
  Action(file, "mnu_Open", "&Open", [this] { shell_.Open(); })->setShortcut(QKeySequence::Open);
  file->addSeparator();
  save_ = Action(file, "mnu_Save", "&Save", [this] { shell_.Save(); });
  save_->setShortcut(QKeySequence::Save);
  saveAs_ = Action(file, "mnu_Saveas", "Save &as", [this] { shell_.SaveAs(); });
  file->addSeparator();
  Action(file, "mnu_ImportPressure", "&Import Pressure...", [this] { shell_.ImportPressure(); });
  Action(file, "mnu_BuiltInPressure", "&Built-in Pressure Curve", [this] { shell_.UseBuiltInPressure(); });
  file->addSeparator();
  export_ = menu("mnu_Export", "&Export", file);
  Action(export_, "mnu_Spread", "&Spreadsheet", [this] { shell_.ExportSpreadsheet(); });
  file->addSeparator();
  Action(file, "mnu_Compare", "Compare &With...", [this] { shell_.CompareWith(); });
  showCompare_ = Action(file, "mnu_ShowCompare", "Compa&rison", [this] { shell_.OpenScreen(ScreenId::Compare, Modality::Modeless); });
  stopCompare_ = Action(file, "mnu_StopCompare", "S&top Comparing", [this] { shell_.StopComparing(); });
  file->addSeparator();
  Action(file, "mnu_Quit", "&Quit", [this] { shell_.Quit(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* units = menu("mnu_Units", "&Units");
  const char* const kUnits[] = {"&in-lb-s", "&ft-lb-s", "m-kg-s (&SI)", "&cm-kg-s", "&mm-kg-s"};
  for (int i = 0; i < 5; ++i) {
    pick_[i] = Action(units, QString("mnu_pick_%1").arg(i + 1), kUnits[i], [this, i] { shell_.PickUnits(i + 1); });
    pick_[i]->setCheckable(true);
  }

  QMenu* examples = menu("mnu_Examples", "&Examples");
  const char* const kExamples[] = {
      "Four cyl inline with 0-90-180-270 crank", "Four cyl inline with 0-180-0-180 crank",
      "Four cyl inline with 0-180-180-0 crank",  "Four cyl inline with 0-90-270-180 crank",
      "Six cyl inline with 0-240-120-120-240-0 crank", "Vee 8 with 0-90-270-180 crank",
      "W12 with 0-180-180-0 crank"};
  for (int i = 0; i < 7; ++i)
    Action(examples, QString("mnu_examp_%1").arg(i + 1), kExamples[i], [this, i] { shell_.LoadExample(i + 1); });

  QMenu* charts = menu("mnu_Charts", "&Charts");
  const char* const kCharts[] = {"&Engine Data", "M&ass Data", "F&iring Order", "&Force Balance",
                                 "&Moment Balance", "&Torque Balance", "P&ower Charts", "&Rod Load",
                                 "Or&ders", "Design &Study",
                                 "P&hasor Diagrams", "Torsional &Vibration", "p-V Dia&gram"};
  for (int i = 0; i < kChartCount; ++i)
    chart_[i] = Action(charts, QString("mnu_Chart_%1").arg(i), kCharts[i], [this, i] { shell_.ShowChart(i); });

  QMenu* user = menu("mnu_User", "U&ser");
  Action(user, "mnu_UserName", "User Name", [this] { shell_.ShowUserName(); });
  Action(user, "mnu_FilePath", "File Path", [this] { shell_.ShowFilePath(); });
  Action(user, "mnu_AppPath", "Application Path", [this] { shell_.ShowApplicationPath(); });
  Action(user, "mnu_ChangeName", "Change Project/File Name", [this] { if (onUser) onUser(); });

  QMenu* screen = menu("mnu_Screen", "Screen Si&ze");
  Action(screen, "mnu_Standardsize", "Standard", [this] { shell_.SetScreenSize(false); });
  Action(screen, "mnu_Fullscreen", "Maximize", [this] { shell_.SetScreenSize(true); });

  QMenu* help = menu("mnu_HelpHeader", "&Help");
  auto topic = [&](QMenu* m, HelpTopic t, const QString& text) {
    Action(m, QString("mnu_Help_%1").arg(static_cast<int>(t)), text, [this, t] { shell_.ShowHelp(t); });
  };
  topic(help, HelpTopic::GeneralInfo, "General Info");
  help->actions().back()->setShortcut(QKeySequence::HelpContents);
  topic(help, HelpTopic::Clipboard, "Copying to Clipboard");
  QMenu* items = menu("mnu_HelpMenus", "Menu Items", help);
  topic(items, HelpTopic::MenuFile, "File");
  topic(items, HelpTopic::MenuUnits, "Units");
  topic(items, HelpTopic::MenuExamples, "Examples");
  topic(items, HelpTopic::MenuCharts, "Charts");
  QMenu* buttons = menu("mnu_HelpButtons", "Buttons", help);
  topic(buttons, HelpTopic::ButtonInput, "Input");
  topic(buttons, HelpTopic::ButtonPlot, "Plot");
  topic(buttons, HelpTopic::ButtonPrint, "Print");
  topic(buttons, HelpTopic::ButtonBalance, "Balance");
  topic(buttons, HelpTopic::ButtonAssemble, "Assemble");
  topic(buttons, HelpTopic::ButtonFlywheel, "Flywheel");
  topic(help, HelpTopic::UserManual, "User Manual");

  QMenu* about = menu("mnu_Version", "Ab&out");
  Action(about, "mnu_About", "&About ZORVAN", [this] { if (onAbout) onAbout(); });
  Action(about, "mnu_Disclaimer", "&Disclaimer", [this] { if (onDisclaimer) onDisclaimer(); });
}

QWidget* FrmHomeScreen::BuildCommands() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(16);
  grid->setVerticalSpacing(10);
  int row = 0;
  auto command = [&](const char* name, const QString& caption, const QString& hint,
                     std::function<void()> run) {
    auto* b = new QPushButton(caption, box);
    b->setObjectName(name);
    b->setMinimumSize(140, 34);
    b->setToolTip(hint);
    auto* h = new QLabel(hint, box);
    h->setObjectName(QString("lbl_Hint_%1").arg(QString(name).mid(4)));
    grid->addWidget(b, row, 0);
    grid->addWidget(h, row, 1);
    ++row;
    connect(b, &QPushButton::clicked, this, [this, run = std::move(run)] { Run(run); });
    return b;
  };
  input_ = command("cmd_Input", "&Input", "Create a single cylinder engine",
                   [this] { shell_.OpenScreen(ScreenId::Input); });
  balance_ = command("cmd_Balance", "&Balance", "Balance one cylinder",
                     [this] { shell_.OpenScreen(ScreenId::Balance); });
  assemble_ = command("cmd_Assemble", "&Assemble", "Assemble balanced cylinders into an engine", [this] {
    hide();
    shell_.OpenScreen(ScreenId::Assemble);
  });
  plot_ = command("cmd_Plot", "&Plot", "", [this] { shell_.OpenScreen(ScreenId::Plot); });
  print_ = command("cmd_Print", "P&rint", "", [this] { shell_.OpenScreen(ScreenId::Print); });
  flywheel_ = command("cmd_Flywheel", "F&lywheel", "Calculate data for a flywheel",
                      [this] { shell_.OpenScreen(ScreenId::Flywheel); });
  quit_ = command("cmd_Quit", "&Quit", "", [this] { shell_.Quit(); });
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row, 1);
  return box;
}

QWidget* FrmHomeScreen::BuildStatus() {
  auto* panel = new QGroupBox(" Status:", this);
  panel->setObjectName("pnl_Status");
  auto* row = new QHBoxLayout(panel);
  units_ = new QLabel(panel);
  units_->setObjectName("lbl_Units");
  units_->setFrameShape(QFrame::StyledPanel);
  units_->setMinimumWidth(100);
  units_->setAlignment(Qt::AlignCenter);
  row->addWidget(units_);
  const char* const kIndicators[] = {"Calculated", "Balanced", "Assembled", "Flywheel", "Saved"};
  for (int i = 0; i < 5; ++i) {
    status_[i] = new QLabel(kIndicators[i], panel);
    status_[i]->setObjectName(QString("lbl_Status_%1").arg(i));
    status_[i]->setFrameShape(QFrame::StyledPanel);
    status_[i]->setAlignment(Qt::AlignCenter);
    status_[i]->setMinimumWidth(90);
    QSizePolicy keep = status_[i]->sizePolicy();
    keep.setRetainSizeWhenHidden(true);  // the panel keeps its places when indicators hide
    status_[i]->setSizePolicy(keep);
    row->addWidget(status_[i]);
  }
  row->addStretch();
  return panel;
}

void FrmHomeScreen::Run(const std::function<void()>& command) {
  command();
  Refresh();
  if (onCommandDone) onCommandDone();
}

void FrmHomeScreen::Refresh() {
  HomeState s = shell_.State();
  new_->setEnabled(s.fileNew);
  save_->setEnabled(s.fileSave);
  saveAs_->setEnabled(s.fileSaveAs);
  export_->menuAction()->setEnabled(s.fileExport);
  for (QAction* a : {showCompare_, stopCompare_}) a->setEnabled(shell_.GetComparison().Active());
  for (int i = 0; i < kChartCount; ++i) chart_[i]->setEnabled(s.chart[i]);
  for (int i = 0; i < 5; ++i) pick_[i]->setChecked(s.unitSystem == i + 1);
  input_->setEnabled(s.cmdInput);
  plot_->setEnabled(s.cmdPlot);
  print_->setEnabled(s.cmdPrint);
  balance_->setEnabled(s.cmdBalance);
  flywheel_->setEnabled(s.cmdFlywheel);
  assemble_->setEnabled(s.cmdAssemble);
  if (s.focusToInput && input_->isEnabled() && isVisible()) input_->setFocus();
  units_->setText(QString::fromStdString(s.unitName));
  for (int i = 0; i < kIndicatorCount; ++i) status_[i]->setVisible(s.indicator[i]);
  status_[0]->setText(QString::fromStdString(s.source));
}

void FrmHomeScreen::Activate() {
  activationQueued_ = false;
  shell_.Activate();
  Refresh();
}

void FrmHomeScreen::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!activationQueued_) {
    activationQueued_ = true;
    // After the window is up, so that a first-activation message has a parent.
    QTimer::singleShot(0, this, [this] { Activate(); });
  }
}

void FrmHomeScreen::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !activationQueued_) {
    activationQueued_ = true;
    QTimer::singleShot(0, this, [this] { Activate(); });
  }
}

void FrmHomeScreen::closeEvent(QCloseEvent* event) {
  event->ignore();
  Run([this] { shell_.Quit(); });
}

void RegisterHomeScreen(Application& app) {
  auto home = std::make_unique<FrmHomeScreen>(app.GetShell());
  home->onAbout = [&app] { app.Show(ScreenId::About, Modality::Modal); };
  home->onDisclaimer = [&app] { app.Show(ScreenId::Disclaimer, Modality::Modeless); };
  home->onUser = [&app] { app.Show(ScreenId::User, Modality::Modeless); };
  home->onCommandDone = [&app] { app.DesignTouched(); };
  app.Register({ScreenId::Home, std::move(home), {}, false, {}});
}

}  // namespace zorvan::ui
