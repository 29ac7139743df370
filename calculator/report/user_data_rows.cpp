#include "report/user_data_rows.h"

namespace ovalto {

UserDataValues ReadUserDataValues(const UserDataStore& store) {
  UserDataValues values;
  for (int row = 0; row < kUserDataRowCount; ++row) values[row] = store.Read(kUserDataFields[row].Name, "");
  return values;
}

void WriteUserDataValues(UserDataStore& store, const UserDataValues& values) {
  for (int row = 0; row < kUserDataRowCount; ++row) store.Write(kUserDataFields[row].Name, values[row]);
}

}  // namespace ovalto
