#include "ui/frm_plot_select.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {

// Each slot's clear button has its own access key.
const char* const kClearCaptions[5] = {"", "&Clear", "C&lear", "Cl&ear", "Cle&ar"};

QRadioButton* Option(QWidget* parent, QLayout* layout, const QString& name, const char* caption) {
  auto* b = new QRadioButton(caption, parent);
  b->setObjectName(name);
  layout->addWidget(b);
  return b;
}

QComboBox* List(QWidget* parent, const QString& name, int minWidth) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setMinimumWidth(minWidth);
  return list;
}

void WriteList(QComboBox* list, const PlotListBox& box) {
  QStringList items;
  for (const std::string& item : box.items) items << QtText(item);
  QStringList shown;
  for (int k = 0; k < list->count(); ++k) shown << list->itemText(k);
  if (shown != items) {
    list->clear();
    list->addItems(items);
  }
  list->setCurrentIndex(box.index);
  list->setEnabled(box.enabled);
}

}  // namespace

FrmPlotSelect::FrmPlotSelect(Application& app, int screen)
    : FrmPlotSelect(app, screen,
                    {screen == 1 ? "frm_PlotSelect1" : screen == 2 ? "frm_PlotSelect2" : "frm_PlotSelect3", "Plot",
                     "cmd_CancelPlotData", "Select Plot Data", HelpTopic::Plotting}) {}

FrmPlotSelect::FrmPlotSelect(Application& app, int screen, const Variant& variant)
    : FormScreen(app, variant.name),
      screen_(screen),
      variant_(variant),
      logic_(app.Design(), app.Selection(), app.GetUi(), boxes_, screen) {
  boxes_.style = 1;  // "Annotated" until the user chooses
  HelpMenu("Help", objectName().toStdString() + ".mnu_Help", variant_.help);
  auto* columns = new QHBoxLayout;
  columns->addWidget(BuildSlots());
  side_ = new QVBoxLayout;
  side_->addWidget(BuildChoices());
  side_->addWidget(BuildSummary(), 1);
  columns->addLayout(side_, 1);
  Lay(columns, CommandRow({
                   {variant_.backName, "< &Back", [this] { Back(); }},
                   Stretch(),
                   {"cmd_Done", "&Next >", [this] { Next(); }, &done_},
               }));
  Wire();
  logic_.Load();
  Refill();
  resize(860, 560);
}

QWidget* FrmPlotSelect::BuildSlots() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  for (int k = 1; k <= logic_.Slots(); ++k) {
    Slot& s = slot_[k];
    s.frame = new QGroupBox(QString("Function %1").arg(k), column);
    s.frame->setObjectName(QString("fra_Function%1").arg(k));
    auto* grid = new QGridLayout(s.frame);
    s.varLabel = NamedLabel(s.frame, QString("lbl_Var_%1").arg(k - 1).toUtf8().constData(), "Variable");
    s.comLabel = NamedLabel(s.frame, QString("lbl_Comp_%1").arg(k - 1).toUtf8().constData(), "Component");
    s.var = List(s.frame, QString("cmb_Var%1").arg(k), 130);
    s.com = List(s.frame, QString("cmb_Com%1").arg(k), 70);
    s.ok = NamedButton(s.frame, QString("cmd_OK%1").arg(k).toUtf8().constData(), "OK");
    s.clear = NamedButton(s.frame, QString("cmd_Clear%1").arg(k).toUtf8().constData(), kClearCaptions[k]);
    s.ok->setMinimumWidth(60);
    s.clear->setMinimumWidth(60);
    s.var->installEventFilter(this);
    s.var->view()->viewport()->installEventFilter(this);
    grid->addWidget(s.varLabel, 0, 0);
    grid->addWidget(s.comLabel, 0, 1);
    grid->addWidget(s.var, 1, 0);
    grid->addWidget(s.com, 1, 1);
    grid->addWidget(s.ok, 1, 2);
    grid->addWidget(s.clear, 1, 3);
    layout->addWidget(s.frame);
  }
  layout->addStretch(1);
  return column;
}

