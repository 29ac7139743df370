// The message boxes of the calculation screen. One action of the user (the
// pick of a kind, a choice in a list, a row left, a press of "Расчет") shows
// at most one box: the first problem it meets is told, what follows from it
// is not told again.
#pragma once

#include <string>

#include "message_box.h"

namespace ovalto {

class ActionMessages final : public MessageBoxes {
 public:
  explicit ActionMessages(MessageBoxes& desktop) : desktop_(desktop) {}

  // A box not shown answers as a box closed at once: "Отмена" when it
  // offers it, else its only button.
  MessageButton Show(MessageType type, const std::string& text, unsigned buttons) override;
  void ShowRaisedError(const std::string& text) override;

 private:
  friend class UserAction;

  // Whether a box may be shown now; outside any action every box is.
  bool TakeTurn();

  MessageBoxes& desktop_;
  int actions_ = 0;     // depth of the actions under way
  bool shown_ = false;  // the action under way has shown its box
};

// Marks one action of the user for as long as it lives. An action within
// another (each row that a press steps through) is part of it.
class UserAction {
 public:
  explicit UserAction(ActionMessages& messages);
  ~UserAction();
  UserAction(const UserAction&) = delete;
  UserAction& operator=(const UserAction&) = delete;

 private:
  ActionMessages& messages_;
};

}  // namespace ovalto
