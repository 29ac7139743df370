// A lock that the copies of the program take on a file of their own before
// they change the files they share, so that one copy's change never lands
// in the middle of another's. The lock is let go with the object, or with
// the process however it ends.
#pragma once

#include <chrono>
#include <string>

namespace ovalto {

class FileLock {
 public:
  // Takes the lock of `path`, made when missing, waiting at most `wait` for
  // another copy to let it go.
  FileLock(const std::string& path, std::chrono::milliseconds wait);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return failure_.empty(); }
  // Why the lock is not held, naming the lock file.
  const std::string& Failure() const { return failure_; }

 private:
  int fd_ = -1;
  std::string failure_;
};

}  // namespace ovalto
