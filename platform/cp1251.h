// Code page 1251: the encoding of every text file the calculator keeps
// (projects, catalogues). Inside the program texts are UTF-8.
#pragma once

#include <string>

namespace ovalto {

std::string Cp1251ToUtf8(const std::string& bytes);

// Characters that code page 1251 cannot hold become '?'.
std::string Utf8ToCp1251(const std::string& text);

}  // namespace ovalto
