// Extracted entries written to the disk.
//
// A file is never opened through a symbolic link at its own name, so an entry can't be steered
// outside the target folder through a link left there.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "output_name.h"
#include "unzip_platform.h"

namespace unzip {

namespace {

constexpr std::uint32_t kDosReadOnly = 1;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kExecuteBits = S_IXUSR | S_IXGRP | S_IXOTH;

int CreateDescriptor(const std::string& name) {
  return ::open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
}

class DiskFile final : public OutputSink {
 public:
  DiskFile(int descriptor, std::string name) : descriptor_(descriptor), name_(std::move(name)) {}
  ~DiskFile() override { Close(); }
  DiskFile(const DiskFile&) = delete;
  DiskFile& operator=(const DiskFile&) = delete;

  bool Write(const std::uint8_t* data, std::size_t count) override {
    while (count > 0) {
      const ssize_t written = ::write(descriptor_, data, count);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      data += written;
      count -= static_cast<std::size_t>(written);
    }
    return true;
  }

  void SetModificationTime(std::time_t moment) override {
    const struct timespec times[2] = {{moment, 0}, {moment, 0}};
    ::futimens(descriptor_, times);
  }

  bool Close() override {
    if (descriptor_ < 0) return true;
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    return closed;
  }

  void Discard() override {
    Close();
    ::unlink(name_.c_str());
  }

 private:
  int descriptor_;
  std::string name_;
};

class Disk final : public UnzipOutput {
 public:
  bool FileExists(const std::string& name) override {
    std::error_code error;
    return std::filesystem::exists(name, error) && !std::filesystem::is_directory(name, error);
  }

  void CreateFolders(const std::string& folder) override {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
  }

  bool LiesInsideFolder(const std::string& path, const std::string& folder) override {
    return unzip::LiesInsideFolder(path, folder);
  }

  // A read-only file loses that attribute and is tried once more.
  std::unique_ptr<OutputSink> CreateFile(const std::string& name) override {
    int descriptor = CreateDescriptor(name);
    if (descriptor < 0 && errno == EACCES) {
      struct stat info {};
      if (lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0 &&
          ::chmod(name.c_str(), info.st_mode | S_IWUSR) == 0) {
        descriptor = CreateDescriptor(name);
      }
    }
    if (descriptor < 0) return nullptr;
    return std::make_unique<DiskFile>(descriptor, name);
  }

  // Of the DOS attributes only "read-only" has a meaning here. An archive made on a Unix system
  // keeps the file's mode in the upper half: a program stays executable, within the umask that
  // gave the file its read bits.
  void ApplyAttributes(const std::string& name, std::uint32_t attributes) override {
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0) return;
    mode_t mode = info.st_mode & 07777;
    const std::uint32_t unixMode = attributes >> 16;
    if ((unixMode & S_IFMT) == S_IFREG && (unixMode & kExecuteBits) != 0) mode |= (mode & 0444) >> 2;
    if ((attributes & kDosReadOnly) != 0) mode &= ~kWriteBits;
    if (mode != (info.st_mode & 07777)) ::chmod(name.c_str(), mode);
  }
};

}  // namespace

UnzipOutput& DiskOutput() {
  static Disk disk;
  return disk;
}

}  // namespace unzip
