// The six texts the report prints about its author and the work, as the
// user-data dialog shows them and as they are kept between runs (the
// installer writes the first four).
#pragma once

#include <array>
#include <string>

#include "user_data.h"

namespace ovalto {

inline constexpr int kUserDataRowCount = static_cast<int>(kUserDataFields.size());

// One text a row, in the order of kUserDataFields.
using UserDataValues = std::array<std::string, kUserDataRowCount>;

// A value that was never written reads as empty.
UserDataValues ReadUserDataValues(const UserDataStore& store);
// Writes all six, empty ones as empty texts.
void WriteUserDataValues(UserDataStore& store, const UserDataValues& values);

}  // namespace ovalto
