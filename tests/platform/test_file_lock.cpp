#include "file_lock.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(FileLock, OneHolderAtATimeAndAWaitThatEnds) {
  std::string pattern = (std::filesystem::temp_directory_path() / "ovalto-lock-XXXXXX").string();
  const std::string folder = ::mkdtemp(pattern.data());
  const std::string path = folder + "/projects.lock";
  {
    const FileLock first(path, std::chrono::milliseconds(0));
    ASSERT_TRUE(first.Held()) << first.Failure();
    const auto start = std::chrono::steady_clock::now();
    const FileLock second(path, std::chrono::milliseconds(200));
    EXPECT_FALSE(second.Held());
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(second.Failure(), "файл занят другой копией программы (блокировка \"" + path + "\"); повторите позже");
  }
  EXPECT_TRUE(FileLock(path, std::chrono::milliseconds(0)).Held()) << "let go with its holder";
  const FileLock nowhere(folder + "/no/such/folder/lock", std::chrono::milliseconds(0));
  EXPECT_EQ(nowhere.Failure(), "файл блокировки \"" + folder + "/no/such/folder/lock\": папка не найдена");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace ovalto
