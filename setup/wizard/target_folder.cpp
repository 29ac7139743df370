#include "target_folder.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace setup {

namespace {

namespace fs = std::filesystem;

bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c <= ' '; });
}

}  // namespace

std::string DefaultTargetFolder(const std::string& home) {
  std::error_code error;
  const bool usable = !home.empty() && fs::is_directory(home, error) && ::access(home.c_str(), W_OK) == 0;
  return usable ? home + "/Korvanta/Ovalto4" : home + "/Ovalto4";
}

std::string BrowsedTargetFolder(const std::string& picked) {
  return picked.empty() || picked.back() != '/' ? picked + "/Ovalto4" : picked + "Ovalto4";
}

TargetCheck PrepareTargetFolder(const std::string& typed) {
  if (IsBlank(typed)) return {{}, "Укажите каталог для установки!"};
  std::error_code error;
  // Made absolute first: a relative folder would be created here and filled elsewhere.
  const fs::path folder = fs::absolute(typed, error).lexically_normal();
  if (!error) fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder, error)) return {{}, "Невозможно создать каталог \"" + typed + "\" !"};
  std::string text = folder.string();
  if (text.size() > 1 && text.back() == '/') text.pop_back();
  return {text, {}};
}

}  // namespace setup
