#include "messages.h"

#include <array>
#include <utility>

namespace unzip {

namespace {

constexpr std::array<std::pair<int, const char*>, 22> kMessages{{
    {25108, "Bad file header"},
    {25109, "Bad block"},
    {25136, "Error writing to file"},
    {25137, "Error closing file"},
    {25138, "Incomplete code set"},
    {25151, "File fails CRC check"},
    {25153, "Unable to create directory"},
    {25157, "is not accessible."},
    {25172, "File not found"},
    {25235, "Error opening file"},
    {25236, "Error reading file or unexpected end of file"},
    {25242, "Invalid or unsupported archive type for this operation"},
    {25247, "Bad lengths"},
    {25248, "Inconsistant local header"},
    {25253, "Out of memory"},
    {25270, "Required event not assigned"},
    {25292, "Seek error"},
    {25293, "Ambiguous Shannon-Fano decode tree encountered"},
    {25298, "Stack overflow"},
    {25326, "Unsupported compression method"},
    {26517, "Invalid password"},
    {26522, "Password failed"},
}};

}  // namespace

std::string MessageText(int code) {
  for (const auto& [number, text] : kMessages) {
    if (number == code) return text;
  }
  return {};
}

E_RAISE::E_RAISE(int code) : std::runtime_error(MessageText(code)), code_(code) {}

}  // namespace unzip
