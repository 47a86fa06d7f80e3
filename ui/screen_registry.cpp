#include "ui/screen_registry.h"

namespace zorvan::ui {

QWidget* ScreenRegistry::Add(ScreenRegistration r) {
  QWidget* w = r.window.get();
  for (ScreenRegistration& s : screens_) {
    if (s.id == r.id) {  // a screen registered again replaces the first
      s = std::move(r);
      return w;
    }
  }
  screens_.push_back(std::move(r));
  return w;
}

const ScreenRegistration* ScreenRegistry::Find(ScreenId id) const {
  for (const ScreenRegistration& s : screens_)
    if (s.id == id) return &s;
  return nullptr;
}

QWidget* ScreenRegistry::Window(ScreenId id) const {
  const ScreenRegistration* s = Find(id);
  return s ? s->window.get() : nullptr;
}

}  // namespace zorvan::ui
