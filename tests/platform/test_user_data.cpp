#include "qt_user_data.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(UserData, ValuesRoundTripThroughTheSoftwareSection) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Ovalto4.ini");
  {
    IniUserDataStore store(path);
    EXPECT_EQ(store.Read("Компания", "нет"), "нет");
    store.Write("Компания", "ООО «Тепло»");
    store.Write("Телефон", "+7 (495) 000-00-00");
  }
  IniUserDataStore again(path);
  EXPECT_EQ(again.Read("Компания", ""), "ООО «Тепло»");
  EXPECT_EQ(again.Read("Телефон", ""), "+7 (495) 000-00-00");

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("[SoftWare]"));
}

TEST(UserData, TheFileLivesInTheUsersConfigurationFolder) {
  qputenv("XDG_CONFIG_HOME", "/tmp/ovalto-config-test");
  EXPECT_EQ(UserDataFilePath(), QStringLiteral("/tmp/ovalto-config-test/Ovalto4.ini"));
}

}  // namespace
}  // namespace ovalto
