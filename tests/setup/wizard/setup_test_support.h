// Shared by the installer's tests: a temporary home with its XDG folders, the built payload and
// the staged folder it was packed from, a file-size limit that plays a full disk, and
// desktop-file-validate when it is installed.
#pragma once

#include <filesystem>
#include <string>

#include "installation.h"

namespace setup::test {

// A fresh folder that HOME, XDG_CONFIG_HOME and XDG_DATA_HOME point into while it lives.
class TemporaryHome {
 public:
  TemporaryHome();
  ~TemporaryHome();
  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Home() const { return root_ / "home"; }
  InstallPlaces Places() const;  // with a desktop folder

 private:
  std::filesystem::path root_;
  std::string savedHome_, savedConfig_, savedData_;
};

// The payload built into the installer, and the folder it was packed from.
const std::string& Payload();
std::filesystem::path StagedPayload();
std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);

// Every file below expected (by relative name) equals its copy below installed.
void ExpectSameFiles(const std::filesystem::path& expected, const std::filesystem::path& installed);

// While it lives, no file may grow beyond the limit: a disk that fills up at that size.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t bytes);
  ~FileSizeLimit();

 private:
  std::uint64_t savedCurrent_;
  void (*savedHandler_)(int);
};

// The output of desktop-file-validate for a file; "skip" when the tool is not installed.
std::string ValidateDesktopFile(const std::filesystem::path& file);

}  // namespace setup::test