QWidget* FrmPlotSelect::BuildSummary() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < logic_.Slots(); ++i) {
    auto* frame = new QGroupBox(QString("%1 %2").arg(variant_.summaryWord).arg(i + 1), box);
    frame->setObjectName(QString("fra_Plot_%1").arg(i));
    auto* layout = new QVBoxLayout(frame);
    function_[i] = NamedLabel(frame, QString("lbl_Function_%1").arg(i).toUtf8().constData(), "");
    component_[i] = NamedLabel(frame, QString("lbl_Component_%1").arg(i).toUtf8().constData(), "");
    function_[i]->setMinimumWidth(110);
    layout->addWidget(function_[i]);
    layout->addWidget(component_[i]);
    grid->addWidget(frame, i / 2, i % 2);
  }
  return box;
}

QWidget* FrmPlotSelect::BuildChoices() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  auto frame = [&](const char* name, const char* caption) {
    auto* f = new QGroupBox(caption, box);
    f->setObjectName(name);
    return f;
  };
  QGroupBox* method = frame("fra_PrintSet", "Setup Method");
  auto* methodLayout = new QVBoxLayout(method);
  method_[0] = Option(method, methodLayout, "opt_PrintSet_0", "Preset Formats");
  method_[1] = Option(method, methodLayout, "opt_PrintSet_1", "Mix and Match");
  grid->addWidget(method, 0, 0);

  coordFrame_ = frame("fra_coord", "Coordinate System");
  auto* coordLayout = new QVBoxLayout(coordFrame_);
  coord_[0] = Option(coordFrame_, coordLayout, "opt_Coord_0", "Global");
  coord_[1] = Option(coordFrame_, coordLayout, "opt_Coord_1", "Local Rotating");
  grid->addWidget(coordFrame_, 0, 1);

  if (screen_ != 1) {
    QGroupBox* style = frame("fra_Plotstyle", "Choose Plot Style");
    auto* styleLayout = new QVBoxLayout(style);
    style_[0] = Option(style, styleLayout, "opt_Plotstyle_0", "Aligned");
    style_[1] = Option(style, styleLayout, "opt_Plotstyle_1", "Annotated");
    grid->addWidget(style, 0, 2);
  }

  presetFrame_ = frame("fra_Preset", "Select from Preset Formats");
  auto* presetLayout = new QHBoxLayout(presetFrame_);
  preset_ = List(presetFrame_, "cmb_Preset", 360);
  preset_->installEventFilter(this);
  preset_->view()->viewport()->installEventFilter(this);
  clearPreset_ = NamedButton(presetFrame_, "cmd_ClearPreset", "Clear &Preset");
  presetLayout->addWidget(preset_, 1);
  presetLayout->addWidget(clearPreset_);
  grid->addWidget(presetFrame_, 1, 0, 1, 3);
  return box;
}

void FrmPlotSelect::Wire() {
  for (int k = 1; k <= logic_.Slots(); ++k) {
    const Slot& s = slot_[k];
    connect(s.var, &QComboBox::activated, this, [this, k] { Run([&] { logic_.Variable_Picked(k); }); });
    connect(s.com, &QComboBox::activated, this, [this, k] { Run([&] { logic_.Component_Picked(k); }); });
    connect(s.ok, &QPushButton::clicked, this, [this, k] { Run([&] { logic_.AcceptSlot(k); }); });
    connect(s.clear, &QPushButton::clicked, this, [this, k] { Run([&] { logic_.ClearSlot(k); }); });
  }
  for (int i = 0; i < 2; ++i)
    connect(method_[i], &QRadioButton::clicked, this, [this, i] { Run([&] { logic_.SetupMethod(i == 0); }); });
  connect(preset_, &QComboBox::activated, this, [this] { Run([&] { logic_.PresetPicked(); }); });
  connect(clearPreset_, &QPushButton::clicked, this, [this] { Run([&] { logic_.ClearPreset(); }); });
}

bool FrmPlotSelect::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && !IsFilling()) {
    bool next = false;
    bool handled = false;
    for (int k = 1; k <= logic_.Slots(); ++k) {
      if (watched != slot_[k].var && watched != slot_[k].var->view()->viewport()) continue;
      if (!slot_[k].var->isEnabled()) break;
      Run([&] { next = logic_.VariableDoubleClicked(k); });
      handled = true;
    }
    if (watched == preset_ || watched == preset_->view()->viewport()) {
      if (preset_->isEnabled()) Run([&] { next = logic_.PresetDoubleClicked(); });
      handled = true;
    }
    if (next) Next();
    if (handled && watched != preset_->view()->viewport()) return true;
  }
  return FormScreen::eventFilter(watched, event);
}

