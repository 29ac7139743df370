#include "store/projects_folder.h"

#include <filesystem>
#include <regex>
#include <system_error>
#include <vector>

#include "files.h"
#include "store/projects_file.h"

namespace ovalto {

namespace {

bool IsDamagedCopyName(const std::string& name) {
  static const std::regex kName(R"(projects\.damaged(\.[0-9]+)?\.iso)");
  return std::regex_match(name, kName);
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    names.push_back(entry->path().filename().string());
  }
  return names;
}

std::string DamagedCopyName(int n) {
  return n == 1 ? "projects.damaged.iso" : "projects.damaged." + std::to_string(n) + ".iso";
}

}  // namespace

void RemoveLeftoverTemporaries(const std::string& folder) {
  for (const std::string& name : NamesIn(folder)) {
    const std::optional<std::string> target = TemporaryFileTarget(name);
    if (target && (*target == kProjectsFileName || *target == kTreeScratchFileName || IsDamagedCopyName(*target))) {
      std::error_code ignored;
      std::filesystem::remove(folder + name, ignored);
    }
  }
}

DamagedCopy KeepDamagedCopy(const std::string& folder, const std::string& bytes) {
  for (const std::string& name : NamesIn(folder)) {
    if (IsDamagedCopyName(name) && ReadWholeFile(folder + name) == bytes) return {folder + name, std::nullopt};
  }
  int n = 1;
  while (FileExists(folder + DamagedCopyName(n))) ++n;
  const std::string path = folder + DamagedCopyName(n);
  if (std::optional<std::string> error = ReplaceFileAtomically(path, bytes)) return {{}, error};
  return {path, std::nullopt};
}

}  // namespace ovalto
