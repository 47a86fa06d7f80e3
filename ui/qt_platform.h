#pragma once
// The window system's message boxes, file dialogs and pointer, with Qt.
#include <QString>
#include <optional>
#include <QWidget>

#include "platform/dialogs.h"
#include "platform/ui.h"

namespace zorvan::ui {

// "Caption (*.x)|*.x|All (*.*)|*.*|" as a Qt name filter list ("Caption (*.x);;All (*.*)").
QString QtFilter(const std::string& filter);
// CR LF and lone CR line breaks as the "\n" that Qt lays out.
QString QtText(const std::string& text);

class QtPlatform : public Ui, public Dialogs {
 public:
  explicit QtPlatform(std::string title) : title_(std::move(title)) {}
  Answer Message(const std::string& text, Buttons buttons, Icon icon, const std::string& title) override;
  void SetPointer(Pointer pointer) override;
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override;
  void FixedWidthMessage(const std::string& text) override;

 private:
  std::optional<std::string> FileName(const FileDialogRequest& request, bool save);
  std::string title_;
  bool busy_ = false;
};

}  // namespace zorvan::ui
