#pragma once
// The platform of `zorvan --snapshot`: no message box or dialog may wait for a
// click there, so questions take their default answer and dialogs cancel.
#include "platform/dialogs.h"
#include "platform/ui.h"

namespace zorvan::ui {

class QuietPlatform : public Ui, public Dialogs {
 public:
  Answer Message(const std::string&, Buttons buttons = Buttons::Ok, Icon = Icon::None,
                 const std::string& = {}) override {
    return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
  }
  void SetPointer(Pointer) override {}
  std::optional<std::string> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }
  void FixedWidthMessage(const std::string&) override {}
};

}  // namespace zorvan::ui
