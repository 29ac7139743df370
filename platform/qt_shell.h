#pragma once

#include "shell.h"

namespace ovalto {

// Opens files and web addresses with the desktop's default applications.
class QtShell : public Shell {
 public:
  bool Open(const std::string& target) override;
};

}  // namespace ovalto
