// Hands a document or a web address to the desktop, as a double click would.
#pragma once

#include <string>

namespace ovalto {

class Shell {
 public:
  virtual ~Shell() = default;
  // A file path or an http(s) address. False when the desktop has no program
  // for it or could not start one; callers that have nothing to say about
  // that ignore it.
  virtual bool Open(const std::string& target) = 0;
};

}  // namespace ovalto
