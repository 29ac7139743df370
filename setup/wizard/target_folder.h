// The folder the calculator is installed into: its default, the browse result and the checks
// made before anything is written.
#pragma once

#include <string>

namespace setup {

// "<home>/Korvanta/Ovalto4"; "<home>/Ovalto4" when no folder can be made under the home folder.
std::string DefaultTargetFolder(const std::string& home);

// A folder picked in the browse dialog with "/Ovalto4" appended, never after a doubled '/'.
std::string BrowsedTargetFolder(const std::string& picked);

// The typed folder made absolute (against the current folder) and created with its parents.
// Either the folder, or the message that stops the installation.
struct TargetCheck {
  std::string Folder;
  std::string Error;
};
TargetCheck PrepareTargetFolder(const std::string& typed);

}  // namespace setup
