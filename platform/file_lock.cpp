#include "file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "system_error.h"

namespace ovalto {

FileLock::FileLock(const std::string& path, std::chrono::milliseconds wait) {
  // Read only: a lock file that another user made is locked all the same.
  // Not inherited by the programs started from here (the spreadsheet, the
  // browser), which would hold the lock long after this copy let it go.
  fd_ = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) {
    failure_ = "файл блокировки \"" + path + "\": " + SystemErrorText(errno);
    return;
  }
  const auto deadline = std::chrono::steady_clock::now() + wait;
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) {
      failure_ = "файл блокировки \"" + path + "\": " + SystemErrorText(errno);
      return;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      failure_ = "файл занят другой копией программы (блокировка \"" + path + "\"); повторите позже";
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing lets the lock go
}

}  // namespace ovalto
