// The payload of a staged folder: every folder and file below it, in name order, folders
// before what they hold; a file the owner may execute is packed as a program.
#pragma once

#include <filesystem>

#include "zip_writer.h"

namespace payload {

Bytes PackFolder(const std::filesystem::path& root, int* entryCount = nullptr);

}  // namespace payload
