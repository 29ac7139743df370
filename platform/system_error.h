// The reasons the system gives for a failed file operation, in the words the
// user reads them in: the system's own texts follow the locale, and are
// English where no Russian one is installed.
#pragma once

#include <string>

namespace ovalto {

// The reason of the error number `error` (errno).
std::string SystemErrorText(int error);

}  // namespace ovalto
