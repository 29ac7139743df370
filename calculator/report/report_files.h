// Files of the report as the program writes them: whole or not at all, and
// pages in code page 1251 with Windows line ends, as the programs that open
// them expect.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ovalto {

// Writes `bytes` to a new file beside `path` and then puts it in place of
// `path`, so that the name holds either the old file or the whole new one.
// Returns 0, or the system's error number; a failed write leaves nothing
// behind.
int ReplaceFile(const std::string& path, std::string_view bytes);

// The lines in code page 1251, each ended by CR LF; a character the code
// page lacks becomes '?'.
std::string EncodePage(const std::vector<std::string>& lines);

// The error box text for a file that could not be written.
std::string WriteFailureText(const std::string& path, int error);

}  // namespace ovalto
