#include "store/projects_folder.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "files.h"
#include "store/projects_file.h"

namespace ovalto {

namespace {

// The projects file as it really lies: its folder, with a separator, and
// its name there.
struct ProjectsFilePlace {
  std::string Folder;
  std::string Name;
};

ProjectsFilePlace PlaceOf(const std::string& folder) {
  const std::string path = folder + kProjectsFileName;
  const std::string target = FinalTarget(path).value_or(path);
  if (target == path) return {folder, kProjectsFileName};
  return {FolderOf(target) + "/", target.substr(target.rfind('/') + 1)};
}

// "projects.iso" gives "projects" and ".iso".
std::pair<std::string, std::string> StemAndExtension(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0) return {name, ""};
  return {name.substr(0, dot), name.substr(dot)};
}

std::string DamagedCopyName(const std::string& fileName, int n) {
  const auto [stem, extension] = StemAndExtension(fileName);
  std::string name = stem + ".damaged";
  if (n != 1) name.append(".").append(std::to_string(n));
  return name + extension;
}

bool IsDamagedCopyName(const std::string& name, const std::string& fileName) {
  const auto [stem, extension] = StemAndExtension(fileName);
  const std::string start = stem + ".damaged";
  if (name.size() < start.size() + extension.size() || name.compare(0, start.size(), start) != 0 ||
      name.compare(name.size() - extension.size(), extension.size(), extension) != 0) {
    return false;
  }
  const std::string number = name.substr(start.size(), name.size() - start.size() - extension.size());
  if (number.empty()) return true;
  return number.size() >= 2 && number[0] == '.' && number.find_first_not_of("0123456789", 1) == std::string::npos;
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    names.push_back(entry->path().filename().string());
  }
  return names;
}

void RemoveTemporariesOf(const std::string& folder, const std::string& fileName) {
  for (const std::string& name : NamesIn(folder)) {
    const std::optional<std::string> target = TemporaryFileTarget(name);
    if (target && (*target == fileName || *target == kTreeScratchFileName || IsDamagedCopyName(*target, fileName))) {
      std::error_code ignored;
      std::filesystem::remove(folder + name, ignored);
    }
  }
}

}  // namespace

std::string ProjectsLockPath(const std::string& folder) { return PlaceOf(folder).Folder + kProjectsLockFileName; }

void RemoveLeftoverTemporaries(const std::string& folder) {
  RemoveTemporariesOf(folder, kProjectsFileName);
  const ProjectsFilePlace place = PlaceOf(folder);
  if (place.Folder != folder || place.Name != kProjectsFileName) RemoveTemporariesOf(place.Folder, place.Name);
}

DamagedCopy KeepDamagedCopy(const std::string& folder, const std::string& bytes) {
  const ProjectsFilePlace place = PlaceOf(folder);
  for (const std::string& name : NamesIn(place.Folder)) {
    if (IsDamagedCopyName(name, place.Name) && ReadWholeFile(place.Folder + name) == bytes) {
      return {place.Folder + name, std::nullopt};
    }
  }
  int n = 1;
  while (FileExists(place.Folder + DamagedCopyName(place.Name, n))) ++n;
  const std::string path = place.Folder + DamagedCopyName(place.Name, n);
  if (std::optional<std::string> error = ReplaceFileAtomically(path, bytes)) return {{}, error};
  return {path, std::nullopt};
}

}  // namespace ovalto
