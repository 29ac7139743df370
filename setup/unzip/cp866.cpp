#include "cp866.h"

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

}  // namespace unzip
