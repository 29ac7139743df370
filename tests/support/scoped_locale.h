// The process's C locale for one test, put back at its end. A test that
// needs a locale asserts that it was set: on a machine without it the test
// fails instead of going on in the C locale and passing.
#pragma once

#include <clocale>
#include <string>

namespace ovalto::testing {

// The locale of the program's users: a decimal comma.
inline constexpr const char* kRussianLocale = "ru_RU.UTF-8";

class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name)
      : name_(name), previous_(std::setlocale(LC_ALL, nullptr)), set_(std::setlocale(LC_ALL, name) != nullptr) {}
  ~ScopedLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

  bool IsSet() const { return set_; }
  // Why it is not: for the failed assertion.
  std::string Missing() const {
    return "the locale " + name_ + " cannot be set: is it installed? (scripts/prepare.sh makes " + kRussianLocale + ")";
  }

 private:
  std::string name_;
  std::string previous_;
  bool set_;
};

}  // namespace ovalto::testing
