// Detection of the archive type when a name is assigned: zip archives with and without their
// directory, self-extractors, spanned-disk markers and the formats recognised by signature.
#include <gtest/gtest.h>

#include <memory>

#include "tunzip.h"
#include "unzip_test_support.h"

namespace unzip {

// Types print as their numbers in failure messages.
void PrintTo(TArcType type, std::ostream* out) { *out << static_cast<int>(type); }

namespace test {
namespace {

namespace fs = std::filesystem;

class DetectionTest : public ::testing::Test {
 protected:
  // A new component each time, as drive facts are kept from one detection to the next.
  TUnZIP& Detect(const std::string& name, const Bytes& bytes) {
    const fs::path path = scratch.Path() / name;
    WriteFileBytes(path, bytes);
    component = std::make_unique<TUnZIP>(platform);
    component->SetZipCmntBufSize(2000);
    component->SetArchiveFile(path.string());
    return *component;
  }
  TUnZIP& DetectData(const std::string& name) { return Detect(name, ReadFileBytes(DataPath(name))); }

  ScratchFolder scratch;
  FakeUnzipPlatform platform;
  std::unique_ptr<TUnZIP> component = std::make_unique<TUnZIP>(platform);
  TUnZIP& zip() { return *component; }
};

TEST_F(DetectionTest, PlainZipLeadsToItsCentralDirectory) {
  const Bytes archive = MakeZip({{"a.txt", TextBytes("alpha")}, {"b.txt", TextBytes("beta")}});
  Detect("plain.zip", archive);
  EXPECT_EQ(zip().ArcType(), atZip);
  EXPECT_EQ(zip().HeaderPos(), archive.size() - 22 - 2 * (46 + 5));
  EXPECT_EQ(zip().HeaderFlags(), 25);
  // On a removable drive it is still a plain zip: its first local header decides first.
  platform.driveType = kDriveRemovable;
  Detect("plain2.zip", archive);
  EXPECT_EQ(zip().ArcType(), atZip);
}

TEST_F(DetectionTest, CommentLongerThanTheSearchWindowFallsBackToTheLocalHeaders) {
  DetectData("comment_long.zip");
  EXPECT_EQ(zip().ArcType(), atZip);
  EXPECT_EQ(zip().HeaderPos(), 0u);
  EXPECT_EQ(zip().HeaderFlags(), 16);
}

TEST_F(DetectionTest, JarExtensionInAnyCase) {
  Detect("tool.JaR", MakeZip({{"a.txt", TextBytes("alpha")}}));
  EXPECT_EQ(zip().ArcType(), atJar);
}

TEST_F(DetectionTest, TinyMissingAndUnnamedFiles) {
  Detect("zeros20", Bytes(20, 0));
  EXPECT_EQ(zip().ArcType(), atUnknown);
  Detect("zeros19", Bytes(19, 0));
  EXPECT_EQ(zip().ArcType(), atFileOpenErr);
  zip().SetArchiveFile((scratch.Path() / "missing.zip").string());
  EXPECT_EQ(zip().ArcType(), atFileOpenErr);
  const int queries = platform.volumeQueries;
  zip().SetArchiveFile("");
  EXPECT_EQ(zip().ArcType(), atNA);
  EXPECT_EQ(platform.volumeQueries, queries);
}

TEST_F(DetectionTest, SelfExtractorsWithAndWithoutAdjustedOffsets) {
  DetectData("sfx_adjusted.exe");
  EXPECT_EQ(zip().ArcType(), atZipExe);
  EXPECT_EQ(zip().HeaderPos(), 16606u);
  // Offsets counted from the zip's own start: the directory is found where it really is.
  DetectData("sfx_unadjusted.exe");
  EXPECT_EQ(zip().ArcType(), atZipExe);
  EXPECT_EQ(zip().HeaderPos(), 16606u);
  EXPECT_EQ(zip().HeaderFlags(), 25);
}

TEST_F(DetectionTest, SpanningMarkerDependsOnTheDrive) {
  DetectData("split_single.zip");
  EXPECT_EQ(zip().ArcType(), atZip);
  EXPECT_EQ(zip().HeaderFlags(), 25);

  platform.driveType = kDriveRemovable;
  platform.label = "PKBACK# 001";
  DetectData("split.z01");
  EXPECT_EQ(zip().ArcType(), atZipMV);
  EXPECT_EQ(zip().HeaderFlags(), 16);

  platform.label = "BACKUP";
  DetectData("split.z02");  // no marker and no label: nothing known
  EXPECT_EQ(zip().ArcType(), atUnknown);
  Bytes marker = ReadFileBytes(DataPath("split.z01"));
  Detect("other.z01", marker);
  EXPECT_EQ(zip().ArcType(), atNA);
}

TEST_F(DetectionTest, LastDiskOfASpannedSetNeedsItsLabel) {
  DetectData("split.zip");
  EXPECT_EQ(zip().ArcType(), atUnknown);
  platform.driveType = kDriveRemovable;
  platform.label = "PKBACK# 009";
  DetectData("split.zip");
  EXPECT_EQ(zip().ArcType(), atZipMV);
  EXPECT_EQ(zip().HeaderFlags(), 9);
}

TEST_F(DetectionTest, SignaturesOfOtherFormats) {
  struct Case {
    Bytes start;
    TArcType type;
  };
  const std::vector<Case> cases{
      {{0x1F, 0x8B, 8, 0}, atGZip},          {{'R', 'a', 'r', '!'}, atRar},
      {{'M', 'S', 'C', 'F'}, atCab},         {{0x60, 0xEA, 1, 2}, atArj},
      {{'x', 'x', '-', 'l'}, atLha},         {{'Z', 'O', 'O', ' '}, atZoo},
      {{0x1A, 0x08, 0, 0}, atArc},           {{'H', 'A', 1, 0}, atHa},
      {{0, 0, 0, 0x1F, 0x8B, 8, 0}, atGZip},  // leading zero bytes are skipped
  };
  for (const Case& c : cases) {
    const Bytes bytes = Padded(c.start, 64, 'x');
    Detect("file.bin", bytes);
    EXPECT_EQ(zip().ArcType(), c.type) << int(c.start[0]);
  }
  Bytes ace(64, 'x');
  std::copy_n("**ACE**", 7, ace.begin() + 7);
  Detect("file.bin", ace);
  EXPECT_EQ(zip().ArcType(), atACE);
}

TEST_F(DetectionTest, UuencodedTextAndTarArchives) {
  Detect("mail.txt", TextBytes("Hello there\nbegin 644 data.zip\nM1234\nend\n"));
  EXPECT_EQ(zip().ArcType(), atUue);
  EXPECT_EQ(zip().HeaderPos(), 1u);

  // A volume header first; the checksum of the header after it decides.
  Bytes tar(2048, 0);
  tar[156] = 'V';
  Bytes header(512, 0);
  std::copy_n("file.txt", 8, header.begin());
  unsigned sum = 8 * 32;
  for (std::uint8_t b : header) sum += b;
  char checksum[8];
  std::snprintf(checksum, sizeof checksum, "%06o", sum);
  std::copy_n(checksum, 7, header.begin() + 148);
  std::copy(header.begin(), header.end(), tar.begin() + 512);
  Detect("backup.tar", tar);
  EXPECT_EQ(zip().ArcType(), atTar);
  EXPECT_EQ(zip().HeaderPos(), 513u);
  tar[512] = 'g';  // the checksum no longer fits
  Detect("backup.tar", tar);
  EXPECT_EQ(zip().ArcType(), atUnknown);
}

TEST_F(DetectionTest, VolumeNumbersFromTheExtension) {
  const Bytes rar = Padded(TextBytes("Rar!"), 64, 'x');
  Detect("set.a01", rar);
  EXPECT_EQ(zip().VolumeNumber(), 2);
  EXPECT_EQ(zip().VolumeLetter(), 'a');
  Detect("set.rar", rar);
  EXPECT_EQ(zip().VolumeNumber(), 0);
  Detect("set.r00", rar);
  EXPECT_EQ(zip().VolumeNumber(), 1);
  const Bytes arj = Padded({0x60, 0xEA}, 64, 'x');
  Detect("set.arj", arj);
  EXPECT_EQ(zip().VolumeNumber(), 1);
}

TEST_F(DetectionTest, CommentBufferSizeIsClamped) {
  zip().SetZipCmntBufSize(100);
  EXPECT_EQ(zip().ZipCmntBufSize(), 2000);
  zip().SetZipCmntBufSize(40000);
  EXPECT_EQ(zip().ZipCmntBufSize(), 32767);
}

}  // namespace
}  // namespace test
}  // namespace unzip
