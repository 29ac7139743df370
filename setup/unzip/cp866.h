// Code page 866, the code page of the names stored in the installer's archive (and in every
// archive made by DOS and Windows tools without the UTF-8 flag).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace unzip {

std::string Cp866ToUtf8(std::string_view bytes);
// Nothing when the text holds a character that code page 866 lacks.
std::optional<std::string> Utf8ToCp866(std::string_view text);

}  // namespace unzip
