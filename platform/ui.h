#pragma once
// What the screens ask of the window system: message boxes, the mouse pointer.
// Implemented with Qt in ui/, by a recording fake in tests. Screens, dialogs
// and drawing surfaces extend this layer in their own headers.
#include <string>

#include "platform/messages.h"

namespace zorvan {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
enum class Pointer { Normal, Busy };

class Ui {
 public:
  virtual ~Ui() = default;
  // Shows a message box; an empty title means the program's title.
  virtual Answer Message(const std::string& text, Buttons buttons = Buttons::Ok,
                         Icon icon = Icon::None, const std::string& title = {}) = 0;
  virtual void SetPointer(Pointer pointer) = 0;
};

// Shows one message of the logic in a box with an OK button; after an error
// report the pointer is the normal arrow again.
void Tell(Ui& ui, const Message& m);
// Shows every message of the list, in order.
void Show(Ui& ui, const MessageList& messages);

// The busy pointer for the life of a long operation, restored also after a failure.
class BusyPointer {
 public:
  explicit BusyPointer(Ui& ui) : ui_(ui) { ui_.SetPointer(Pointer::Busy); }
  ~BusyPointer() { ui_.SetPointer(Pointer::Normal); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  Ui& ui_;
};

}  // namespace zorvan
