#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <vector>

#include "system_error.h"

namespace ovalto {

namespace {

constexpr const char* kTemporarySuffix = ".XXXXXX";

std::string Reason(const char* step) { return std::string(step) + ": " + SystemErrorText(errno); }

// Root may write any file, so its rights are read from the bits as well.
bool MayReplace(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return true;
  return (info.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

bool FileExists(const std::string& path) { return StampOf(path).Exists; }

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(bytes).str();
}

std::optional<std::string> ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  if (!MayReplace(path)) return "файл доступен только для чтения";
  std::string pattern = path + kTemporarySuffix;
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return Reason("создание временного файла");
  const std::string temporary(name.data());
  std::optional<std::string> failure;
  if (!WriteAll(fd, bytes)) {
    failure = Reason("запись");
  } else if (::fsync(fd) != 0) {
    failure = Reason("сброс на диск");
  }
  // mkstemp makes the file private; the new file keeps the old one's rights.
  struct stat old {};
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  if (!failure && ::fchmod(fd, mode) != 0) failure = Reason("права доступа");
  if (::close(fd) != 0 && !failure) failure = Reason("закрытие");
  if (!failure && ::rename(temporary.c_str(), path.c_str()) != 0) failure = Reason("переименование");
  if (failure) {
    ::unlink(temporary.c_str());
    return failure;
  }
  // The rename itself reaches the disk only with its folder.
  const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return std::nullopt;
}

std::optional<std::string> TemporaryFileTarget(const std::string& name) {
  const size_t suffix = std::char_traits<char>::length(kTemporarySuffix);
  if (name.size() <= suffix || name[name.size() - suffix] != '.') return std::nullopt;
  for (size_t i = name.size() - suffix + 1; i < name.size(); ++i) {
    const char c = name[i];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return std::nullopt;
  }
  return name.substr(0, name.size() - suffix);
}

FileStamp StampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  return {true,
          static_cast<std::uint64_t>(info.st_dev),
          static_cast<std::uint64_t>(info.st_ino),
          static_cast<std::uint64_t>(info.st_size),
          Nanoseconds(info.st_mtim),
          Nanoseconds(info.st_ctim)};
}

}  // namespace ovalto
