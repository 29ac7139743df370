// "projects.iso": one project a line in code page 1251, lines ended by CR LF,
// fields cut by TABs (the tree text, last, holds TABs of its own).
#pragma once

#include <string>
#include <vector>

#include "store/project_record.h"

namespace ovalto {

inline constexpr const char* kProjectsFileName = "projects.iso";
inline constexpr const char* kTreeScratchFileName = "projects.tmp";

struct ProjectsFileContents {
  ProjectTable Table;
  // One entry per line that could not be read whole or was cut ("строка 3:
  // …"); what could be read of it is in the table all the same.
  std::vector<std::string> Problems;
};

// A line ends at CR LF, CR or LF; a run of CRs before a LF is one line end,
// and empty lines hold no project.
ProjectsFileContents ParseProjectsFile(const std::string& bytes);

// Every record a line; no field can hold a TAB or a line end of the file,
// whatever reached the table. A record read whole comes back as the file
// held it.
std::string SerializeProjectsFile(const ProjectTable& table);

// The scratch file through which a tree is loaded: the tree text's pieces as
// lines. Failures do not matter: nothing reads it back.
void WriteTreeScratchFile(const std::string& folder, const std::string& treeText);

}  // namespace ovalto
