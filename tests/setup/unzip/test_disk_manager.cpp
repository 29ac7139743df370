// Drive facts for the archive's drive, and the retry question when a drive can't be read.
#include <gtest/gtest.h>

#include "disk_manager.h"
#include "unzip_test_support.h"

namespace unzip::test {
namespace {

TEST(DiskManagerTest, FixedAndRemovableDrives) {
  FakeUnzipPlatform platform;
  TDiskManager disks(platform);
  disks.SetDrive("/media/c");
  EXPECT_TRUE(disks.Ready);
  EXPECT_EQ(disks.DriveType, kDriveFixed);
  EXPECT_EQ(disks.DriveTypeName, "Fixed");
  EXPECT_EQ(disks.SpanDiskNumber, 0u);
  EXPECT_EQ(disks.SerialNumber, "1234ABCD");
  EXPECT_EQ(disks.FreeSpace.freeBytes, platform.freeBytes);

  // No floppy parameters on this system: the kind stays unknown.
  platform.driveType = kDriveRemovable;
  platform.label = "PKBACK# 003";
  disks.SetDrive("/media/a");
  EXPECT_EQ(disks.SpanDiskNumber, 3u);
  EXPECT_EQ(disks.FloppyKind, 0);
  EXPECT_EQ(disks.DriveTypeName, "Unknown");
}

TEST(DiskManagerTest, DiskNumbersOfLabels) {
  EXPECT_EQ(SpanDiskNumberOfLabel("PKBACK# 003"), 3u);
  EXPECT_EQ(SpanDiskNumberOfLabel("PKBACK# "), 0u);
  EXPECT_EQ(SpanDiskNumberOfLabel("PKBACK# 1 PKBACK# 12"), 12u);
  EXPECT_EQ(SpanDiskNumberOfLabel("PKBACK# 12a"), 0u);
  EXPECT_EQ(SpanDiskNumberOfLabel("PKBACK# 99999999999999"), 0u);
  EXPECT_EQ(SpanDiskNumberOfLabel("BACKUP 7"), 0u);
}

TEST(DiskManagerTest, TheSameDriveIsQueriedOnce) {
  FakeUnzipPlatform platform;
  TDiskManager disks(platform);
  disks.SetDrive("/media/c");
  disks.SetDrive("/media/c");
  EXPECT_EQ(platform.volumeQueries, 1);
}

TEST(DiskManagerTest, AnUnreadableDriveAsksWhetherToRetry) {
  FakeUnzipPlatform platform;
  platform.volumeReadable = false;
  TDiskManager disks(platform);
  std::vector<std::string> questions;
  disks.OnAskRetry = [&](const std::string& text) {
    questions.push_back(text);
    platform.volumeReadable = questions.size() == 2;  // the disk is in on the second try
    return true;
  };
  disks.SetDrive("/media/a");
  EXPECT_TRUE(disks.Ready);
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[0], "/media/a/is not accessible.\n\nThe device is not ready.");

  // Cancel: not ready, and an empty drive fails at once.
  disks.OnAskRetry = [](const std::string&) { return false; };
  platform.volumeReadable = true;
  disks.SetDrive("");
  EXPECT_FALSE(disks.Ready);
}

TEST(DiskManagerTest, ThisSystemsDrives) {
  UnzipPlatform& system = SystemUnzipPlatform();
  ScratchFolder scratch;
  const std::string file = (scratch.Path() / "a.zip").string();
  EXPECT_EQ(system.DriveOf(file), scratch.Path().string());
  TDiskManager disks(system);
  disks.SetDrive(system.DriveOf(file));
  EXPECT_TRUE(disks.Ready);
  EXPECT_NE(disks.DriveType, kDriveNoRoot);
  EXPECT_GT(disks.FreeSpace.totalBytes, 0u);
  EXPECT_FALSE(system.QueryVolume((scratch.Path() / "missing").string()));
}

}  // namespace
}  // namespace unzip::test
