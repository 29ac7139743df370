#include "tree/field_text.h"

#include "cp1251.h"

namespace ovalto {

namespace {

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::string BlankSeparators(std::string_view text) {
  std::string clean;
  clean.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, kPilcrow.size()) == kPilcrow) {
      clean += ' ';
      ++i;
    } else if (static_cast<unsigned char>(text[i]) < 32) {
      clean += ' ';
    } else {
      clean += text[i];
    }
  }
  return clean;
}

std::string StorableText(std::string_view text) { return Cp1251ToUtf8(Utf8ToCp1251(BlankSeparators(text))); }

std::string CutToLength(std::string_view text, size_t characters) {
  size_t end = 0;
  for (size_t count = 0; end < text.size() && count < characters; ++count) {
    ++end;
    while (end < text.size() && IsContinuationByte(text[end])) ++end;
  }
  return std::string(text.substr(0, end));
}

std::vector<std::string> SplitPieces(const std::string& text, std::string_view separator) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
    pieces.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
  if (start < text.size()) pieces.push_back(text.substr(start));
  return pieces;
}

std::string TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace ovalto
