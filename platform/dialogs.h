#pragma once
// File dialogs and the fixed-width report box the shell asks of the window
// system. A cancelled file dialog answers no path; the caller decides what
// Cancel means (the file commands end on it silently).
#include <optional>
#include <string>

#include "platform/ui.h"

namespace zorvan {

struct FileDialogRequest {
  std::string title;
  std::string filter;       // "Text (*.x)|*.x|All (*.*)|*.*|" pairs of caption and pattern
  std::string initialName;  // file name proposed in the name box
  std::string folder;       // where the dialog starts; empty for the current folder
  bool askBeforeReplacing = false;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The chosen path; nothing when the user cancels.
  virtual std::optional<std::string> OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileName(const FileDialogRequest& request) = 0;
  // A message box with the program's title, an OK button, the information icon and
  // a fixed-width font, for the reports and notices whose columns must line up.
  virtual void FixedWidthMessage(const std::string& text) = 0;
};

}  // namespace zorvan
