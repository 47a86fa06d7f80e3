#pragma once
// File dialogs and the fixed-width report box the shell asks of the window
// system. A cancelled file dialog raises the run-time error 32755, which every
// file command ends on silently.
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
  // The chosen path; raises RunTimeError(32755) when the user cancels.
  virtual std::string OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::string SaveFileName(const FileDialogRequest& request) = 0;
  // A message box with the program's title, an OK button, the information icon and
  // a fixed-width font, for the reports and notices whose columns must line up.
  virtual void FixedWidthMessage(const std::string& text) = 0;
};

}  // namespace zorvan
