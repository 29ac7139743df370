// The folder the user's desktop shows, as the XDG user directories name it: the entry
// XDG_DESKTOP_DIR of "user-dirs.dirs" in the configuration folder, "$HOME/Desktop" when there is
// no such entry.
#pragma once

#include <string>

namespace setup {

// home: $HOME; configHome: ${XDG_CONFIG_HOME:-~/.config}. Empty when the entry names the home
// folder itself, which is how the user directories say there is no desktop.
std::string DesktopFolder(const std::string& home, const std::string& configHome);

}  // namespace setup
