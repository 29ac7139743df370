#include "files.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "file_size_limit.h"

namespace ovalto {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "ovalto-files-XXXXXX").string();
    folder_ = ::mkdtemp(pattern.data());
    path_ = folder_ + "/projects.iso";
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  size_t FileCount() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder_), {}));
  }

  std::string folder_;
  std::string path_;
};

TEST_F(FilesTest, ReplacesTheWholeFileAndKeepsItsRights) {
  ASSERT_FALSE(ReplaceFileAtomically(path_, "old"));
  ::chmod(path_.c_str(), 0640);
  ASSERT_FALSE(ReplaceFileAtomically(path_, "new contents"));
  EXPECT_EQ(ReadWholeFile(path_), "new contents");
  struct stat info {};
  ::stat(path_.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(FileCount(), 1u);
  EXPECT_FALSE(ReadWholeFile(folder_ + "/missing"));
  EXPECT_FALSE(FileExists(folder_)) << "a folder is no file";
}

TEST_F(FilesTest, AWriteThatFailsHalfWayLeavesTheOldFile) {
  ASSERT_FALSE(ReplaceFileAtomically(path_, "old"));
  {
    testing::FileSizeLimit full(4096);  // the disk fills after 4 KiB
    const std::optional<std::string> error = ReplaceFileAtomically(path_, std::string(100000, 'x'));
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("запись"), std::string::npos) << *error;
  }
  EXPECT_EQ(ReadWholeFile(path_), "old");
  EXPECT_EQ(FileCount(), 1u) << "the temporary file is removed";
  EXPECT_EQ(ReplaceFileAtomically(folder_ + "/no/such/folder/file", "x"), "создание временного файла: папка не найдена")
      << "the system's reasons in Russian";
}

TEST_F(FilesTest, ALinkStaysALinkAndTheFileItLeadsToIsReplaced) {
  const std::string shared = folder_ + "/shared";
  const std::string program = folder_ + "/program";
  std::filesystem::create_directories(shared);
  std::filesystem::create_directories(program);
  ASSERT_FALSE(ReplaceFileAtomically(shared + "/projects.iso", "old"));
  std::filesystem::create_symlink("../shared/projects.iso", program + "/projects.iso");
  ASSERT_FALSE(ReplaceFileAtomically(program + "/projects.iso", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(program + "/projects.iso"));
  EXPECT_EQ(ReadWholeFile(shared + "/projects.iso"), "new");

  std::filesystem::create_symlink(shared + "/first.iso", program + "/first.iso");
  ASSERT_FALSE(ReplaceFileAtomically(program + "/first.iso", "made")) << "a link to no file yet makes the file";
  EXPECT_TRUE(std::filesystem::is_symlink(program + "/first.iso"));
  EXPECT_EQ(ReadWholeFile(shared + "/first.iso"), "made");

  std::filesystem::create_symlink(folder_ + "/gone/x.iso", program + "/lost.iso");
  EXPECT_EQ(ReplaceFileAtomically(program + "/lost.iso", "x"),
            "ссылка ведёт на \"" + folder_ + "/gone/x.iso\": создание временного файла: папка не найдена");
  std::filesystem::create_symlink("b.iso", program + "/a.iso");
  std::filesystem::create_symlink("a.iso", program + "/b.iso");
  EXPECT_EQ(ReplaceFileAtomically(program + "/a.iso", "x"), "переход по ссылке: ссылки ведут по кругу");
  for (const char* name : {"projects.iso", "first.iso", "lost.iso", "a.iso", "b.iso"})
    EXPECT_TRUE(std::filesystem::is_symlink(program + "/" + name)) << name;
  EXPECT_EQ(static_cast<size_t>(std::distance(std::filesystem::directory_iterator(shared), {})), 2u)
      << "no temporary file is left";
}

TEST_F(FilesTest, AProcessKilledWhileWritingLeavesTheOldFileOrTheNewOneWhole) {
  const std::string old = "old";
  const std::string large(64 << 20, 'n');
  ASSERT_FALSE(ReplaceFileAtomically(path_, old));
  const pid_t writer = ::fork();
  ASSERT_GE(writer, 0);
  if (writer == 0) {
    ReplaceFileAtomically(path_, large);
    ::_exit(0);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  ::kill(writer, SIGKILL);
  ::waitpid(writer, nullptr, 0);
  const std::optional<std::string> now = ReadWholeFile(path_);
  ASSERT_TRUE(now);
  EXPECT_TRUE(*now == old || *now == large) << "a file of " << now->size() << " bytes";
}

}  // namespace
}  // namespace ovalto
