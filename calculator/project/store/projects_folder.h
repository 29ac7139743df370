// What the program folder holds beside "projects.iso": the lock that the
// copies of the program take before they write it, the temporary files of
// writes that were killed midway, and the copies of files that did not read
// whole. A "projects.iso" that links to a file elsewhere (a shared folder)
// has its lock, its temporary files and its copies beside that file, so
// that every copy of the program writing it takes the same lock.
#pragma once

#include <optional>
#include <string>

namespace ovalto {

inline constexpr const char* kProjectsLockFileName = "projects.lock";

// The lock of the projects file of the program folder `folder`.
std::string ProjectsLockPath(const std::string& folder);

// Removes the temporary files that writes of the projects file, of its
// copies and of the tree's scratch file left when they were killed. Only
// under the lock: no copy of the program is writing the first two then, and
// a scratch file that fails to be written does not matter.
void RemoveLeftoverTemporaries(const std::string& folder);

// Keeps `bytes` beside the projects file as "projects.damaged.iso", or
// "projects.damaged.N.iso" with the first free N (named after the file a
// link leads to), unless a copy holding the same bytes is there already.
// Returns the copy's path, or the reason it could not be written.
struct DamagedCopy {
  std::string Path;
  std::optional<std::string> Error;
};
DamagedCopy KeepDamagedCopy(const std::string& folder, const std::string& bytes);

}  // namespace ovalto