void FrmPlotSelect::ReadWidgets() {
  for (int k = 1; k <= logic_.Slots(); ++k) {
    boxes_.slot[k].var.index = slot_[k].var->currentIndex();
    boxes_.slot[k].com.index = slot_[k].com->currentIndex();
  }
  boxes_.preset.index = preset_->currentIndex();
  boxes_.presetMethod = !method_[1]->isChecked();
  boxes_.coord = coord_[1]->isChecked() ? 1 : 0;
  if (style_[0]) boxes_.style = style_[0]->isChecked() ? 0 : 1;
}

void FrmPlotSelect::WriteWidgets() {
  for (int k = 1; k <= logic_.Slots(); ++k) {
    const PlotSlotBoxes& b = boxes_.slot[k];
    Slot& s = slot_[k];
    WriteList(s.var, b.var);
    WriteList(s.com, b.com);
    // The frame stays enabled so that a list opened on its own can be used.
    s.varLabel->setEnabled(b.frameEnabled);
    s.comLabel->setEnabled(b.frameEnabled);
    s.frame->setEnabled(b.frameEnabled || b.var.enabled);
    s.ok->setEnabled(b.okEnabled);
    s.clear->setEnabled(b.clearEnabled);
  }
  for (int i = 0; i < logic_.Slots(); ++i) {
    function_[i]->setText(QtText(boxes_.functionLabel[i]));
    component_[i]->setText(QtText(boxes_.componentLabel[i]));
  }
  method_[boxes_.presetMethod ? 0 : 1]->setChecked(true);
  WriteList(preset_, boxes_.preset);
  preset_->setEnabled(boxes_.presetFrameEnabled);
  presetFrame_->setEnabled(boxes_.presetFrameEnabled);
  coord_[boxes_.coord == 1 ? 1 : 0]->setChecked(true);
  coordFrame_->setEnabled(boxes_.coordFrameEnabled);
  coord_[1]->setEnabled(boxes_.localEnabled);
  if (style_[0]) style_[boxes_.style == 0 ? 0 : 1]->setChecked(true);
  done_->setEnabled(boxes_.doneEnabled);
  SetTitlebox(this, app_.Values());
}

void FrmPlotSelect::AfterRun() {
  const int k = boxes_.focusSlot >= 1 && boxes_.focusSlot <= logic_.Slots() ? boxes_.focusSlot : 1;
  QWidget* target = nullptr;
  switch (boxes_.focus) {
    case PlotSelectFocus::Var: target = slot_[k].var; break;
    case PlotSelectFocus::Com: target = slot_[k].com; break;
    case PlotSelectFocus::Ok: target = slot_[k].ok; break;
    case PlotSelectFocus::Preset: target = preset_; break;
    case PlotSelectFocus::Done: target = done_; break;
    case PlotSelectFocus::None: break;
  }
  if (target && target->isEnabled()) target->setFocus();
  boxes_.focus = PlotSelectFocus::None;
}

void FrmPlotSelect::Activate() {
  if (keep_) logic_.Return();
  else logic_.Activate();
  keep_ = false;
  Refill();
  AfterRun();
  setWindowTitle(QtText(ScreenCaption(app_.Values(), variant_.caption)));
}

void FrmPlotSelect::Next() {
  ScreenId next = ScreenId::Plot1;
  Run([&] { next = logic_.Next(); });
  hide();
  app_.Show(next, Modality::Modal);
}

void FrmPlotSelect::Back() {
  Run([&] { logic_.Back(); });
  hide();
  app_.Show(ScreenId::Plot, Modality::Modal);
}

void RegisterPlotSelect(Application& app) {
  constexpr ScreenId kIds[4] = {ScreenId::PlotSelect1, ScreenId::PlotSelect1, ScreenId::PlotSelect2,
                                ScreenId::PlotSelect3};
  for (int screen = 1; screen <= 3; ++screen) {
    auto window = std::make_unique<FrmPlotSelect>(app, screen);
    FrmPlotSelect* s = window.get();
    // Picture: the first preset format chosen.
    auto preset = [s] {
      s->Activate();
      auto* list = s->findChild<QComboBox*>("cmb_Preset");
      if (list->count() == 0) return;
      list->setCurrentIndex(0);
      emit list->activated(0);
    };
    app.Register({kIds[screen], std::move(window), [s](Modality) { s->Activate(); }, true, {{"", preset}}});
  }
}

}  // namespace zorvan::ui
