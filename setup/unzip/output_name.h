// Where an entry goes: the stored name made into a path inside the target folder.
//
// Stored names come from the archive and are not trusted: both '/' and '\' separate folders,
// a drive letter and leading separators are dropped, and a name with a ".." component is
// refused rather than let it reach outside the target folder.
#pragma once

#include <optional>
#include <string>

namespace unzip {

// The path relative to the target folder for a stored name already in the program's text:
// its folders (when useStoredDirs) and its file name, joined with '/'. Nothing when the name
// is refused or names no file.
std::optional<std::string> RelativeOutputPath(const std::string& name, bool useStoredDirs);

// True when path, after resolving "." and ".." and, where they exist, symbolic links, lies
// inside folder.
bool LiesInsideFolder(const std::string& path, const std::string& folder);

// The folder part of a path with its trailing '/'; "" when it has none.
std::string FolderPart(const std::string& path);

}  // namespace unzip
