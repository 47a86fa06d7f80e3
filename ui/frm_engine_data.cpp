#include "ui/frm_engine_data.h"

#include <QEvent>
#include <QFocusEvent>
#include <QTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "screen_logic/input_data.h"
#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/frm_home_screen.h"
#include "ui/print_form.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {
QString Indexed(const char* name, int k) { return QString("%1_%2").arg(name).arg(k); }
}  // namespace

FrmEngineData::FrmEngineData(Application& app)
    : FormScreen(app, "frm_EngineData"),
      logic_(app.Design(), app.Values(), app.GetUi(), app.GetDialogs(), boxes_, state_) {
  BuildMenus();
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildEngineFrame());
  left->addWidget(BuildRows(), 1);
  columns->addLayout(left);
  columns->addWidget(BuildSide(), 1);
  Lay(columns, BuildCommands());
  animator_ = MakeAnimator(*picture_, done_);
  Wire();
  resize(1040, 720);
}

QWidget* FrmEngineData::BuildEngineFrame() {
  auto* frame = new QGroupBox("Engine Data", this);
  frame->setObjectName("fra_EngineData");
  auto* grid = new QGridLayout(frame);
  type_ = new QComboBox(frame);
  type_->setObjectName("cmb_Type");
  for (const char* item : kArrangementItems) type_->addItem(item);
  cylinders_ = NamedBox(frame, "txt_Cylinders", "Total cylinders in the engine", 60, this);
  spacing_ = NamedBox(frame, "txt_Spacing",
                 "The distance between centerlines of adjacent cylinders (pistons) in one bank.", 80, this);
  vee_ = NamedBox(frame, "txt_Veeang", "Angle between the banks", 60, this);
  veeLabel_ = NamedLabel(frame, "lbl_Veeang", "Vee Angle");
  veeUnit_ = NamedLabel(frame, "lbl_VeeUnit", "deg");
  stroke_ = NamedLabel(frame, "lbl_Stroke", "");
  stroke_->setToolTip("This can only be changed on the Input Screen");
  grid->addWidget(type_, 0, 0, 1, 2);
  grid->addWidget(NamedLabel(frame, "lbl_Cylinders", "No. of Cyls"), 0, 2);
  grid->addWidget(cylinders_, 0, 3);
  grid->addWidget(NamedLabel(frame, "lbl_Spacing", "Cylinder Spacing"), 1, 0);
  grid->addWidget(spacing_, 1, 1);
  grid->addWidget(veeLabel_, 1, 2);
  grid->addWidget(vee_, 1, 3);
  grid->addWidget(veeUnit_, 1, 4);
  grid->addWidget(NamedLabel(frame, "lbl_StrokeCaption", "Stroke Cycle"), 2, 0);
  grid->addWidget(stroke_, 2, 1);
  return frame;
}

QWidget* FrmEngineData::BuildRows() {
  auto* holder = new QWidget(this);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  auto* angles = new QGroupBox("Engine Angles", holder);
  angles->setObjectName("fra_Segment");
  auto* grid = new QGridLayout(angles);
  grid->setVerticalSpacing(1);
  const char* titles[] = {"Cyl", "Phase Angle", "In Bank", "Firing Angle"};
  for (int c = 0; c < 4; ++c) grid->addWidget(new QLabel(titles[c], angles), 0, c);
  auto* order = new QGroupBox("Firing Order", holder);
  order->setObjectName("fra_Order");
  auto* orderGrid = new QGridLayout(order);
  orderGrid->setVerticalSpacing(1);
  orderGrid->addWidget(new QLabel("Cylinder Number", order), 0, 0);
  for (int k = 1; k <= kMaxCylinders; ++k) {
    segment_[k] = NamedLabel(angles, Indexed("lbl_Segment", k).toUtf8().constData(), QString::number(k));
    segment_[k]->setStyleSheet("color: blue");
    phase_[k] = NamedBox(angles, Indexed("txt_Phase", k), "Angles of crank throws in cylinder order", 70, this);
    bank_[k] = NamedLabel(angles, Indexed("lbl_Bank", k).toUtf8().constData(), "");
    power_[k] = NamedBox(angles, Indexed("txt_Power", k), nullptr, 70, this);
    order_[k] = NamedBox(order, Indexed("txt_Order", k), "Cylinder numbers in firing order", 60, this);
    grid->addWidget(segment_[k], k, 0);
    grid->addWidget(phase_[k], k, 1);
    grid->addWidget(bank_[k], k, 2);
    grid->addWidget(power_[k], k, 3);
    orderGrid->addWidget(order_[k], k, 0);
  }
  grid->setRowStretch(kMaxCylinders + 1, 1);
  orderGrid->setRowStretch(kMaxCylinders + 1, 1);
  row->addWidget(angles);
  row->addWidget(order);
  return holder;
}

