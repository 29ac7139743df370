// The program group and the desktop shortcut as freedesktop entries: three menu items in a
// submenu "Расчет изоляции КАЛДЕРОН", and "Ovalto4.desktop" on the user's desktop.
//
// Every file has a fixed name, so installing again replaces the entries instead of adding more.
#pragma once

#include <string>
#include <vector>

namespace setup {

// One file to write: its full path and its text.
struct EntryFile {
  std::string Path;
  std::string Text;
  bool Executable = false;
};

// One argument of an Exec key: quoted and escaped so that any folder name, blanks, quotes,
// backslashes, percent signs and line breaks included, reaches the program as typed.
std::string ExecArgument(const std::string& argument);

// The program, help and licence items, the submenu's folder entry and the menu file that
// places them: dataHome is $XDG_DATA_HOME, configHome $XDG_CONFIG_HOME.
std::vector<EntryFile> MenuEntryFiles(const std::string& target, const std::string& dataHome,
                                      const std::string& configHome);

// The shortcut on the desktop folder.
EntryFile DesktopShortcut(const std::string& target, const std::string& desktopFolder);

// Writes the files, creating their folders; false when any could not be written whole.
bool WriteEntryFiles(const std::vector<EntryFile>& files);

}  // namespace setup
