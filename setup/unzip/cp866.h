// Code page 866, the code page of the names stored in the installer's archive (and in every
// archive made by DOS and Windows tools without the UTF-8 flag).
#pragma once

#include <string>
#include <string_view>

namespace unzip {

std::string Cp866ToUtf8(std::string_view bytes);

}  // namespace unzip
