#include "ui/frm_input_data.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/frm_home_screen.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

FrmInputData::FrmInputData(Application& app)
    : FormScreen(app, "frm_InputData"), logic_(app.Design(), app.GetUi(), boxes_, state_) {
  BuildMenus();
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildGeometry());
  left->addWidget(BuildCylinder());
  columns->addLayout(left);
  columns->addWidget(BuildChoices());
  columns->addWidget(BuildPicture(), 1);
  Lay(columns, CommandRow({
                   {"cmd_Cancel", "< &Back", [this] { Back(); }},
                   {"cmd_Calc", "&Calculate", [this] { Calculate(); }},
                   {"cmd_Animate", "&Run", [this] { Animate(); }, &animate_},
                   {"cmd_PlotPrint", "&Print Form", [this] { PrintThisForm(); }},
                   {"cmd_Done", "&Next >", [this] { ReturnHome(); }, &done_},
               }));
  animate_->setToolTip("Animate the image");
  animator_ = MakeAnimator(*picture_, done_);
  Wire();
  resize(980, 640);
}

QWidget* FrmInputData::BuildGeometry() {
  auto* frame = new QGroupBox("Geometry", this);
  frame->setObjectName("fra_Linkout");
  auto* grid = new QGridLayout(frame);
  for (int k = 0; k <= 9; ++k) {
    auto* label = NamedLabel(frame, QString("lbl_Linkout_%1").arg(k).toUtf8().constData(), kLinkoutLabels[k]);
    linkout_[k] = NamedBox(frame, QString("txt_Linkout_%1").arg(k), kLinkoutTips[k], 120, this);
    unitLeft_[k] = NamedLabel(frame, QString("lbl_Unitleft_%1").arg(k).toUtf8().constData(), "");
    grid->addWidget(label, k, 0);
    grid->addWidget(linkout_[k], k, 1);
    grid->addWidget(unitLeft_[k], k, 2);
  }
  bsRatio_ = NamedLabel(frame, "lbl_BSratio", "");
  grid->addWidget(new QLabel("B/S Ratio", frame), 10, 0);
  grid->addWidget(bsRatio_, 10, 1);
  return frame;
}

QWidget* FrmInputData::BuildCylinder() {
  auto* frame = new QGroupBox("Cylinder", this);
  frame->setObjectName("fra_Linkout2");
  auto* grid = new QGridLayout(frame);
  for (int k = 1; k <= 8; ++k) {
    auto* label = NamedLabel(frame, QString("lbl_Linkout2_%1").arg(k).toUtf8().constData(), kLinkout2Labels[k]);
    linkout2_[k] = NamedBox(frame, QString("txt_Linkout2_%1").arg(k), kLinkout2Tips[k], 120, this);
    unitRight_[k] = NamedLabel(frame, QString("lbl_Unitrite_%1").arg(k).toUtf8().constData(), "");
    grid->addWidget(label, k, 0);
    grid->addWidget(linkout2_[k], k, 1);
    grid->addWidget(unitRight_[k], k, 2);
  }
  return frame;
}

QWidget* FrmInputData::BuildChoices() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  auto group = [&](const char* name, const char* caption) {
    auto* g = new QGroupBox(caption, column);
    g->setObjectName(name);
    layout->addWidget(g);
    return new QVBoxLayout(g);
  };
  auto option = [&](QVBoxLayout* in, const QString& name, const char* caption) {
    auto* b = new QRadioButton(caption);
    b->setObjectName(name);
    in->addWidget(b);
    return b;
  };
  QVBoxLayout* calc = group("fra_Calctype", "Calculation Speed");
  const char* speeds[] = {"", "Idle RPM", "Mid Range", "Red Line"};
  for (int i = 1; i <= 3; ++i) calcType_[i] = option(calc, QString("opt_Calctype_%1").arg(i), speeds[i]);
  QVBoxLayout* type = group("fra_Type", "Device Type");
  type_[0] = option(type, "opt_Type_0", "IC Engine");
  type_[1] = option(type, "opt_Type_1", "Compressor");
  QVBoxLayout* stroke = group("fra_Stroke", "Stroke Cycle");
  stroke_[0] = option(stroke, "opt_Stroke_0", "2-Stroke");
  stroke_[1] = option(stroke, "opt_Stroke_1", "4-Stroke");
  QVBoxLayout* engine = group("fra_EngineType", "Engine Type");
  arrangement_ = new QComboBox(column);
  arrangement_->setObjectName("cmb_Type");
  arrangement_->setEditable(true);
  arrangement_->setInsertPolicy(QComboBox::NoInsert);
  for (const char* item : kArrangementItems) arrangement_->addItem(item);
  engine->addWidget(arrangement_);
  auto* conrod = new QGroupBox("ConRods/Throw", column);
  conrod->setObjectName("fra_Conrod");
  auto* conrodLayout = new QVBoxLayout(conrod);
  rodnum_ = NamedBox(conrod, "txt_Rodnum", "Some vee engines have multiple conrods on same crankpin", 120, this);
  conrodLayout->addWidget(rodnum_);
  layout->addWidget(conrod);
  conrodFrame_ = conrod;
  layout->addStretch(1);
  return column;
}

