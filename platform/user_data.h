// The user's own data (company, name, position, telephone, last names of a
// project and an object): a few strings in section "SoftWare" of one INI file
// that the installer writes and the calculator reads and writes.
#pragma once

#include <array>
#include <string>

namespace ovalto {

struct UserDataField {
  const char* Caption;  // what the dialogs and the report show
  const char* Name;     // the value's name in the file
};

// The first four are the user's own, which the installer asks for; the calculator's report
// dialog adds the names of the project and the object last printed.
inline constexpr std::array<UserDataField, 6> kUserDataFields = {{
    {"Компания", "Компания"},
    {"Фамилия И.О.", "Фамилия"},
    {"Должность", "Должность"},
    {"Телефон / Факс", "Телефон"},
    {"Название проекта", "Название"},
    {"Наименование объекта", "Наименование"},
}};
inline constexpr std::size_t kUserOwnDataCount = 4;

class UserDataStore {
 public:
  virtual ~UserDataStore() = default;
  virtual std::string Read(const std::string& name, const std::string& fallback) const = 0;
  virtual void Write(const std::string& name, const std::string& value) = 0;
};

}  // namespace ovalto
