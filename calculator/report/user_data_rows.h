// The six texts the report prints about its author and the work, as the
// user-data dialog shows them and as they are kept between runs (the
// installer writes the first four).
#pragma once

#include <array>
#include <string>

#include "user_data.h"

namespace ovalto {

struct UserDataField {
  const char* Caption;  // what the dialog and the report show
  const char* Name;     // the value's name in the user's data
};

inline constexpr int kUserDataRowCount = 6;

inline constexpr std::array<UserDataField, kUserDataRowCount> kUserDataFields = {{
    {"Компания", "Компания"},
    {"Фамилия И.О.", "Фамилия"},
    {"Должность", "Должность"},
    {"Телефон / Факс", "Телефон"},
    {"Название проекта", "Название"},
    {"Наименование объекта", "Наименование"},
}};

// One text a row, in the order of kUserDataFields.
using UserDataValues = std::array<std::string, kUserDataRowCount>;

// A value that was never written reads as empty.
UserDataValues ReadUserDataValues(const UserDataStore& store);
// Writes all six, empty ones as empty texts.
void WriteUserDataValues(UserDataStore& store, const UserDataValues& values);

}  // namespace ovalto
