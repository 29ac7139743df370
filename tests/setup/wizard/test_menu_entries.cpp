// The menu entries and the shortcut: every folder name, however hostile, reaches Exec quoted and
// escaped so that desktop-file-validate accepts the file and the launcher runs the program.
#include <gtest/gtest.h>

#include "menu_entries.h"
#include "setup_test_support.h"

namespace setup::test {
namespace {

namespace fs = std::filesystem;

TEST(MenuEntries, ExecArgumentsAreQuotedAndEscaped) {
  EXPECT_EQ(ExecArgument("/home/u/Мои программы/Ovalto4"), "\"/home/u/Мои программы/Ovalto4\"");
  EXPECT_EQ(ExecArgument("/a\"b`c$d\\e%f"), "\"/a\\\"b\\`c\\$d\\\\e%%f\"");
}

TEST(MenuEntries, HostileFoldersGiveValidEntriesThatReplaceTheirPredecessors) {
  TemporaryHome home;
  const InstallPlaces places = home.Places();
  for (const std::string target : {"/opt/Ovalto4", "/tmp/Мои программы/a\"b`c$d\\e%f;g&h|i'j\nk"}) {
    std::vector<EntryFile> files = MenuEntryFiles(target, places.DataHome, places.ConfigHome);
    files.push_back(DesktopShortcut(target, places.DesktopFolder));
    ASSERT_TRUE(WriteEntryFiles(files));
    for (const EntryFile& file : files) {
      if (file.Path.ends_with(".menu")) continue;
      const std::string report = ValidateDesktopFile(file.Path);
      ASSERT_NE(report, "skip") << "desktop-file-validate is not installed";
      EXPECT_EQ(report.find("error"), std::string::npos) << file.Path << ":\n" << report;
    }
  }
  // The second installation replaced the first one's files instead of adding to them.
  int applications = 0;
  for ([[maybe_unused]] const auto& item : fs::directory_iterator(fs::path(places.DataHome) / "applications")) {
    ++applications;
  }
  EXPECT_EQ(applications, 3);
  const std::string program = ReadText(fs::path(places.DataHome) / "applications/korvanta-ovalto4-program.desktop");
  EXPECT_NE(program.find("Name=Программа Ovalto 4\n"), std::string::npos);
  EXPECT_NE(program.find("Exec=\"/tmp/Мои программы/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e%%f;g&h|i'j\\nk/Ovalto4\"\n"),
            std::string::npos)
      << program;
  // The shortcut is named after the program file, as a shell link to it always was.
  const std::string shortcut = ReadText(fs::path(places.DesktopFolder) / "Ovalto4.desktop");
  EXPECT_NE(shortcut.find("Name=Ovalto4\n"), std::string::npos) << shortcut;
  // Every entry shows the program's icon, installed beside it.
  for (const std::string& entry : {program, shortcut}) {
    EXPECT_NE(entry.find("Icon=/tmp/Мои программы/a\"b`c$d\\\\e%f;g&h|i'j\\nk/Ovalto4.png\n"), std::string::npos)
        << entry;
  }
  EXPECT_EQ(shortcut.find("Path="), std::string::npos) << shortcut;
  const std::string menu = ReadText(fs::path(places.ConfigHome) / "menus/applications-merged/korvanta-ovalto4.menu");
  EXPECT_NE(menu.find("<Name>Расчет изоляции КАЛДЕРОН</Name>"), std::string::npos);
  EXPECT_NE(menu.find("<Filename>korvanta-ovalto4-licence.desktop</Filename>"), std::string::npos);
}

}  // namespace
}  // namespace setup::test
