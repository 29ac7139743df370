// The split test archive (split.z01 ... split.z08, split.zip) served as nine removable disks
// labelled "PKBACK# 001" ... "PKBACK# 009": one drive folder whose archive file is replaced
// by the part of whichever disk the component asks for.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tunzip.h"
#include "unzip_test_support.h"

namespace unzip::test {

class SpannedSet {
 public:
  static constexpr int kDiskCount = 9;

  explicit SpannedSet(std::filesystem::path drive);

  FakeUnzipPlatform& Platform() { return platform_; }
  std::string ArchivePath() const { return (drive_ / "split.zip").string(); }
  void InsertDisk(int number);
  int DiskInDrive() const { return disk_; }
  // Answers the component's three disk requests by inserting the disk asked for.
  void AnswerRequests(TUnZIP& zip);
  // With the last disk in the drive: assigns the archive and extracts everything to target.
  int ExtractAll(TUnZIP& zip, const std::string& target);

  std::vector<int> requests;  // the disks asked for, in order

 private:
  std::filesystem::path drive_;
  FakeUnzipPlatform platform_;
  int disk_ = 0;
};

}  // namespace unzip::test
