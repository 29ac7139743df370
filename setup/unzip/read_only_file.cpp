#include "read_only_file.h"

#include <sys/stat.h>

#include "dos_date_time.h"
#include "messages.h"

namespace unzip {

ReadOnlyFile::~ReadOnlyFile() { Close(); }

bool ReadOnlyFile::Open(const std::string& name) {
  Close();
  struct stat info {};
  // A folder opens as a file on Linux; the component only ever means regular files.
  if (stat(name.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
  file_ = std::fopen(name.c_str(), "rb");
  position_ = 0;
  return file_ != nullptr;
}

bool ReadOnlyFile::Close() {
  if (file_ == nullptr) return true;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return closed;
}

std::uint64_t ReadOnlyFile::Size() {
  struct stat info {};
  if (file_ == nullptr || fstat(fileno(file_), &info) != 0) throw EInOutError("file size unknown");
  return static_cast<std::uint64_t>(info.st_size);
}

void ReadOnlyFile::Seek(std::uint64_t position) {
  if (file_ == nullptr || position > static_cast<std::uint64_t>(INT64_MAX) ||
      fseeko(file_, static_cast<off_t>(position), SEEK_SET) != 0) {
    throw EInOutError("seek failed");
  }
  position_ = position;
}

std::size_t ReadOnlyFile::Read(void* buffer, std::size_t count) {
  if (file_ == nullptr) throw EInOutError("file not open");
  if (count == 0) return 0;
  const std::size_t got = std::fread(buffer, 1, count, file_);
  if (got < count && std::ferror(file_)) throw EInOutError("read failed");
  position_ += got;
  return got;
}

bool ReadOnlyFile::ModificationDosDateTime(std::uint32_t& dosDateTime) const {
  struct stat info {};
  if (file_ == nullptr || fstat(fileno(file_), &info) != 0) return false;
  return UnixTimeToDosDateTime(info.st_mtime, dosDateTime);
}

}  // namespace unzip
