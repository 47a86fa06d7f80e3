#pragma once
// A Ui that records every message box and answers from a script: the
// screens' side of the tests. The logic's own messages are read from the
// MessageList it returns.
#include <deque>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace zorvan {

struct RecordedMessage {
  std::string text;
  Buttons buttons;
  Icon icon;
  std::string title;
};

class RecordingUi : public Ui {
 public:
  Answer Message(const std::string& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                 const std::string& title = {}) override {
    messages.push_back({text, buttons, icon, title});
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return DefaultAnswer(buttons);
  }
  void SetPointer(Pointer p) override {
    pointer = p;
    pointerChanges.push_back(p);
  }

  static Answer DefaultAnswer(Buttons b) {
    switch (b) {
      case Buttons::YesNo:
      case Buttons::YesNoCancel: return Answer::Yes;
      default: return Answer::Ok;
    }
  }

  std::vector<RecordedMessage> messages;
  std::deque<Answer> answers;  // scripted answers, in order; default when empty
  Pointer pointer = Pointer::Normal;
  std::vector<Pointer> pointerChanges;
};

}  // namespace zorvan
