#include "installation.h"

#include "menu_entries.h"
#include "payload_install.h"
#include "target_folder.h"

namespace setup {

std::string CreateDesktopShortcut(const std::string& target, const InstallPlaces& places) {
  if (places.DesktopFolder.empty()) return "Невозможно создать ярлык: рабочий стол не указан !";
  if (WriteEntryFiles({DesktopShortcut(target, places.DesktopFolder)})) return {};
  return "Невозможно создать ярлык в каталоге \"" + places.DesktopFolder + "\" !";
}

void WriteUserData(const std::vector<std::string>& values, ovalto::UserDataStore& userData) {
  for (std::size_t row = 0; row < values.size() && row < ovalto::kUserDataFields.size(); ++row) {
    userData.Write(ovalto::kUserDataFields[row].Name, values[row]);
  }
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
  return {InstallStatus::Installed, shortcut ? CreateDesktopShortcut(target.Folder, places) : std::string(),
          target.Folder};
}

}  // namespace setup
