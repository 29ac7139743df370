// The installation without its window: what lands in the target folder, what a reinstall keeps
// and replaces, and that no failure is reported as success or costs the user the installed
// program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "payload_install.h"
#include "setup_test_support.h"
#include "target_folder.h"

namespace setup::test {
namespace {

namespace fs = std::filesystem;

bool Executable(const fs::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 && (info.st_mode & S_IXUSR) != 0;
}

class PayloadInstallTest : public ::testing::Test {
 protected:
  // An earlier installation whose program is a stand-in text.
  fs::path OldInstallation() {
    const fs::path target = home.Root() / "old";
    fs::create_directories(target);
    WriteText(target / kProgramFile, "old program");
    return target;
  }
  void ExpectOldProgramAlone(const fs::path& target) {
    EXPECT_EQ(ReadText(target / kProgramFile), "old program");
    EXPECT_FALSE(fs::exists(target / ".Ovalto4.new"));
  }

  TemporaryHome home;
};

TEST(TargetFolder, DefaultsAndBrowsing) {
  TemporaryHome home;
  EXPECT_EQ(DefaultTargetFolder(home.Home().string()), home.Home().string() + "/Korvanta/Ovalto4");
  EXPECT_EQ(DefaultTargetFolder((home.Root() / "absent").string()), (home.Root() / "absent/Ovalto4").string());
  EXPECT_EQ(BrowsedTargetFolder("/data/Apps"), "/data/Apps/Ovalto4");
  EXPECT_EQ(BrowsedTargetFolder("/"), "/Ovalto4");
}

TEST_F(PayloadInstallTest, InstallsTheLayoutByteForByteWithItsShortcut) {
  const fs::path target = home.Root() / "Мои программы/Ovalto 4";
  const InstallResult result = InstallPayload(target.string(), Payload(), true, home.Places());
  ASSERT_EQ(result.Status, InstallStatus::Installed) << result.Message;
  EXPECT_EQ(result.Target, target.string());
  ExpectSameFiles(StagedPayload(), target);
  EXPECT_TRUE(Executable(target / kProgramFile));
  EXPECT_FALSE(fs::exists(target / kArchiveCopy));
  EXPECT_FALSE(fs::exists(target / ".Ovalto4.new"));
  const fs::path shortcut = home.Home() / "Desktop/Ovalto4.desktop";
  EXPECT_TRUE(Executable(shortcut));
  EXPECT_NE(ReadText(shortcut).find("Exec=\"" + target.string() + "/Ovalto4\"\n"), std::string::npos);
}

TEST_F(PayloadInstallTest, ReinstallKeepsChangedFilesAndReplacesTheProgram) {
  const fs::path target = OldInstallation();
  fs::create_directories(target / "help");
  WriteText(target / "help/01_Общая_часть.htm", "my notes");
  ASSERT_EQ(InstallPayload(target.string(), Payload(), false, home.Places()).Status, InstallStatus::Installed);
  EXPECT_EQ(ReadText(target / "help/01_Общая_часть.htm"), "my notes");
  EXPECT_EQ(ReadText(target / kProgramFile), ReadText(StagedPayload() / kProgramFile));
  EXPECT_TRUE(Executable(target / kProgramFile));
  EXPECT_FALSE(fs::exists(home.Home() / "Desktop/Ovalto4.desktop")) << "no shortcut unless asked for";
}

TEST_F(PayloadInstallTest, FoldersThatCantHoldTheProgramAreRefusedBeforeAnythingIsWritten) {
  EXPECT_EQ(InstallPayload("  \t ", Payload(), true, home.Places()).Message, "Укажите каталог для установки!");
  WriteText(home.Root() / "file", "a regular file");
  const std::string under = (home.Root() / "file/Ovalto4").string();
  const InstallResult refused = InstallPayload(under, Payload(), true, home.Places());
  EXPECT_EQ(refused.Status, InstallStatus::TargetRefused);
  EXPECT_EQ(refused.Message, "Невозможно создать каталог \"" + under + "\" !");
}

TEST_F(PayloadInstallTest, ARelativeFolderIsTheOneFilled) {
  const fs::path here = fs::current_path();
  fs::current_path(home.Root());
  const InstallResult result = InstallPayload("relative/Ovalto4", Payload(), false, home.Places());
  fs::current_path(here);
  ASSERT_EQ(result.Status, InstallStatus::Installed);
  EXPECT_EQ(result.Target, (home.Root() / "relative/Ovalto4").string());
  EXPECT_TRUE(fs::exists(home.Root() / "relative/Ovalto4" / kProgramFile));
}

TEST_F(PayloadInstallTest, AFullDiskLeavesTheOldProgram) {
  const fs::path target = OldInstallation();
  {
    FileSizeLimit full(Payload().size() / 2);  // not even the archive copy fits
    EXPECT_EQ(InstallPayload(target.string(), Payload(), false, home.Places()).Status,
              InstallStatus::ArchiveCopyFailed);
  }
  ExpectOldProgramAlone(target);
  EXPECT_FALSE(fs::exists(target / kArchiveCopy));
  EXPECT_EQ(InstallPayload(target.string(), "", false, home.Places()).Status, InstallStatus::ArchiveCopyFailed)
      << "an installer without its payload";
  {
    FileSizeLimit full(Payload().size() + 1000);  // the copy fits, the unpacked program does not
    ASSERT_GT(fs::file_size(StagedPayload() / kProgramFile), Payload().size() + 1000);
    const InstallResult result = InstallPayload(target.string(), Payload(), false, home.Places());
    EXPECT_EQ(result.Status, InstallStatus::ExtractionFailed);
    EXPECT_EQ(result.Message, "Ошибка распаковки файлов !");
  }
  ExpectOldProgramAlone(target);
}

TEST_F(PayloadInstallTest, ACorruptPayloadFailsAndLeavesTheOldProgram) {
  const fs::path target = OldInstallation();
  std::string corrupt = Payload();
  for (std::size_t at = 1000; at < 1100; ++at) corrupt[at] = static_cast<char>(corrupt[at] ^ 0x5A);
  int pumped = 0;
  InstallHooks hooks;
  hooks.PumpMessages = [&pumped] { ++pumped; };
  const InstallResult result = InstallPayload(target.string(), corrupt, false, home.Places(), hooks);
  EXPECT_EQ(result.Status, InstallStatus::ExtractionFailed);
  EXPECT_EQ(pumped, 3) << "three attempts of the first pass";
  ExpectOldProgramAlone(target);
}

}  // namespace
}  // namespace setup::test
