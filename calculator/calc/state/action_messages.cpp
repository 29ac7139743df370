#include "state/action_messages.h"

namespace ovalto {

bool ActionMessages::TakeTurn() {
  if (actions_ == 0) return true;
  if (shown_) return false;
  shown_ = true;
  return true;
}

MessageButton ActionMessages::Show(MessageType type, const std::string& text, unsigned buttons) {
  if (TakeTurn()) return desktop_.Show(type, text, buttons);
  if (buttons & kButtonCancel) return kButtonCancel;
  for (unsigned bit = 1; bit < kButtonCancel; bit <<= 1) {
    if (buttons & bit) return static_cast<MessageButton>(bit);
  }
  return kButtonCancel;
}

void ActionMessages::ShowRaisedError(const std::string& text) {
  if (TakeTurn()) desktop_.ShowRaisedError(text);
}

UserAction::UserAction(ActionMessages& messages) : messages_(messages) {
  if (messages_.actions_++ == 0) messages_.shown_ = false;
}

UserAction::~UserAction() { --messages_.actions_; }

}  // namespace ovalto
