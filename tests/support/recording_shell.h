// Stands in for the desktop: remembers what it was asked to open.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "shell.h"
#include "user_data.h"

namespace ovalto::testing {

class RecordingShell : public Shell {
 public:
  std::vector<std::string> Opened;
  bool Opens = true;  // false: the desktop has no program for anything
  bool Open(const std::string& target) override {
    Opened.push_back(target);
    return Opens;
  }
};

class MemoryUserData : public UserDataStore {
 public:
  std::map<std::string, std::string> Values;
  std::string Read(const std::string& name, const std::string& fallback) const override {
    const auto found = Values.find(name);
    return found == Values.end() ? fallback : found->second;
  }
  void Write(const std::string& name, const std::string& value) override { Values[name] = value; }
};

}  // namespace ovalto::testing
