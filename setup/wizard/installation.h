// The installation as the wizard runs it, step by step, and whole without a window for tests
// and benchmarks.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "user_data.h"

namespace setup {

inline constexpr const char* kArchiveCopyError = "Ошибка распаковки \"Ovalto4.dat\" !";
inline constexpr const char* kExtractionError = "Ошибка распаковки файлов !";
inline constexpr const char* kInstalledMessage = "Программа установлена !";

// Where the menu entries and the shortcut go: $XDG_DATA_HOME, $XDG_CONFIG_HOME and the desktop
// folder (DesktopFolder(); empty: the user has none).
struct InstallPlaces {
  std::string DataHome;
  std::string ConfigHome;
  std::string DesktopFolder;
};

// The shortcut in the desktop folder, which is made when missing. Empty, or the message that
// tells the user the shortcut could not be made.
std::string CreateDesktopShortcut(const std::string& target, const InstallPlaces& places);

// The last page, in two steps the window shows apart: the user's data, one value a row of the
// page in the order of ovalto::kUserDataFields (empty texts included), then the menu entries.
void WriteUserData(const std::vector<std::string>& values, ovalto::UserDataStore& userData);
void CreateMenuEntries(const std::string& target, const InstallPlaces& places);

enum class InstallStatus { Installed, TargetRefused, ArchiveCopyFailed, ExtractionFailed };
struct InstallResult {
  InstallStatus Status;
  std::string Message;  // what the wizard shows; on success, what it shows before going on
  std::string Target;   // the absolute folder
};

// What the window does between the steps; each may be empty.
struct InstallHooks {
  std::function<void()> TargetReady;   // the folder exists: the page shows the installation
  std::function<void()> CopyWritten;   // the archive copy is written
  std::function<void()> PumpMessages;  // between failed attempts
};

// Folder check, archive copy, extraction and shortcut: the wizard's "Продолжить" on the folder
// page, and the whole installation for tests and benchmarks.
InstallResult InstallPayload(const std::string& typedFolder, const std::string& archive, bool shortcut,
                             const InstallPlaces& places, const InstallHooks& hooks = {});

}  // namespace setup