QWidget* FrmInputData::BuildPicture() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  picture_ = new PictureBox(column, "pct_Pict1");
  layout->addWidget(picture_, 1);
  layout->addWidget(NamedLabel(column, "lbl_Note", "Note that piston moves on X axis"));
  QSlider* slider = SpeedSlider(column);
  layout->addWidget(slider);
  auto* controls = new QHBoxLayout;
  controls->addWidget(NamedLabel(column, "lbl_Speed", "<< Slow    Fast >>"));
  wait_ = SpeedRangeList(column);
  controls->addWidget(wait_);
  speed_ = std::make_unique<AnimationSpeed>(this, slider, wait_, state_.AnimationDelay, state_.AnimationSpeedRange);
  autoscale_ = new QCheckBox("Autoscale", column);
  autoscale_->setObjectName("chk_autoscale");
  autoscale_->setChecked(true);
  controls->addWidget(autoscale_);
  layout->addLayout(controls);
  return column;
}

void FrmInputData::BuildMenus() {
  HelpMenu("Help", "frm_input.mnu_Calculations_Click", HelpTopic::InputData);
  QMenu* zoom = menuBar()->addMenu("&Zoom");
  zoom->setObjectName("mnu_Zoom");
  auto item = [&](const char* name, const char* text, double factor) {
    QAction* a = zoom->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [this, factor] {
      Run([&] { return logic_.Zoom(factor); });
      DrawStill();
    });
  };
  item("mnu_Plus", "Zoom In", 1 / 1.1);
  item("mnu_Normal", "Normal", 0);
  item("mnu_Minus", "Zoom Out", 1.1);
}

void FrmInputData::Wire() {
  for (int k = 0; k <= 9; ++k) {
    connect(linkout_[k], &QLineEdit::textEdited, this, [this, k] { Edited(boxes_.linkoutEdited[k], false); });
    OnLeave(linkout_[k], [this, k] { logic_.Linkout_LostFocus(k); });
  }
  for (int k = 1; k <= 8; ++k) {
    connect(linkout2_[k], &QLineEdit::textEdited, this, [this, k] { Edited(boxes_.linkout2Edited[k], true); });
    OnLeave(linkout2_[k], [this, k] { k == 7 ? logic_.PressureUpdate() : logic_.Get_InitialCond(); });
  }
  connect(rodnum_, &QLineEdit::textEdited, this, [this] { Edited(boxes_.rodnumEdited, false); });
  OnLeave(rodnum_, [this] { logic_.RodsPerCrankCheck(); });
  for (int i = 1; i <= 3; ++i)
    connect(calcType_[i], &QRadioButton::clicked, this, [this, i] { Run([&] { logic_.SetSpeedIndex(i); return true; }); });
  for (int i = 0; i < 2; ++i) {
    connect(type_[i], &QRadioButton::clicked, this, [this, i] { Run([&] { logic_.SetPump(i == 1); return true; }); });
    connect(stroke_[i], &QRadioButton::clicked, this,
            [this, i] { Run([&] { logic_.SetTwoStroke(i == 0); return true; }); });
  }
  auto arrangement = [this] {
    if (IsFilling()) return;
    const std::string text = arrangement_->currentText().toStdString();
    Run([&] { logic_.ArrangementUpdate(text); return true; });
  };
  connect(arrangement_, &QComboBox::activated, this, arrangement);
  connect(arrangement_->lineEdit(), &QLineEdit::editingFinished, this, arrangement);
  connect(autoscale_, &QCheckBox::toggled, this, [this](bool on) {
    picture_->SetKeepSquare(on);
    picture_->update();
  });
}

