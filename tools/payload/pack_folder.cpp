#include "pack_folder.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace payload {

namespace {

namespace fs = std::filesystem;

Bytes ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw PackError{"cannot read " + path.string()};
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PackEntries(ZipWriter& zip, const fs::path& root, const fs::path& folder) {
  std::vector<fs::path> items;
  for (const auto& item : fs::directory_iterator(folder)) items.push_back(item.path());
  std::sort(items.begin(), items.end());
  for (const fs::path& item : items) {
    const std::string name = item.lexically_relative(root).generic_string();
    if (fs::is_directory(item)) {
      zip.AddFolder(name);
      PackEntries(zip, root, item);
    } else {
      const bool executable = (fs::status(item).permissions() & fs::perms::owner_exec) != fs::perms::none;
      zip.AddFile(name, ReadWhole(item), executable);
    }
  }
}

}  // namespace

Bytes PackFolder(const fs::path& root, int* entryCount) {
  ZipWriter zip;
  PackEntries(zip, root, root);
  if (entryCount) *entryCount = zip.EntryCount();
  return zip.Finish();
}

}  // namespace payload
