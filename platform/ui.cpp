#include "platform/ui.h"

namespace zorvan {

void Tell(Ui& ui, const Message& m) {
  ui.Message(m.text, Buttons::Ok, m.icon);
  if (m.error != 0) ui.SetPointer(Pointer::Normal);
}

void Show(Ui& ui, const MessageList& messages) {
  for (const Message& m : messages) Tell(ui, m);
}

}  // namespace zorvan
