// A zip archive spanned over nine removable disks: the disks are asked for as the walk needs
// them, whichever disk was in the drive at the start, and a refused disk fails the run.
#include <gtest/gtest.h>

#include "messages.h"
#include "spanned_set.h"
#include "tunzip.h"

namespace unzip::test {
namespace {

namespace fs = std::filesystem;

class SpannedArchiveTest : public ::testing::Test {
 protected:
  bool AllWritten() const {
    for (const char* name : {"en_text.txt", "dle_bytes.bin", "docs/readme.txt", "big_1mb.bin"}) {
      if (ReadFileBytes(target / name) != ReadFileBytes(DataPath(std::string("expected/") + name))) return false;
    }
    return true;
  }

  ScratchFolder scratch;
  fs::path target = scratch.Path() / "out";
  SpannedSet set{scratch.Path() / "drive"};
  TUnZIP zip{set.Platform()};
};

TEST_F(SpannedArchiveTest, StartingWithTheLastDisk) {
  EXPECT_EQ(set.ExtractAll(zip, target.string()), 13);
  EXPECT_TRUE(AllWritten());
  // The directory is on the last disk; then the disks in order as the entries run over them.
  EXPECT_EQ(set.requests, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(zip.ArchiveFile(), set.ArchivePath());
}

TEST_F(SpannedArchiveTest, StartingWithTheFirstDisk) {
  set.InsertDisk(1);
  set.AnswerRequests(zip);
  zip.SetArchiveFile(set.ArchivePath());
  EXPECT_EQ(zip.ArcType(), atZipMV);
  zip.AddFileSpec("*.*");
  zip.SetExtractDir(target.string());
  EXPECT_EQ(zip.ExtractFiles(), 13);
  EXPECT_TRUE(AllWritten());
  EXPECT_EQ(set.requests.front(), SpannedSet::kDiskCount);
}

TEST_F(SpannedArchiveTest, ARefusedDiskFailsTheRunAndLeavesNoHalfFile) {
  set.InsertDisk(SpannedSet::kDiskCount);
  set.AnswerRequests(zip);
  zip.OnGetZipNextDisk = [](TUnZIP&, const std::string& volume, bool& cancel) { cancel = volume == "2"; };
  std::vector<int> codes;
  zip.OnError = [&](TUnZIP&, const std::string&, const std::string&, const std::string&, int code) {
    codes.push_back(code);
  };
  zip.SetArchiveFile(set.ArchivePath());
  zip.AddFileSpec("*.*");
  zip.SetExtractDir(target.string());
  EXPECT_THROW(zip.ExtractFiles(), E_RAISE);
  EXPECT_TRUE(fs::exists(target / "en_text.txt"));
  EXPECT_FALSE(fs::exists(target / "dle_bytes.bin"));  // it runs on into disk 2
  EXPECT_FALSE(codes.empty());
}

TEST_F(SpannedArchiveTest, WithoutDiskEventsNothingIsExtracted) {
  set.InsertDisk(1);
  zip.SetArchiveFile(set.ArchivePath());
  zip.AddFileSpec("*.*");
  zip.SetExtractDir(target.string());
  EXPECT_THROW(zip.ExtractFiles(), E_RAISE);
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(SpannedArchiveTest, TheLastPartAloneOnAFixedDiskIsNoArchive) {
  set.Platform().driveType = kDriveFixed;
  set.InsertDisk(SpannedSet::kDiskCount);
  set.Platform().label.clear();
  zip.SetArchiveFile(set.ArchivePath());
  EXPECT_EQ(zip.ArcType(), atUnknown);
  zip.AddFileSpec("*.*");
  try {
    zip.ExtractFiles();
    ADD_FAILURE() << "extracted from an unknown archive";
  } catch (const E_RAISE& error) {
    EXPECT_EQ(error.Code(), kMsgBadArchiveType);
  }
}

}  // namespace
}  // namespace unzip::test
