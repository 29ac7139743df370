// Lists of variable names as the kinds keep them: "Ms_,Dn,Wst".
#pragma once

#include <string_view>

namespace ovalto {

// Whole names only: "T" is not in "Tb,Tn", and the first and the last name
// of a list count like any other.
inline bool ListHasVariable(std::string_view list, std::string_view name) {
  for (std::size_t at = list.find(name); at != std::string_view::npos; at = list.find(name, at + 1)) {
    const std::size_t end = at + name.size();
    if ((at == 0 || list[at - 1] == ',') && (end == list.size() || list[end] == ',')) return true;
  }
  return false;
}

}  // namespace ovalto