void FrmInputData::hideEvent(QHideEvent* event) {
  animator_->Stop();  // closing or hiding the screen stops the animation
  QMainWindow::hideEvent(event);
}

void FrmInputData::Edited(bool& mark, bool cylinderBox) {
  if (IsFilling()) return;
  mark = true;
  EngineDesignRecord& d = app_.Design();
  if (!cylinderBox || !d.LoadedFromFile) d.FromDiskFile = false;
  animator_->Stop();
  logic_.Invalidate();
  done_->setEnabled(false);
  animate_->setEnabled(false);
}

void FrmInputData::ReadWidgets() {
  for (int k = 0; k <= 9; ++k) boxes_.linkout[k] = linkout_[k]->text().toStdString();
  for (int k = 1; k <= 8; ++k) boxes_.linkout2[k] = linkout2_[k]->text().toStdString();
  boxes_.rodnum = rodnum_->text().toStdString();
}

void FrmInputData::WriteWidgets() {
  for (int k = 0; k <= 9; ++k) {
    if (linkout_[k]->text().toStdString() != boxes_.linkout[k]) linkout_[k]->setText(QtText(boxes_.linkout[k]));
    unitLeft_[k]->setText(QtText(boxes_.linkoutUnit[k]));
  }
  for (int k = 1; k <= 8; ++k) {
    if (linkout2_[k]->text().toStdString() != boxes_.linkout2[k]) linkout2_[k]->setText(QtText(boxes_.linkout2[k]));
    unitRight_[k]->setText(QtText(boxes_.linkout2Unit[k]));
  }
  rodnum_->setText(QtText(boxes_.rodnum));
  bsRatio_->setText(QtText(boxes_.bsRatio));
  if (state_.speedIndex >= 1 && state_.speedIndex <= 3) calcType_[state_.speedIndex]->setChecked(true);
  type_[state_.pump ? 1 : 0]->setChecked(true);
  stroke_[state_.twoStroke ? 0 : 1]->setChecked(true);
  if (state_.arrangementText.empty()) {
    arrangement_->setEditText("");
  } else {
    arrangement_->setCurrentIndex(state_.arrangementIndex);
    arrangement_->setEditText(QtText(state_.arrangementText));
  }
  conrodFrame_->setVisible(state_.conrodFrameVisible);
  done_->setEnabled(state_.doneEnabled);
  animate_->setEnabled(state_.animateEnabled);
  SetTitlebox(this, app_.Values());
}

void FrmInputData::AfterRun() {
  if (state_.focusBox == kRodnumFocus) rodnum_->setFocus();
  state_.focusBox = -1;
}

void FrmInputData::Activate() {
  animator_->Stop();
  speed_->Restore();
  logic_.Activate();
  Refill();
  AfterRun();
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Input One-Cylinder Data")));
  DrawStill();
}

void FrmInputData::DrawStill() { animator_->DrawStill(app_.Design().SingleResultsValid); }

void FrmInputData::Calculate() {
  animator_->Stop();
  bool ok = false;
  Run([&] { ok = logic_.Calculate(); });
  DrawStill();
  if (!ok) return;
  done_->setFocus();
  app_.Screen<FrmHomeScreen>(ScreenId::Home)->Refresh();
}

void FrmInputData::Animate() {
  speed_->Start(*animator_);
}

void RegisterInputData(Application& app) {
  auto screen = std::make_unique<FrmInputData>(app);
  FrmInputData* s = screen.get();
  // Pictures: the start-up cylinder calculated, and two examples assembled.
  auto calculated = [s] {
    s->Activate();
    s->findChild<QPushButton*>("cmd_Calc")->click();
  };
  auto example = [&app, s](int preset) {
    return [&app, s, preset] {
      app.LoadExample(preset);
      s->Activate();
    };
  };
  app.Register({ScreenId::Input, std::move(screen), [s](Modality) { s->Activate(); }, true,
                {{"", calculated}, {"vee", example(5)}, {"w", example(6)}}});
}

}  // namespace zorvan::ui
