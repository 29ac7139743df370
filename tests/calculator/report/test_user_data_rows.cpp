#include "report/user_data_rows.h"

#include <gtest/gtest.h>

#include "recording_shell.h"

namespace ovalto {
namespace {

TEST(UserDataRows, AllSixAreKeptEmptyOnesAsEmptyTexts) {
  testing::MemoryUserData store;
  store.Values["Компания"] = "ООО Тепло";
  UserDataValues values = ReadUserDataValues(store);
  EXPECT_EQ(values[0], "ООО Тепло");
  EXPECT_EQ(values[5], "");
  WriteUserDataValues(store, UserDataValues{});
  ASSERT_EQ(store.Values.size(), 6u);
  for (const char* name : {"Компания", "Фамилия", "Должность", "Телефон", "Название", "Наименование"}) {
    ASSERT_EQ(store.Values.count(name), 1u) << name;
    EXPECT_EQ(store.Values[name], "");
  }
}

}  // namespace
}  // namespace ovalto
