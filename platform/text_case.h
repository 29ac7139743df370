// Letter case of the program's texts (UTF-8, Russian and Latin letters), as
// the bill of materials compares product lines, coverings and tree lines and
// a re-edited object reads its lines back: the same for any desktop locale.
#pragma once

#include <string>
#include <string_view>

namespace ovalto {

// Upper case of the Latin and Cyrillic letters; every other byte unchanged.
std::string UpperCase(std::string_view text);

// The text holds the part, letter case as it is.
bool Contains(std::string_view text, std::string_view part);

// Equal after upper-casing both.
bool SameText(std::string_view a, std::string_view b);

// The first characters (not bytes) of a text; the whole text when shorter.
std::string_view FirstChars(std::string_view text, std::size_t count);
std::size_t CharCount(std::string_view text);

// The text without leading and trailing blanks and control characters (a
// pasted TAB), as a typed field is trimmed.
std::string_view Trimmed(std::string_view text);

}  // namespace ovalto
