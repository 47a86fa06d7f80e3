#pragma once
// The command line's message boxes: each text is kept until the command writes
// it to standard error; questions take their default answer.
#include <string>
#include <vector>

#include "platform/ui.h"

namespace zorvan::cli {

class MessageLog : public Ui {
 public:
  Answer Message(const std::string& text, Buttons buttons = Buttons::Ok, Icon = Icon::None,
                 const std::string& = {}) override {
    messages.push_back(text);
    return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
  }
  void SetPointer(Pointer) override {}

  std::vector<std::string> messages;
};

}  // namespace zorvan::cli
