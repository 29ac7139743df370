#include "cp866.h"

#include <algorithm>
#include <iterator>

namespace unzip {

namespace {

// UTF-8 of the bytes 0x80..0xFF: Cyrillic, box drawing, a few signs.
constexpr const char* kUpperHalf[128] = {
    "А", "Б", "В", "Г", "Д", "Е", "Ж", "З", "И", "Й", "К", "Л", "М", "Н", "О", "П", "Р", "С",      "Т", "У", "Ф", "Х",
    "Ц", "Ч", "Ш", "Щ", "Ъ", "Ы", "Ь", "Э", "Ю", "Я", "а", "б", "в", "г", "д", "е", "ж", "з",      "и", "й", "к", "л",
    "м", "н", "о", "п", "░", "▒", "▓", "│", "┤", "╡", "╢", "╖", "╕", "╣", "║", "╗", "╝", "╜",      "╛", "┐", "└", "┴",
    "┬", "├", "─", "┼", "╞", "╟", "╚", "╔", "╩", "╦", "╠", "═", "╬", "╧", "╨", "╤", "╥", "╙",      "╘", "╒", "╓", "╫",
    "╪", "┘", "┌", "█", "▄", "▌", "▐", "▀", "р", "с", "т", "у", "ф", "х", "ц", "ч", "ш", "щ",      "ъ", "ы", "ь", "э",
    "ю", "я", "Ё", "ё", "Є", "є", "Ї", "ї", "Ў", "ў", "°", "∙", "·", "√", "№", "¤", "■", "\u00A0",
};

}  // namespace

std::string Cp866ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      text += c;
    else
      text += kUpperHalf[byte - 0x80];
  }
  return text;
}

std::optional<std::string> Utf8ToCp866(std::string_view text) {
  std::string bytes;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
      bytes += text[at++];
      continue;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    const std::string_view character = text.substr(at, length);
    const auto* found = std::find(std::begin(kUpperHalf), std::end(kUpperHalf), character);
    if (found == std::end(kUpperHalf)) return std::nullopt;
    bytes += static_cast<char>(0x80 + (found - std::begin(kUpperHalf)));
    at += length;
  }
  return bytes;
}

}  // namespace unzip
