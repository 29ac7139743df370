#include "output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace unzip {

namespace {

constexpr std::uint32_t kDosReadOnly = 1;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

int CreateDescriptor(const std::string& name) {
  return ::open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
}

}  // namespace

OutputFile::~OutputFile() { Close(); }

bool OutputFile::Create(const std::string& name) {
  Close();
  name_ = name;
  descriptor_ = CreateDescriptor(name);
  if (descriptor_ < 0 && errno == EACCES) {
    struct stat info {};
    if (lstat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0 &&
        ::chmod(name.c_str(), info.st_mode | S_IWUSR) == 0) {
      descriptor_ = CreateDescriptor(name);
    }
  }
  return descriptor_ >= 0;
}

bool OutputFile::Write(const std::uint8_t* data, std::size_t count) {
  while (count > 0) {
    const ssize_t written = ::write(descriptor_, data, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

void OutputFile::SetModificationTime(std::time_t moment) {
  const struct timespec times[2] = {{moment, 0}, {moment, 0}};
  ::futimens(descriptor_, times);
}

bool OutputFile::Close() {
  if (descriptor_ < 0) return true;
  const bool closed = ::close(descriptor_) == 0;
  descriptor_ = -1;
  return closed;
}

void OutputFile::Discard() {
  Close();
  if (!name_.empty()) ::unlink(name_.c_str());
}

void ApplyDosAttributes(const std::string& name, std::uint32_t attributes) {
  if ((attributes & kDosReadOnly) == 0) return;
  struct stat info {};
  if (::stat(name.c_str(), &info) == 0) ::chmod(name.c_str(), info.st_mode & ~kWriteBits);
}

}  // namespace unzip
