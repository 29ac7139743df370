// Texts as the projects file can hold them. The file cuts fields at TABs,
// records at line ends and notes and trees at pilcrows, so none of these may
// reach it from what the user typed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ovalto {

inline constexpr std::string_view kPilcrow = "\xC2\xB6";  // ¶ in UTF-8; byte 0xB6 in code page 1251

// Every character below 32 (TAB, CR, LF …) and every pilcrow becomes a blank.
std::string BlankSeparators(std::string_view text);

// The text as the file will give it back: separators blanked, and every
// character that code page 1251 cannot hold (λ, ², …) shown as the "?" the
// file will store, so that what the user sees after a save is what comes
// back after a restart.
std::string StorableText(std::string_view text);

// At most `characters` characters (not bytes) of a UTF-8 text.
std::string CutToLength(std::string_view text, size_t characters);

// The pieces of a text before each separator, in order; text after the last
// separator is one more piece, and no separator at the end starts an empty
// one.
std::vector<std::string> SplitPieces(const std::string& text, std::string_view separator);

// Without leading and trailing blanks.
std::string TrimBlanks(std::string_view text);

}  // namespace ovalto
