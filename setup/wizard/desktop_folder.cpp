#include "desktop_folder.h"

#include <filesystem>
#include <fstream>

namespace setup {

namespace {

constexpr std::string_view kDesktopEntry = "XDG_DESKTOP_DIR=";
constexpr std::string_view kHomeVariable = "$HOME";

// The entry's value, a quoted shell word: "$HOME/<path>" or an absolute "/<path>", with a
// backslash before each character that the shell would otherwise take.
std::string EntryValue(std::string_view text) {
  std::string value;
  if (text.empty() || text.front() != '"') return value;
  for (std::size_t at = 1; at < text.size() && text[at] != '"'; ++at) {
    if (text[at] == '\\' && at + 1 < text.size()) ++at;
    value += text[at];
  }
  return value;
}

std::string NormalFolder(const std::string& folder) {
  std::string normal = std::filesystem::path(folder).lexically_normal().string();
  if (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

}  // namespace

std::string DesktopFolder(const std::string& home, const std::string& configHome) {
  std::string named = "$HOME/Desktop";
  std::ifstream dirs(configHome + "/user-dirs.dirs");
  for (std::string line; std::getline(dirs, line);) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, kDesktopEntry.size(), kDesktopEntry) != 0) continue;
    named = EntryValue(std::string_view(line).substr(start + kDesktopEntry.size()));
  }
  const std::string folder = named.starts_with(kHomeVariable) ? home + named.substr(kHomeVariable.size()) : named;
  if (!folder.starts_with('/')) return {};  // neither form: nothing a desktop would show
  const std::string normal = NormalFolder(folder);
  return normal == NormalFolder(home) ? std::string() : normal;
}

}  // namespace setup