QWidget* FrmEngineData::BuildSide() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  auto* examples = new QGroupBox("Examples", column);
  examples->setObjectName("fra_Examples");
  auto* exampleLayout = new QVBoxLayout(examples);
  examples_ = new QComboBox(examples);
  examples_->setObjectName("cmb_Examples");
  for (int k = 0; k < kPresetCount; ++k) examples_->addItem(QtText(PresetText(k)));
  exampleLayout->addWidget(examples_);
  layout->addWidget(examples);
  picture_ = new PictureBox(column, "pct_Pict1");
  layout->addWidget(picture_, 1);
  auto* speed = new QGroupBox("Animation Speed", column);
  speed->setObjectName("fra_Speed");
  auto* speedLayout = new QHBoxLayout(speed);
  QSlider* slider = SpeedSlider(speed);
  wait_ = SpeedRangeList(speed);
  speed_ = std::make_unique<AnimationSpeed>(this, slider, wait_, state_.AnimationDelay, state_.AnimationSpeedRange);
  speedLayout->addWidget(new QLabel("<< Slow", speed));
  speedLayout->addWidget(slider, 1);
  speedLayout->addWidget(new QLabel("Fast >>", speed));
  speedLayout->addWidget(wait_);
  layout->addWidget(speed);
  return column;
}

QWidget* FrmEngineData::BuildCommands() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  cancel_ = NamedButton(row, "cmd_Cancel", "< &Back");
  clear_ = NamedButton(row, "cmd_ClearSegs", "Clear &Data");
  calc_ = NamedButton(row, "cmd_Calc", "C&alculate");
  balance_ = NamedButton(row, "cmd_Data", "Ba&lance");
  balance_->setToolTip("View the balance conditions for this engine");
  animate_ = NamedButton(row, "cmd_Animate", "&Run");
  animate_->setToolTip("Animate the image");
  copy_ = NamedButton(row, "cmd_Copy", "&Copy");
  print_ = NamedButton(row, "cmd_PlotPrint", "&Print Form");
  done_ = NamedButton(row, "cmd_Done", "&Next >");
  for (QPushButton* b : {cancel_, clear_, calc_, balance_, animate_, copy_, print_, done_}) layout->addWidget(b);
  phasors_ = NamedButton(row, "cmd_Phasors", "Pha&sors");
  phasors_->setToolTip("Draw the balance sums as phasor diagrams");
  layout->insertWidget(layout->indexOf(balance_) + 1, phasors_);
  shafts_ = NamedButton(row, "cmd_Shafts", "Sha&fts...");
  shafts_->setToolTip("Balance shafts: size a first-order balancer or a Lanchester pair, or enter your own");
  layout->insertWidget(layout->indexOf(phasors_) + 1, shafts_);
  return row;
}

