#include "menu_entries.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "payload_install.h"

namespace setup {

namespace {

namespace fs = std::filesystem;

constexpr const char* kGroupName = "Расчет изоляции КАЛДЕРОН";
constexpr const char* kDirectoryFile = "korvanta-ovalto4.directory";
constexpr const char* kMenuFile = "korvanta-ovalto4.menu";
constexpr const char* kHelpPage = "/help/01_Общая_часть.htm";
constexpr const char* kLicence = "/Лицензионное соглашение.txt";
constexpr const char* kIcon = "/Ovalto4.png";

struct MenuItem {
  const char* File;
  const char* Name;
};
constexpr MenuItem kProgramItem{"korvanta-ovalto4-program.desktop", "Программа Ovalto 4"};
constexpr MenuItem kHelpItem{"korvanta-ovalto4-help.desktop", "Справка Ovalto 4"};
constexpr MenuItem kLicenceItem{"korvanta-ovalto4-licence.desktop", "Лицензионное соглашение"};

// The escapes of a string value; applied to the whole Exec value after the quoting.
std::string StringValue(const std::string& text) {
  std::string value;
  for (const char c : text) {
    switch (c) {
      case '\\':
        value += "\\\\";
        break;
      case '\n':
        value += "\\n";
        break;
      case '\t':
        value += "\\t";
        break;
      case '\r':
        value += "\\r";
        break;
      default:
        value += c;
    }
  }
  return value;
}

// folder: the working folder, as the program group gave its items; empty for none. Every entry
// shows the program's icon, which the program group took from the program file.
std::string ApplicationEntry(const std::string& name, const std::string& exec, const std::string& target,
                             const std::string& folder) {
  const std::string path = folder.empty() ? std::string() : "\nPath=" + StringValue(folder);
  return "[Desktop Entry]\nType=Application\nVersion=1.0\nName=" + name + "\nExec=" + StringValue(exec) + path +
         "\nIcon=" + StringValue(target + kIcon) + "\nTerminal=false\nCategories=Office;Engineering;\n";
}

std::string OpenWith(const std::string& file) { return "xdg-open " + ExecArgument(file); }

}  // namespace

std::string ExecArgument(const std::string& argument) {
  std::string quoted = "\"";
  for (const char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
    if (c == '%') quoted += '%';
  }
  return quoted + "\"";
}

std::vector<EntryFile> MenuEntryFiles(const std::string& target, const std::string& dataHome,
                                      const std::string& configHome) {
  const std::string applications = dataHome + "/applications/";
  const std::string program = target + "/" + kProgramFile;
  std::vector<EntryFile> files;
  files.push_back(
      {applications + kProgramItem.File, ApplicationEntry(kProgramItem.Name, ExecArgument(program), target, target)});
  files.push_back(
      {applications + kHelpItem.File, ApplicationEntry(kHelpItem.Name, OpenWith(target + kHelpPage), target, target)});
  files.push_back({applications + kLicenceItem.File,
                   ApplicationEntry(kLicenceItem.Name, OpenWith(target + kLicence), target, target)});
  files.push_back({dataHome + "/desktop-directories/" + kDirectoryFile,
                   std::string("[Desktop Entry]\nType=Directory\nVersion=1.0\nName=") + kGroupName + "\n"});
  files.push_back({configHome + "/menus/applications-merged/" + kMenuFile,
                   std::string("<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                               " \"http://www.freedesktop.org/standards/menu-spec/menu-1.0.dtd\">\n"
                               "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n    <Name>") +
                       kGroupName + "</Name>\n    <Directory>" + kDirectoryFile +
                       "</Directory>\n    <Include>\n      <Filename>" + kProgramItem.File +
                       "</Filename>\n      <Filename>" + kHelpItem.File + "</Filename>\n      <Filename>" +
                       kLicenceItem.File + "</Filename>\n    </Include>\n  </Menu>\n</Menu>\n"});
  return files;
}

// A shell link is named after the program file and carries nothing but the program's path.
EntryFile DesktopShortcut(const std::string& target, const std::string& desktopFolder) {
  return {desktopFolder + "/" + kProgramFile + ".desktop",
          ApplicationEntry(kProgramFile, ExecArgument(target + "/" + kProgramFile), target, {}), true};
}

bool WriteEntryFiles(const std::vector<EntryFile>& files) {
  bool whole = true;
  for (const EntryFile& file : files) {
    std::error_code error;
    fs::create_directories(fs::path(file.Path).parent_path(), error);
    std::ofstream out(file.Path, std::ios::binary | std::ios::trunc);
    out << file.Text;
    out.close();
    whole = whole && out.good();
    if (file.Executable) ::chmod(file.Path.c_str(), 0755);
  }
  return whole;
}

}  // namespace setup
