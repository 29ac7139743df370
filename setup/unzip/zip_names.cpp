#include "zip_names.h"

#include <algorithm>

#include "cp866.h"
#include "decompress.h"

namespace unzip {

std::string NormalizeStoredName(std::string_view stored, std::uint16_t flags) {
  std::string name = (flags & kFlagUtf8Name) ? std::string(stored) : Cp866ToUtf8(stored);
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

void NormalizeNameList(std::vector<std::string>& names) {
  std::erase_if(names, [](const std::string& name) { return name.empty(); });
  for (std::string& name : names) {
    std::replace(name.begin(), name.end(), '\\', '/');
    name.erase(0, name.find_last_of("/:") + 1);  // npos + 1 == 0 keeps a bare name whole
  }
}

}  // namespace unzip
