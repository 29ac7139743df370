// Modal message boxes. The program's windows and its core speak to the user
// only through this interface, so tests can read every text and answer it.
#pragma once

#include <string>

namespace ovalto {

enum class MessageType { Warning, Error, Information, Confirmation };

// Button sets are bit masks of these values; the answer is one of them.
enum MessageButton : unsigned {
  kButtonYes = 1,
  kButtonNo = 2,
  kButtonOk = 4,
  kButtonCancel = 8,
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // Shows a modal box of the given type with the given buttons and returns
  // the button the user pressed (closing the box counts as Cancel, or as the
  // only button when there is just one).
  virtual MessageButton Show(MessageType type, const std::string& text, unsigned buttons) = 0;

  // What the program shows for an error that nothing handled: the error text
  // with the program's title and a single OK.
  virtual void ShowRaisedError(const std::string& text) = 0;
};

}  // namespace ovalto
