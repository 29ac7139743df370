// The user's own data (company, name, position, telephone, last names of a
// project and an object): a few strings in section "SoftWare" of one INI file
// that the installer writes and the calculator reads and writes.
#pragma once

#include <string>

namespace ovalto {

class UserDataStore {
 public:
  virtual ~UserDataStore() = default;
  virtual std::string Read(const std::string& name, const std::string& fallback) const = 0;
  virtual void Write(const std::string& name, const std::string& value) = 0;
};

}  // namespace ovalto
