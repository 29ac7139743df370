// The file an entry is written to. It never follows a symbolic link at its own name, so an
// entry can't be steered outside the target folder through a link left there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace unzip {

class OutputFile {
 public:
  OutputFile() = default;
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Creates the file or truncates an existing one; a read-only file loses that attribute
  // and is tried once more.
  bool Create(const std::string& name);
  // False when not every byte could be written (a full disk, for one).
  bool Write(const std::uint8_t* data, std::size_t count);
  // Sets the modification time through the open file; failures are of no consequence.
  void SetModificationTime(std::time_t moment);
  bool Close();
  // Closes and deletes what was written.
  void Discard();
  bool IsOpen() const { return descriptor_ >= 0; }

 private:
  int descriptor_ = -1;
  std::string name_;
};

// DOS attributes of a written file: only "read-only" has a meaning on Linux.
void ApplyDosAttributes(const std::string& name, std::uint32_t attributes);

}  // namespace unzip
