// Writes the installer's payload: a zip archive as the installer's own zip component and every
// common tool read it. Names in code page 866, files deflated through zlib, folders stored as
// entries of their own, no extra fields and no comment, one fixed DOS time for every entry (so
// the same input always gives the same archive), and the Unix mode in the upper half of the
// external attributes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace payload {

using Bytes = std::vector<std::uint8_t>;

class ZipWriter {
 public:
  // A folder entry; name in UTF-8 without the trailing '/'.
  void AddFolder(const std::string& name);
  // A deflated file entry; name in UTF-8 with '/' between folders.
  void AddFile(const std::string& name, const Bytes& data, bool executable);
  // The archive: the local records in the order added, the central directory, the end record.
  Bytes Finish() const;
  int EntryCount() const { return static_cast<int>(central_.size()); }

 private:
  struct CentralEntry {
    std::string storedName;
    std::uint16_t method;
    std::uint32_t crc, compressedSize, size, externalAttributes, localOffset;
  };
  static void PutSharedFields(Bytes& out, const CentralEntry& entry);
  void AddEntry(const std::string& name, std::uint16_t method, const Bytes& stored, std::uint32_t crc,
                std::uint32_t size, std::uint32_t externalAttributes);

  Bytes local_;
  std::vector<CentralEntry> central_;
};

// Thrown for a name that code page 866 can't hold and for an archive past the 4 GB of the format.
struct PackError {
  std::string what;
};

}  // namespace payload
