// One stored project and the table of all of them. Rows are addressed by
// their place in the table, never by their number: a file edited elsewhere
// may hold the same number twice, and each row must still reach its own
// record.
#pragma once

#include <string>
#include <vector>

namespace ovalto {

inline constexpr size_t kNumberLength = 32;
inline constexpr size_t kDateTextLength = 16;
inline constexpr size_t kDeveloperLength = 32;

struct ProjectRecord {
  std::string Number;       // the unique key, at most 32 characters
  std::string DateText;     // dd.MM.yyyy
  std::string ProjectName;  // unbounded, as the note and the tree text
  std::string Developer;    // at most 32 characters
  std::string Note;         // each memo line followed by a pilcrow
  std::string TreeText;     // the project tree in its text form
  bool operator==(const ProjectRecord&) const = default;
};

using ProjectTable = std::vector<ProjectRecord>;

}  // namespace ovalto
