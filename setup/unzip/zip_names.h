// Entry names as the walk works with them, and the selection of entries by FileSpec patterns.
//
// Names inside the library are UTF-8 with '/' as the only folder separator; stored names may use
// '\' as well. Making a stored name safe to write below the target folder is the output naming's
// concern (RelativeOutputPath).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace unzip {

// A stored name: UTF-8 as stored when flag bit 11 says so, otherwise converted from code page
// 866; every '\' becomes '/'.
std::string NormalizeStoredName(std::string_view stored, std::uint16_t flags);

// FileSpec entries: empty ones are removed, the others reduced to their file-name part.
void NormalizeNameList(std::vector<std::string>& names);

// Matches a FileSpec entry against an entry name. "?" and "*" are wildcards in either text; the
// letters a-z match without regard to case, every other character (Cyrillic included) exactly.
// A text ending in "." loses that dot; a text without any "." is taken as ending in ".*" when
// the other contains ".*" (so "*.*" matches names without an extension). With namesOnly only the
// parts after the last separator or ":" are compared.
bool WildcardMatch(std::string_view pattern, std::string_view name, bool namesOnly);

}  // namespace unzip
