#include "zip_writer.h"

#include <zlib.h>

#include <limits>

#include "cp866.h"

namespace payload {

namespace {

// 1 January 2026, 00:00: time 0, date ((2026 - 1980) << 9) | (1 << 5) | 1.
constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = ((2026 - 1980) << 9) | (1 << 5) | 1;
constexpr std::uint16_t kVersionNeeded = 20;     // deflate and folders
constexpr std::uint16_t kVersionMadeBy = 0x314;  // Unix, so tools read the mode; 2.0
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::uint32_t kDosFolder = 0x10;
constexpr std::uint32_t kDosArchive = 0x20;
constexpr std::uint32_t kUnixFolder = 040755;
constexpr std::uint32_t kUnixProgram = 0100755;
constexpr std::uint32_t kUnixFile = 0100644;

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutName(Bytes& out, const std::string& name) { out.insert(out.end(), name.begin(), name.end()); }

std::uint32_t Checked32(std::uint64_t value) {
  if (value > std::numeric_limits<std::uint32_t>::max()) throw PackError{"the payload exceeds 4 GB"};
  return static_cast<std::uint32_t>(value);
}

std::string StoredName(const std::string& name) {
  const std::optional<std::string> stored = unzip::Utf8ToCp866(name);
  if (!stored) throw PackError{"code page 866 has no letter for a character of \"" + name + "\""};
  if (stored->size() > 0xFFFF) throw PackError{"name too long: " + name};
  return *stored;
}

// Raw deflate (no zlib header), as zip stores it.
Bytes Deflate(const Bytes& data) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw PackError{"zlib could not start"};
  }
  Bytes out(deflateBound(&stream, static_cast<uLong>(data.size())));
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) throw PackError{"zlib could not compress"};
  return out;
}

}  // namespace

// The fields from "version needed" to the extra field's length, alike in both headers.
void ZipWriter::PutSharedFields(Bytes& out, const CentralEntry& entry) {
  Put16(out, kVersionNeeded);
  Put16(out, 0);  // flags
  Put16(out, entry.method);
  Put16(out, kDosTime);
  Put16(out, kDosDate);
  Put32(out, entry.crc);
  Put32(out, entry.compressedSize);
  Put32(out, entry.size);
  Put16(out, static_cast<std::uint32_t>(entry.storedName.size()));
  Put16(out, 0);  // extra field
}

void ZipWriter::AddFolder(const std::string& name) {
  AddEntry(name + "/", kStored, {}, 0, 0, (kUnixFolder << 16) | kDosFolder);
}

void ZipWriter::AddFile(const std::string& name, const Bytes& data, bool executable) {
  const std::uint32_t size = Checked32(data.size());
  const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
  AddEntry(name, kDeflated, Deflate(data), crc, size, ((executable ? kUnixProgram : kUnixFile) << 16) | kDosArchive);
}

void ZipWriter::AddEntry(const std::string& name, std::uint16_t method, const Bytes& stored, std::uint32_t crc,
                         std::uint32_t size, std::uint32_t externalAttributes) {
  const CentralEntry entry{StoredName(name),        method, crc, Checked32(stored.size()), size, externalAttributes,
                           Checked32(local_.size())};
  Put32(local_, 0x04034B50);
  PutSharedFields(local_, entry);
  PutName(local_, entry.storedName);
  local_.insert(local_.end(), stored.begin(), stored.end());
  if (central_.size() == 0xFFFF) throw PackError{"more entries than the format counts"};
  central_.push_back(entry);
}

Bytes ZipWriter::Finish() const {
  Bytes archive = local_;
  const std::uint32_t directoryStart = Checked32(archive.size());
  for (const CentralEntry& entry : central_) {
    Put32(archive, 0x02014B50);
    Put16(archive, kVersionMadeBy);
    PutSharedFields(archive, entry);
    Put16(archive, 0);  // comment
    Put16(archive, 0);  // disk
    Put16(archive, 0);  // internal attributes
    Put32(archive, entry.externalAttributes);
    Put32(archive, entry.localOffset);
    PutName(archive, entry.storedName);
  }
  const std::uint32_t directorySize = Checked32(archive.size() - directoryStart);
  Put32(archive, 0x06054B50);
  Put16(archive, 0);
  Put16(archive, 0);
  Put16(archive, static_cast<std::uint32_t>(central_.size()));
  Put16(archive, static_cast<std::uint32_t>(central_.size()));
  Put32(archive, directorySize);
  Put32(archive, directoryStart);
  Put16(archive, 0);  // comment
  return archive;
}

}  // namespace payload
