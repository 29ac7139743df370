// The payload built into the installer: the archive "OvaltoDat4" as a Qt resource.
#pragma once

#include <string>

namespace setup {

// The archive's bytes; empty when the resource is missing.
std::string BuiltInPayload();

}  // namespace setup
