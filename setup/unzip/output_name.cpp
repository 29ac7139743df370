#include "output_name.h"

#include <filesystem>
#include <vector>

namespace unzip {

namespace {

namespace fs = std::filesystem;

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool HasDrivePrefix(const std::string& name) {
  return name.size() >= 2 && name[1] == ':' &&
         ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

}  // namespace

std::optional<std::string> RelativeOutputPath(const std::string& name, bool useStoredDirs) {
  if (name.find('\0') != std::string::npos) return std::nullopt;
  std::vector<std::string> components;
  std::string current;
  const std::size_t start = HasDrivePrefix(name) ? 2 : 0;
  for (std::size_t i = start; i <= name.size(); ++i) {
    if (i == name.size() || IsSeparator(name[i])) {
      if (current == "..") return std::nullopt;
      if (!current.empty() && current != ".") components.push_back(current);
      current.clear();
    } else {
      current += name[i];
    }
  }
  if (components.empty() || IsSeparator(name.back())) return std::nullopt;
  if (!useStoredDirs) return components.back();
  std::string relative;
  for (const std::string& component : components) {
    if (!relative.empty()) relative += '/';
    relative += component;
  }
  return relative;
}

bool LiesInsideFolder(const std::string& path, const std::string& folder) {
  std::error_code error;
  const fs::path resolvedFolder = fs::weakly_canonical(fs::absolute(folder, error), error);
  if (error) return false;
  const fs::path resolvedPath = fs::weakly_canonical(fs::absolute(path, error), error);
  if (error) return false;
  const fs::path relative = resolvedPath.lexically_relative(resolvedFolder);
  return !relative.empty() && *relative.begin() != ".." && relative != ".";
}

std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace unzip
