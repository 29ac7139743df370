#include "payload_install.h"

#include <filesystem>
#include <fstream>

#include "tunzip.h"

namespace setup {

namespace {

namespace fs = std::filesystem;

constexpr int kPasses = 3;
constexpr int kAttempts = 3;

bool SamePath(const std::string& a, const std::string& b) {
  return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
}

}  // namespace

PayloadInstall::PayloadInstall(std::string target, std::function<void()> pumpMessages, unzip::UnzipPlatform& platform)
    : target_(std::move(target)), pumpMessages_(std::move(pumpMessages)), platform_(platform) {}

bool PayloadInstall::WriteArchiveCopy(const std::string& archive) {
  if (archive.empty()) return false;  // the installer was built without its payload
  {
    std::ofstream out(ArchivePath(), std::ios::binary | std::ios::trunc);
    out.write(archive.data(), static_cast<std::streamsize>(archive.size()));
    out.close();
    if (out) return true;
  }
  std::error_code error;
  fs::remove(ArchivePath(), error);  // a part of the archive is of no use to anyone
  return false;
}

bool PayloadInstall::Extract() {
  programPlaced_ = false;
  for (int pass = 0; pass < kPasses; ++pass) {
    if (!RunPass()) {
      std::error_code error;
      fs::remove(StagedProgramPath(), error);
      return false;
    }
  }
  std::error_code error;
  fs::remove(ArchivePath(), error);
  return true;
}

bool PayloadInstall::RunPass() {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (RunAttempt() && PlaceProgram()) return true;
    if (pumpMessages_) pumpMessages_();
  }
  return false;
}

bool PayloadInstall::RunAttempt() {
  unzip::TUnZIP zip(platform_);
  zip.SetZipCmntBufSize(2000);
  zip.OnFileExists = [this](unzip::TUnZIP&, const std::string& fn, unzip::TDateTime, unzip::TOverwriteMode& mode) {
    mode = !programPlaced_ && SamePath(fn, ProgramPath()) ? unzip::TOverwriteMode::omOverwrite
                                                          : unzip::TOverwriteMode::omSkip;
  };
  zip.OnRenameCompressedFile = [this](unzip::TUnZIP&, std::string& name) {
    if (SamePath(name, ProgramPath())) name = StagedProgramPath();
  };
  try {
    zip.Passwords.clear();
    zip.SetArchiveFile(ArchivePath());
    zip.AddFileSpec("*.*");
    zip.SetExtractDir(target_);
    zip.ExtractFiles();
  } catch (...) {
    return false;  // whatever the component raised, the attempt failed
  }
  return zip.FailedCount() == 0 && !zip.Incomplete();
}

bool PayloadInstall::PlaceProgram() {
  if (programPlaced_) return true;
  std::error_code error;
  if (fs::exists(StagedProgramPath(), error)) {
    fs::rename(StagedProgramPath(), ProgramPath(), error);
    if (error) return false;
  } else if (!fs::exists(ProgramPath(), error)) {
    return false;  // an archive without the program installs nothing of use
  }
  programPlaced_ = true;
  return true;
}

}  // namespace setup
