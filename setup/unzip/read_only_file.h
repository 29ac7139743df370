// An archive file opened for reading: the component's only way to its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace unzip {

class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool Open(const std::string& name);  // false when it can't be opened
  bool Close();                        // false when the close reported an error
  bool IsOpen() const { return file_ != nullptr; }

  // The three below throw EInOutError on a failure of the system.
  std::uint64_t Size();
  void Seek(std::uint64_t position);
  // Up to count bytes from the current position; fewer only at the end of the file.
  std::size_t Read(void* buffer, std::size_t count);
  std::uint64_t Position() const { return position_; }

  // The file's modification time as a packed DOS date-time; nothing when unknown.
  bool ModificationDosDateTime(std::uint32_t& dosDateTime) const;

 private:
  std::FILE* file_ = nullptr;
  std::uint64_t position_ = 0;
};

}  // namespace unzip
