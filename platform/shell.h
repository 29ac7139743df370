// Hands a document or a web address to the desktop, as a double click would.
#pragma once

#include <string>

namespace ovalto {

class Shell {
 public:
  virtual ~Shell() = default;
  // A file path or an http(s) address. Whether the desktop could open it is
  // not reported: the program never acts on the outcome.
  virtual void Open(const std::string& target) = 0;
};

}  // namespace ovalto
