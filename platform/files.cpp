#include "files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "system_error.h"

namespace ovalto {

namespace {

constexpr const char* kTemporarySuffix = ".XXXXXX";

constexpr int kLinkHops = 40;  // as many as the system follows itself

// Root may write any file, so its rights are read from the bits as well.
bool MayReplace(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return true;
  return (info.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// What the link `path` holds; nothing when it is no link.
std::optional<std::string> LinkContents(const std::string& path) {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) return std::nullopt;
    if (static_cast<size_t>(length) < buffer.size()) return std::string(buffer.data(), static_cast<size_t>(length));
    buffer.resize(buffer.size() * 2);
  }
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

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::optional<std::string> FinalTarget(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop <= kLinkHops; ++hop) {
    const std::optional<std::string> next = LinkContents(current);
    if (!next || next->empty()) return current;
    current = next->front() == '/' ? *next : FolderOf(current) + "/" + *next;
  }
  return std::nullopt;
}

FileReplacement::~FileReplacement() { Discard(); }

std::optional<std::string> FileReplacement::Start(const std::string& path) {
  Discard();
  path_ = path;
  const std::optional<std::string> target = FinalTarget(path);
  target_ = target.value_or(path);
  if (!target) {
    errno = ELOOP;
    return Failure("переход по ссылке");
  }
  if (!MayReplace(target_)) return Described("файл доступен только для чтения");
  std::string pattern = target_ + kTemporarySuffix;
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fd_ = ::mkstemp(name.data());
  if (fd_ < 0) return Failure("создание временного файла");
  temporary_ = name.data();
  return std::nullopt;
}

std::optional<std::string> FileReplacement::Finish() {
  std::optional<std::string> failure;
  if (::fsync(fd_) != 0) failure = Failure("сброс на диск");
  // mkstemp makes the file private; the new file keeps the old one's rights.
  struct stat old {};
  const mode_t mode = ::stat(target_.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  if (!failure && ::fchmod(fd_, mode) != 0) failure = Failure("права доступа");
  const int fd = std::exchange(fd_, -1);
  if (::close(fd) != 0 && !failure) failure = Failure("закрытие");
  if (!failure && ::rename(temporary_.c_str(), target_.c_str()) != 0) failure = Failure("переименование");
  if (failure) {
    Discard();
    return failure;
  }
  temporary_.clear();
  // The rename itself reaches the disk only with its folder.
  const int folder = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return std::nullopt;
}

std::string FileReplacement::Failure(const char* step) const {
  const int error = errno;
  return Described(std::string(step) + ": " + SystemErrorText(error));
}

std::string FileReplacement::Described(const std::string& reason) const {
  if (target_ == path_) return reason;
  return "ссылка ведёт на \"" + target_ + "\": " + reason;
}

void FileReplacement::Discard() {
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

std::optional<std::string> ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  FileReplacement file;
  if (std::optional<std::string> failure = file.Start(path)) return failure;
  if (!WriteAll(file.Descriptor(), bytes)) return file.Failure("запись");
  return file.Finish();
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
