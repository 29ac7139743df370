// The shortcut goes where the user's desktop shows files: the folder that the XDG user
// directories name, made when missing; where there is none, the user is told.
#include <gtest/gtest.h>

#include "desktop_folder.h"
#include "setup_test_support.h"

namespace setup::test {
namespace {

namespace fs = std::filesystem;

class DesktopFolderTest : public ::testing::Test {
 protected:
  std::string Desktop(const std::string& entries) {
    WriteText(Config() / "user-dirs.dirs", entries);
    return DesktopFolder(home.Home().string(), Config().string());
  }
  fs::path Config() const { return home.Root() / "config"; }

  TemporaryHome home;
};

TEST_F(DesktopFolderTest, TheUserDirectoriesNameTheDesktop) {
  const std::string h = home.Home().string();
  EXPECT_EQ(DesktopFolder(h, Config().string()), h + "/Desktop") << "no user-dirs.dirs";
  EXPECT_EQ(Desktop("# written by xdg-user-dirs-update\nXDG_DOWNLOAD_DIR=\"$HOME/Загрузки\"\n"
                    "XDG_DESKTOP_DIR=\"$HOME/Рабочий стол\"\n"),
            h + "/Рабочий стол");
  EXPECT_EQ(Desktop("XDG_DESKTOP_DIR=\"/srv/столы/ivanov/\"\n"), "/srv/столы/ivanov");
  EXPECT_EQ(Desktop("XDG_DESKTOP_DIR=\"$HOME/a \\\"b\\\" \\$c\"\n"), h + "/a \"b\" $c");
  EXPECT_EQ(Desktop("#XDG_DESKTOP_DIR=\"$HOME/old\"\nXDG_MUSIC_DIR=\"$HOME/Музыка\"\n"), h + "/Desktop");
  // The home folder itself is how the user directories say there is no desktop.
  EXPECT_EQ(Desktop("XDG_DESKTOP_DIR=\"$HOME/\"\n"), "");
  EXPECT_EQ(Desktop("XDG_DESKTOP_DIR=\"$HOME\"\n"), "");
}

TEST_F(DesktopFolderTest, AMissingDesktopIsMadeAndAnUnusableOneIsReported) {
  InstallPlaces places = home.Places();
  const fs::path target = home.Root() / "Ovalto4";

  places.DesktopFolder = (home.Home() / "Рабочий стол").string();
  InstallResult result = InstallPayload(target.string(), Payload(), true, places);
  ASSERT_EQ(result.Status, InstallStatus::Installed);
  EXPECT_EQ(result.Message, "");
  EXPECT_TRUE(fs::exists(home.Home() / "Рабочий стол/Ovalto4.desktop"));

  places.DesktopFolder.clear();
  result = InstallPayload(target.string(), Payload(), true, places);
  ASSERT_EQ(result.Status, InstallStatus::Installed) << "the program is installed all the same";
  EXPECT_EQ(result.Message, "Невозможно создать ярлык: рабочий стол не указан !");

  // A folder that can't be made, for root as well: its parent is a file.
  WriteText(home.Home() / "Стол", "a file where the desktop should be");
  places.DesktopFolder = (home.Home() / "Стол/Desktop").string();
  result = InstallPayload(target.string(), Payload(), true, places);
  EXPECT_EQ(result.Message, "Невозможно создать ярлык в каталоге \"" + places.DesktopFolder + "\" !");
  EXPECT_EQ(InstallPayload(target.string(), Payload(), false, places).Message, "") << "no shortcut asked for";
}

}  // namespace
}  // namespace setup::test
