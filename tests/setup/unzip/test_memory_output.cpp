// The in-memory output takes the walk down the same roads as the disk: the same files with the
// same contents, the same refusals of names that leave the target, of a file where a folder is
// needed and of a full disk.
#include <gtest/gtest.h>

#include "memory_unzip_platform.h"
#include "messages.h"
#include "tunzip.h"
#include "unzip_test_support.h"

namespace unzip::test {
namespace {

namespace fs = std::filesystem;

const std::string kTarget = "/memory/out";

// Runs the archive file through a component on the given platform; the number of failed
// entries, with -1 for a run that raised.
int ExtractWith(UnzipPlatform& platform, const std::string& archive, const std::string& target) {
  TUnZIP zip(platform);
  zip.SetArchiveFile(archive);
  zip.AddFileSpec("*.*");
  zip.SetExtractDir(target);
  try {
    zip.ExtractFiles();
  } catch (const E_RAISE&) {
    return zip.FailedCount() > 0 ? zip.FailedCount() : -1;
  }
  return zip.FailedCount();
}

std::string WriteArchive(const ScratchFolder& scratch, const Bytes& archive) {
  const fs::path path = scratch.Path() / "archive.zip";
  WriteFileBytes(path, archive);
  return path.string();
}

TEST(MemoryOutput, HoldsWhatTheDiskGetsByteForByte) {
  for (const char* name : {"dirs.zip", "mixed_methods.zip", "implode_8k.zip"}) {
    ScratchFolder scratch;
    ASSERT_EQ(ExtractWith(SystemUnzipPlatform(), DataPath(name), scratch.Path().string()), 0) << name;
    MemoryUnzipPlatform memory(UINT64_C(1) << 30);
    ASSERT_EQ(ExtractWith(memory, DataPath(name), kTarget), 0) << name;

    std::size_t onDisk = 0;
    for (const auto& item : fs::recursive_directory_iterator(scratch.Path())) {
      if (!item.is_regular_file()) continue;
      ++onDisk;
      const std::string inMemory = kTarget + "/" + item.path().lexically_relative(scratch.Path()).string();
      ASSERT_EQ(memory.Files().count(inMemory), 1u) << inMemory;
      const Bytes bytes = ReadFileBytes(item.path());
      EXPECT_EQ(memory.Files().at(inMemory), std::string(bytes.begin(), bytes.end())) << inMemory;
    }
    EXPECT_EQ(memory.Files().size(), onDisk) << name;
  }
}

TEST(MemoryOutput, RefusesWhatTheDiskRefuses) {
  ScratchFolder scratch;
  const std::string archive = WriteArchive(scratch, MakeZip({{"../escape.txt", TextBytes("out")},
                                                             {"/abs/../../x.txt", TextBytes("out")},
                                                             {"plain", TextBytes("a file")},
                                                             {"plain/inner.txt", TextBytes("under a file")},
                                                             {"kept.txt", TextBytes("kept")}}));
  MemoryUnzipPlatform memory(UINT64_C(1) << 20);
  EXPECT_GT(ExtractWith(memory, archive, kTarget), 0);
  for (const auto& [name, contents] : memory.Files()) EXPECT_EQ(name.rfind(kTarget + "/", 0), 0u) << name;
  EXPECT_EQ(memory.Files().count(kTarget + "/plain/inner.txt"), 0u);
  EXPECT_EQ(memory.Files().at(kTarget + "/kept.txt"), "kept");
}

TEST(MemoryOutput, AFullDiskFailsTheEntryAndLeavesNothingOfIt) {
  ScratchFolder scratch;
  const std::string archive = WriteArchive(
      scratch,
      MakeZip({{"small.txt", TextBytes("fits")}, {"big.bin", Bytes(5000, 7)}, {"after.txt", TextBytes("ok")}}));
  MemoryUnzipPlatform memory(4096);
  EXPECT_EQ(ExtractWith(memory, archive, kTarget), 1);
  EXPECT_EQ(memory.Files().count(kTarget + "/big.bin"), 0u);
  EXPECT_EQ(memory.Files().at(kTarget + "/small.txt"), "fits");
  EXPECT_EQ(memory.Files().at(kTarget + "/after.txt"), "ok");
  EXPECT_EQ(memory.QueryFreeSpace("/")->FreeBytes(), 4096u - 6u);
}

}  // namespace
}  // namespace unzip::test
