#pragma once
// Every screen of the program, registered once: its id, its window, what is
// done before it shows, and the states `--snapshot` pictures it in. The
// application opens, lists, hides and pictures screens only through here.
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/screens.h"

namespace zorvan::ui {

// A named state of a screen for its picture: "" is <objectName>.png, "vee"
// is <objectName>@vee.png. `prepare` brings the screen into that state.
struct SnapshotState {
  std::string name;
  std::function<void()> prepare;
};

struct ScreenRegistration {
  ScreenId id;
  std::unique_ptr<QWidget> window;
  std::function<void(Modality)> beforeShow;  // fills the screen from the design; may be empty
  bool centred = true;                       // placed in the middle of the display when shown
  std::vector<SnapshotState> states;         // none: one picture after beforeShow
};

class ScreenRegistry {
 public:
  // Takes the screen over and returns its window.
  QWidget* Add(ScreenRegistration r);
  bool Has(ScreenId id) const { return Find(id) != nullptr; }
  const ScreenRegistration* Find(ScreenId id) const;
  QWidget* Window(ScreenId id) const;
  const std::vector<ScreenRegistration>& All() const { return screens_; }

 private:
  std::vector<ScreenRegistration> screens_;
};

}  // namespace zorvan::ui
