#include "installation.h"

#include <filesystem>

#include "menu_entries.h"
#include "payload_install.h"
#include "target_folder.h"

namespace setup {

void CreateDesktopShortcut(const std::string& target, const InstallPlaces& places) {
  std::error_code error;
  if (places.DesktopFolder.empty() || !std::filesystem::is_directory(places.DesktopFolder, error)) return;
  WriteEntryFiles({DesktopShortcut(target, places.DesktopFolder)});
}

void WriteUserData(const UserDataValues& values, ovalto::UserDataStore& userData) {
  for (std::size_t row = 0; row < values.size(); ++row) userData.Write(kUserDataNames[row], values[row]);
}

void CreateMenuEntries(const std::string& target, const InstallPlaces& places) {
  // The menu is a convenience, as the program group always was: its failure stops nothing.
  WriteEntryFiles(MenuEntryFiles(target, places.DataHome, places.ConfigHome));
}

InstallResult InstallPayload(const std::string& typedFolder, const std::string& archive, bool shortcut,
                             const InstallPlaces& places, const InstallHooks& hooks) {
  const TargetCheck target = PrepareTargetFolder(typedFolder);
  if (!target.Error.empty()) return {InstallStatus::TargetRefused, target.Error, {}};
  if (hooks.TargetReady) hooks.TargetReady();
  PayloadInstall install(target.Folder, hooks.PumpMessages);
  if (!install.WriteArchiveCopy(archive)) return {InstallStatus::ArchiveCopyFailed, kArchiveCopyError, target.Folder};
  if (hooks.CopyWritten) hooks.CopyWritten();
  if (!install.Extract()) return {InstallStatus::ExtractionFailed, kExtractionError, target.Folder};
  if (shortcut) CreateDesktopShortcut(target.Folder, places);
  return {InstallStatus::Installed, {}, target.Folder};
}

}  // namespace setup
