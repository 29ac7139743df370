// Lists of variable names as the kinds keep them: "Ms_,Dn,Wst".
#pragma once

#include <string>
#include <string_view>

namespace ovalto {

// Whole names only: "T" is not in "Tb,Tn", and the first and the last name
// of a list count like any other.
inline bool ListHasVariable(std::string_view list, std::string_view name) {
  const std::string wrapped = "," + std::string(list) + ",";
  return wrapped.find("," + std::string(name) + ",") != std::string::npos;
}

}  // namespace ovalto
