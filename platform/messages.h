#pragma once
// What the logic has to tell the user, kept in order until a front end shows
// it: the desktop as message boxes, the command line on standard error, a
// study beside each design. The logic never opens a box itself; only
// questions that need an answer go to the window system (platform/ui.h).
#include <string>
#include <vector>

namespace zorvan {

enum class Icon { None, Information, Warning, Question, Critical };

struct Message {
  std::string text;
  Icon icon = Icon::None;
  // An error report: the failure's number and the procedure it ended; 0 and
  // empty for any other message.
  int error = 0;
  std::string procedure;
};

class MessageList {
 public:
  void Add(Message m) { items_.push_back(std::move(m)); }
  void Add(std::string text, Icon icon = Icon::None) { items_.push_back({std::move(text), icon, 0, {}}); }
  // The messages of another list after this one's, in their order.
  void Append(const MessageList& other) { items_.insert(items_.end(), other.items_.begin(), other.items_.end()); }
  void Clear() { items_.clear(); }

  bool Empty() const { return items_.empty(); }
  std::size_t Size() const { return items_.size(); }
  const Message& operator[](std::size_t k) const { return items_[k]; }
  const std::vector<Message>& All() const { return items_; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  // The first error report, or null.
  const Message* FirstError() const {
    for (const Message& m : items_)
      if (m.error != 0) return &m;
    return nullptr;
  }

 private:
  std::vector<Message> items_;
};

// Where the logic's error reports go when it keeps them: appended to a list.
inline void Tell(MessageList& list, Message m) { list.Add(std::move(m)); }

}  // namespace zorvan
