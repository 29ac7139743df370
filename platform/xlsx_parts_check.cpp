#include "xlsx_parts_check.h"

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace ovalto {
namespace {

constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::uint32_t kDirectoryEntry = 0x02014b50;
constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr size_t kEndOfDirectorySize = 22;
constexpr size_t kDirectoryEntrySize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr size_t kLongestComment = 0xFFFF;
constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;

// Little-endian numbers at `at`; nothing past the end.
std::optional<std::uint32_t> Number(std::string_view bytes, size_t at, size_t width) {
  if (at > bytes.size() || bytes.size() - at < width) return std::nullopt;
  std::uint32_t value = 0;
  for (size_t i = width; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::optional<std::string> Unpacked(std::string_view packed, std::uint16_t method, std::uint32_t size) {
  if (method == kStored) return std::string(packed);
  if (method != kDeflated) return std::nullopt;
  std::string out(size, '\0');
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  stream.avail_in = static_cast<uInt>(packed.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = inflate(&stream, Z_FINISH);
  const bool whole = result == Z_STREAM_END && stream.total_out == size;
  inflateEnd(&stream);
  if (!whole) return std::nullopt;
  return out;
}

bool IsXmlPart(std::string_view name) { return name.ends_with(".xml") || name.ends_with(".rels"); }

// The root element ends the part: its closing tag, or its own "/>" when it
// is the part's one element.
bool XmlComplete(std::string_view xml) {
  size_t root = xml.find('<');
  while (root != std::string_view::npos && xml.substr(root, 2) == "<?") root = xml.find('<', root + 1);
  if (root == std::string_view::npos) return false;
  const size_t nameEnd = xml.find_first_of(" \t\r\n/>", root + 1);
  if (nameEnd == std::string_view::npos) return false;
  const std::string closing = "</" + std::string(xml.substr(root + 1, nameEnd - root - 1)) + ">";
  xml = xml.substr(0, xml.find_last_not_of(" \t\r\n") + 1);
  return xml.ends_with(closing) || (xml.ends_with("/>") && xml.rfind('<') == root);
}

}  // namespace

bool WorkbookPartsComplete(const std::string& file) {
  const std::string_view bytes(file);
  if (bytes.size() < kEndOfDirectorySize) return false;
  const size_t lowest =
      bytes.size() > kEndOfDirectorySize + kLongestComment ? bytes.size() - kEndOfDirectorySize - kLongestComment : 0;
  size_t end = bytes.size() - kEndOfDirectorySize;
  while (Number(bytes, end, 4) != kEndOfDirectory) {
    if (end == lowest) return false;
    --end;
  }
  const std::optional<std::uint32_t> entries = Number(bytes, end + 10, 2);
  std::optional<std::uint32_t> at = Number(bytes, end + 16, 4);
  if (!entries || !at || *entries == 0) return false;
  for (std::uint32_t entry = 0; entry < *entries; ++entry) {
    if (Number(bytes, *at, 4) != kDirectoryEntry) return false;
    const auto method = Number(bytes, *at + 10, 2);
    const auto packedSize = Number(bytes, *at + 20, 4);
    const auto size = Number(bytes, *at + 24, 4);
    const auto nameLength = Number(bytes, *at + 28, 2);
    const auto extraLength = Number(bytes, *at + 30, 2);
    const auto commentLength = Number(bytes, *at + 32, 2);
    const auto header = Number(bytes, *at + 42, 4);
    if (!method || !packedSize || !size || !nameLength || !extraLength || !commentLength || !header) return false;
    const size_t nameAt = *at + kDirectoryEntrySize;
    if (nameAt + *nameLength > bytes.size()) return false;
    const std::string_view name = bytes.substr(nameAt, *nameLength);
    if (IsXmlPart(name)) {
      if (Number(bytes, *header, 4) != kLocalHeader) return false;
      const auto localName = Number(bytes, *header + 26, 2);
      const auto localExtra = Number(bytes, *header + 28, 2);
      if (!localName || !localExtra) return false;
      const size_t dataAt = *header + kLocalHeaderSize + *localName + *localExtra;
      if (dataAt > bytes.size() || bytes.size() - dataAt < *packedSize) return false;
      const std::optional<std::string> xml =
          Unpacked(bytes.substr(dataAt, *packedSize), static_cast<std::uint16_t>(*method), *size);
      if (!xml || !XmlComplete(*xml)) return false;
    }
    at = static_cast<std::uint32_t>(nameAt + *nameLength + *extraLength + *commentLength);
  }
  return true;
}

}  // namespace ovalto
