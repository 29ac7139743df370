#include "setup_test_support.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "payload_resource.h"

namespace setup::test {

namespace fs = std::filesystem;

namespace {

std::string Swap(const char* name, const std::string& value) {
  const char* old = std::getenv(name);
  std::string saved = old ? old : "";
  ::setenv(name, value.c_str(), 1);
  return saved;
}

}  // namespace

TemporaryHome::TemporaryHome()
    : root_(fs::temp_directory_path() / ("ovalto-setup-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(reinterpret_cast<std::uintptr_t>(this)))) {
  fs::remove_all(root_);
  fs::create_directories(Home() / "Desktop");
  fs::create_directories(root_ / "config");
  fs::create_directories(root_ / "data");
  savedHome_ = Swap("HOME", Home().string());
  savedConfig_ = Swap("XDG_CONFIG_HOME", (root_ / "config").string());
  savedData_ = Swap("XDG_DATA_HOME", (root_ / "data").string());
}

TemporaryHome::~TemporaryHome() {
  ::setenv("HOME", savedHome_.c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", savedConfig_.c_str(), 1);
  ::setenv("XDG_DATA_HOME", savedData_.c_str(), 1);
  std::error_code error;
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(root_, error);
}

InstallPlaces TemporaryHome::Places() const {
  return {(root_ / "data").string(), (root_ / "config").string(), (Home() / "Desktop").string()};
}

const std::string& Payload() {
  static const std::string payload = BuiltInPayload();
  return payload;
}

fs::path StagedPayload() { return OVALTO_PAYLOAD_STAGE; }

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

void ExpectSameFiles(const fs::path& expected, const fs::path& installed) {
  int files = 0;
  for (const auto& item : fs::recursive_directory_iterator(expected)) {
    const fs::path copy = installed / item.path().lexically_relative(expected);
    if (item.is_directory()) {
      EXPECT_TRUE(fs::is_directory(copy)) << copy;
      continue;
    }
    ++files;
    ASSERT_TRUE(fs::is_regular_file(copy)) << copy;
    EXPECT_TRUE(ReadText(item.path()) == ReadText(copy)) << copy << " differs from what was packed";
  }
  EXPECT_GT(files, 3);
}

FileSizeLimit::FileSizeLimit(std::uint64_t bytes) {
  struct rlimit limit {};
  getrlimit(RLIMIT_FSIZE, &limit);
  savedCurrent_ = limit.rlim_cur;
  savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  struct rlimit limit {};
  getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = savedCurrent_;
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, savedHandler_);
}

std::string ValidateDesktopFile(const fs::path& file) {
  if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0) return "skip";
  const std::string command = "desktop-file-validate '" + file.string() + "' 2>&1";
  std::string output;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    ::pclose(pipe);
  }
  return output;
}

}  // namespace setup::test
