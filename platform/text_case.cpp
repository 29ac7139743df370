#include "text_case.h"

namespace ovalto {

namespace {

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (std::size_t i = 0; i < upper.size(); ++i) {
    unsigned char& c = reinterpret_cast<unsigned char&>(upper[i]);
    if (c >= 'a' && c <= 'z') {
      c = static_cast<unsigned char>(c - 'a' + 'A');
    } else if ((c == 0xD0 || c == 0xD1) && i + 1 < upper.size()) {
      unsigned char& next = reinterpret_cast<unsigned char&>(upper[i + 1]);
      if (c == 0xD0 && next >= 0xB0 && next <= 0xBF) {  // а … п
        next = static_cast<unsigned char>(next - 0x20);
      } else if (c == 0xD1 && next >= 0x80 && next <= 0x8F) {  // р … я
        c = 0xD0;
        next = static_cast<unsigned char>(next + 0x20);
      } else if (c == 0xD1 && next >= 0x90 && next <= 0x9F) {  // ѐ … џ, ё among them
        c = 0xD0;
        next = static_cast<unsigned char>(next - 0x10);
      }
      ++i;
    }
  }
  return upper;
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

bool SameText(std::string_view a, std::string_view b) { return a.size() == b.size() && UpperCase(a) == UpperCase(b); }

std::string_view FirstChars(std::string_view text, std::size_t count) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsContinuationByte(static_cast<unsigned char>(text[i]))) continue;
    if (chars == count) return text.substr(0, i);
    ++chars;
  }
  return text;
}

std::size_t CharCount(std::string_view text) {
  std::size_t chars = 0;
  for (unsigned char c : text) chars += IsContinuationByte(c) ? 0 : 1;
  return chars;
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace ovalto
