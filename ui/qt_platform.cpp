#include "ui/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "core/runtime_error.h"
#include "ui/report_box.h"

namespace zorvan::ui {

QString QtFilter(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i].trimmed();
    QString pattern = parts[i + 1].trimmed();
    filters << (caption.contains(pattern) ? caption : caption + " (" + pattern + ")").trimmed();
  }
  return filters.join(";;");
}

QString QtText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  s.replace('\r', '\n');
  return s;
}

namespace {
QMessageBox::Icon QtIcon(Icon icon) {
  switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Critical: return QMessageBox::Critical;
    default: return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButtons QtButtons(Buttons b) {
  switch (b) {
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
  }
}

Answer FromQt(int button) {
  switch (button) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
  }
}

// The default suffix of the first filter ("zrv" for "*.zrv").
QString FirstSuffix(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split('|');
  if (parts.size() < 2) return {};
  QString pattern = parts[1].trimmed();
  return pattern.startsWith("*.") && !pattern.mid(1).contains('*') ? pattern.mid(2) : QString();
}
}  // namespace

Answer QtPlatform::Message(const std::string& text, Buttons buttons, Icon icon, const std::string& title) {
  // A message must be readable even while a command shows the busy pointer.
  bool wasBusy = busy_;
  if (wasBusy) QApplication::restoreOverrideCursor();
  QMessageBox box(QtIcon(icon), QString::fromStdString(title.empty() ? title_ : title), QtText(text),
                  QtButtons(buttons), QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  int result = box.exec();
  if (wasBusy) QApplication::setOverrideCursor(Qt::WaitCursor);
  return FromQt(result);
}

void QtPlatform::SetPointer(Pointer pointer) {
  bool busy = pointer == Pointer::Busy;
  if (busy == busy_) return;
  busy_ = busy;
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

std::optional<std::string> QtPlatform::FileName(const FileDialogRequest& request, bool save) {
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title),
                     QString::fromStdString(request.folder), QtFilter(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeReplacing);
  if (save) dialog.setDefaultSuffix(FirstSuffix(request.filter));
  // "*.zrv" as the proposed name only repeats the filter; leave the box empty then.
  if (request.initialName.find('*') == std::string::npos) dialog.selectFile(QString::fromStdString(request.initialName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtPlatform::OpenFileName(const FileDialogRequest& request) { return FileName(request, false); }
std::optional<std::string> QtPlatform::SaveFileName(const FileDialogRequest& request) { return FileName(request, true); }

void QtPlatform::FixedWidthMessage(const std::string& text) {
  bool wasBusy = busy_;
  if (wasBusy) QApplication::restoreOverrideCursor();
  ReportBox box(QApplication::activeWindow(), QString::fromStdString(title_), QtText(text));
  box.exec();
  if (wasBusy) QApplication::setOverrideCursor(Qt::WaitCursor);
}

}  // namespace zorvan::ui