void FrmEngineData::BuildMenus() {
  auto item = [this](QMenu* menu, const char* name, const char* text, std::function<void()> run) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, run = std::move(run)] { Run(run); });
  };
  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("mnu_Help");
  item(help, "mnu_GeneralHelp", "General", [this] {
    Guarded(app_.GetUi(), "frm_enginedata.mnu_GeneralHelp _Click",
            [&] { app_.ShowHelp(HelpTopic::EngineAssembly); });
  });
  help->actions().back()->setShortcut(QKeySequence::HelpContents);
  item(help, "mnu_Instructions", "Suggestions", [this] { logic_.Suggestions(); });
  item(help, "mnu_Guidelines", "Guidelines", [this] { logic_.Guidelines(); });
  item(help, "mnu_Phase", "Phase Angles", [this] { logic_.PhaseAngles(); });
  item(help, "mnu_Moments", "Moments", [this] { logic_.Moments(); });
  QMenu* zoom = menuBar()->addMenu("&Zoom");
  zoom->setObjectName("mnu_Zoom");
  item(zoom, "mnu_plus", "Zoom In", [this] { logic_.Zoom(1 / 1.1); });
  item(zoom, "mnu_Normal", "Normal", [this] { logic_.Zoom(0); });
  item(zoom, "mnu_minus", "Zoom Out", [this] { logic_.Zoom(1.1); });
}

void FrmEngineData::Wire() {
  for (int k = 1; k <= kMaxCylinders; ++k) {
    using B = EngineDataLogic::RowBox;
    OnLeave(phase_[k], [this, k] { logic_.RowEdit(k, B::Phase); });
    OnLeave(power_[k], [this, k] { logic_.RowEdit(k, B::Power); });
    OnLeave(order_[k], [this, k] { logic_.RowEdit(k, B::Order); });
    connect(order_[k], &QLineEdit::textChanged, this, [this] {
      if (!IsFilling()) Run([&] { logic_.BankLabels(); });
    });
  }
  connect(cylinders_, &QLineEdit::textEdited, this, [this] { state_.cylindersChanged = true; });
  connect(cylinders_, &QLineEdit::editingFinished, this, [this] {
    if (!IsFilling() && state_.cylindersChanged) Run([&] { logic_.CylinderCountCheck(); });
  });
  OnLeave(spacing_, [this] { logic_.SpacingEntry(); });
  OnLeave(vee_, [this] { logic_.VeeAngleEntry(); });
  connect(type_, &QComboBox::activated, this, [this](int index) { Run([&] { logic_.ArrangementChange(index); }); });
  connect(examples_, &QComboBox::activated, this, [this](int index) { Run([&] { logic_.LoadExample(index); }); });
  connect(calc_, &QPushButton::clicked, this, [this] {
    Run([&] { logic_.Calculate(); });
    if (state_.doneEnabled) done_->setFocus();
  });
  connect(balance_, &QPushButton::clicked, this, [this] { Run([&] { logic_.Balance(); }); });
  connect(phasors_, &QPushButton::clicked, this, [this] { app_.Show(ScreenId::Phasors, Modality::Modeless); });
  connect(shafts_, &QPushButton::clicked, this, [this] { app_.Show(ScreenId::Shafts, Modality::Modeless); });
  connect(clear_, &QPushButton::clicked, this, [this] { Run([&] { logic_.ClearData(); }); });
  connect(copy_, &QPushButton::clicked, this, [this] { logic_.Copy(); });
  connect(print_, &QPushButton::clicked, this, [this] { PrintThisForm(); });
  connect(animate_, &QPushButton::clicked, this, [this] { speed_->Start(*animator_); });
  connect(done_, &QPushButton::clicked, this, [this] {
    logic_.Next();
    ReturnHome();
    auto* home = app_.Screen<FrmHomeScreen>(ScreenId::Home);
    if (auto* plot = home->findChild<QPushButton*>("cmd_Plot"); plot && plot->isEnabled()) plot->setFocus();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] { Back(); });
}

bool FrmEngineData::eventFilter(QObject* watched, QEvent* event) {
  // The spacing notice, once each time the user enters the box (not when its
  // own OK hands the focus back, which would show it again for ever).
  if (event->type() == QEvent::FocusIn && watched == spacing_ && !IsFilling()) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason)
      QTimer::singleShot(0, this, [this] { logic_.SpacingFocus(); });
  }
  return FormScreen::eventFilter(watched, event);
}

