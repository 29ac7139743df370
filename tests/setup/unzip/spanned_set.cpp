#include "spanned_set.h"

#include <cstdio>

namespace unzip::test {

namespace fs = std::filesystem;

SpannedSet::SpannedSet(fs::path drive) : drive_(std::move(drive)) {
  fs::create_directories(drive_);
  platform_.driveType = kDriveRemovable;
}

void SpannedSet::InsertDisk(int number) {
  char part[16];
  std::snprintf(part, sizeof part, "split.z%02d", number);
  const std::string source = number == kDiskCount ? "split.zip" : part;
  fs::copy_file(DataPath(source), ArchivePath(), fs::copy_options::overwrite_existing);
  char label[16];
  std::snprintf(label, sizeof label, "PKBACK# %03d", number);
  platform_.label = label;
  disk_ = number;
}

void SpannedSet::AnswerRequests(TUnZIP& zip) {
  zip.OnGetZipFirstDisk = [this](TUnZIP&, bool& cancel) {
    requests.push_back(1);
    InsertDisk(1);
    cancel = false;
  };
  zip.OnGetZipNextDisk = [this](TUnZIP&, const std::string& volume, bool& cancel) {
    requests.push_back(std::stoi(volume));
    InsertDisk(std::stoi(volume));
    cancel = false;
  };
  zip.OnGetZipLastDisk = [this](TUnZIP&, bool& cancel) {
    requests.push_back(kDiskCount);
    InsertDisk(kDiskCount);
    cancel = false;
  };
}

int SpannedSet::ExtractAll(TUnZIP& zip, const std::string& target) {
  InsertDisk(kDiskCount);
  AnswerRequests(zip);
  zip.SetZipCmntBufSize(2000);
  zip.SetArchiveFile(ArchivePath());
  zip.AddFileSpec("*.*");
  zip.SetExtractDir(target);
  return zip.ExtractFiles();
}

}  // namespace unzip::test
