// Stands in for the desktop's message boxes: keeps every box shown, in order,
// and answers each with a preset button.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "message_box.h"

namespace ovalto::testing {

struct ShownMessage {
  MessageType Type;
  std::string Text;
  unsigned Buttons;
};

class RecordingMessageBoxes : public MessageBoxes {
 public:
  std::vector<ShownMessage> Shown;
  std::deque<MessageButton> Answers;  // taken in order; empty: the first button offered
  std::vector<std::string> RaisedErrors;

  MessageButton Show(MessageType type, const std::string& text, unsigned buttons) override {
    Shown.push_back({type, text, buttons});
    if (!Answers.empty()) {
      const MessageButton answer = Answers.front();
      Answers.pop_front();
      return answer;
    }
    for (unsigned bit = 1; bit <= kButtonCancel; bit <<= 1) {
      if (buttons & bit) return static_cast<MessageButton>(bit);
    }
    return kButtonCancel;
  }

  void ShowRaisedError(const std::string& text) override { RaisedErrors.push_back(text); }
};

}  // namespace ovalto::testing