void FrmEngineData::Back() {
  logic_.Back();
  ReturnHome();  // Assemble hid the home screen
}

void FrmEngineData::hideEvent(QHideEvent* event) {
  animator_->Stop();
  QMainWindow::hideEvent(event);
}

void FrmEngineData::ReadWidgets() {
  boxes_.cylinders = cylinders_->text().toStdString();
  boxes_.spacing = spacing_->text().toStdString();
  boxes_.veeAngle = vee_->text().toStdString();
  for (int k = 1; k <= kMaxCylinders; ++k) {
    boxes_.rows[k].phase = phase_[k]->text().toStdString();
    boxes_.rows[k].power = power_[k]->text().toStdString();
    boxes_.rows[k].order = order_[k]->text().toStdString();
  }
}

void FrmEngineData::WriteWidgets() {
  auto set = [](QLineEdit* box, const std::string& text) {
    if (box->text().toStdString() != text) box->setText(QtText(text));
  };
  set(cylinders_, boxes_.cylinders);
  set(spacing_, boxes_.spacing);
  set(vee_, boxes_.veeAngle);
  stroke_->setText(QtText(boxes_.stroke));
  for (QWidget* w : std::initializer_list<QWidget*>{vee_, veeLabel_, veeUnit_}) w->setVisible(state_.veeVisible);
  for (int k = 1; k <= kMaxCylinders; ++k) {
    set(phase_[k], boxes_.rows[k].phase);
    set(power_[k], boxes_.rows[k].power);
    set(order_[k], boxes_.rows[k].order);
    bank_[k]->setText(QtText(boxes_.rows[k].bank));
    const bool shown = k == 1 || k <= state_.shownRows;
    for (QWidget* w : std::initializer_list<QWidget*>{segment_[k], phase_[k], bank_[k], power_[k], order_[k]})
      w->setVisible(shown);
  }
  type_->setCurrentIndex(state_.arrangementIndex);
  examples_->setCurrentIndex(state_.exampleIndex);
  calc_->setEnabled(state_.calcEnabled);
  balance_->setEnabled(state_.balanceEnabled);
  phasors_->setEnabled(state_.balanceEnabled && app_.Available(ScreenId::Phasors));
  shafts_->setEnabled(state_.balanceEnabled && app_.Design().EngineResultsValid && app_.Available(ScreenId::Shafts));
  animate_->setEnabled(state_.animateEnabled);
  done_->setEnabled(state_.doneEnabled);
  SetTitlebox(this, app_.Values());
}

void FrmEngineData::AfterRun() {
  if (state_.veeFocus) vee_->setFocus();
  state_.veeFocus = false;
  // The picture follows the state: drawn anew when an engine was just
  // calculated, cleared when its entries changed.
  if (state_.drawEngine || drawnBefore_) animator_->DrawStill(state_.drawEngine);
}

void FrmEngineData::Activate() {
  Shell& shell = app_.GetShell();
  logic_.Activate(shell.HomeExample());
  shell.ClearHomeExample();
  speed_->Restore();
  Refill();
  if (state_.veeFocus) vee_->setFocus();
  state_.veeFocus = false;
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Input Engine Data")));
  animator_->DrawStill(state_.drawEngine);
}

void RegisterEngineData(Application& app) {
  auto screen = std::make_unique<FrmEngineData>(app);
  FrmEngineData* s = screen.get();
  // Pictures: the V8 and the W12 examples loaded, calculated and drawn.
  auto example = [s](int preset) {
    return [s, preset] {
      s->Activate();
      auto* list = s->findChild<QComboBox*>("cmb_Examples");
      list->setCurrentIndex(preset);
      emit list->activated(preset);
      s->findChild<QPushButton*>("cmd_Calc")->click();
    };
  };
  app.Register({ScreenId::Assemble, std::move(screen), [s](Modality) { s->Activate(); }, true,
                {{"", example(5)}, {"w12", example(6)}}});
}

}  // namespace zorvan::ui
