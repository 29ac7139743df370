// The payload as packed at build time: the installer's own zip component and the common unzip
// tool both take it whole, and its records are the plain ones the format allows: names in code
// page 866, no extra fields, no comment, one fixed time, folders stored, the program's mode.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "cp866.h"
#include "pack_folder.h"
#include "setup_test_support.h"
#include "tunzip.h"

namespace setup::test {
namespace {

namespace fs = std::filesystem;

std::uint32_t Read16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8;
}
std::uint32_t Read32(const std::string& bytes, std::size_t at) {
  return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

struct CentralRecord {
  std::string Name;  // decoded from code page 866
  std::uint32_t Method, Time, Date, ExtraLength, CommentLength, ExternalAttributes;
};

std::vector<CentralRecord> CentralDirectory(const std::string& zip) {
  const std::size_t end = zip.size() - 22;
  EXPECT_EQ(Read32(zip, end), 0x06054B50u) << "an end record without a comment closes the archive";
  EXPECT_EQ(Read16(zip, end + 20), 0u);
  std::vector<CentralRecord> records;
  std::size_t at = Read32(zip, end + 16);
  for (std::uint32_t i = 0; i < Read16(zip, end + 10); ++i) {
    EXPECT_EQ(Read32(zip, at), 0x02014B50u);
    const std::uint32_t nameLength = Read16(zip, at + 28);
    records.push_back({unzip::Cp866ToUtf8(zip.substr(at + 46, nameLength)), Read16(zip, at + 10), Read16(zip, at + 12),
                       Read16(zip, at + 14), Read16(zip, at + 30), Read16(zip, at + 32), Read32(zip, at + 38)});
    at += 46 + nameLength + records.back().ExtraLength + records.back().CommentLength;
  }
  return records;
}

TEST(PayloadArchive, HoldsTheStagedLayoutInPlainRecords) {
  const std::vector<CentralRecord> records = CentralDirectory(Payload());
  int staged = 0;
  for ([[maybe_unused]] const auto& item : fs::recursive_directory_iterator(StagedPayload())) ++staged;
  EXPECT_EQ(static_cast<int>(records.size()), staged);

  bool program = false, icon = false, licence = false, firstPage = false;
  for (const CentralRecord& record : records) {
    EXPECT_EQ(record.ExtraLength, 0u) << record.Name;
    EXPECT_EQ(record.CommentLength, 0u) << record.Name;
    EXPECT_EQ(record.Date, static_cast<std::uint32_t>(((2026 - 1980) << 9) | (1 << 5) | 1)) << record.Name;
    EXPECT_EQ(record.Time, 0u) << record.Name;
    const bool folder = record.Name.back() == '/';
    EXPECT_EQ(record.Method, folder ? 0u : 8u) << record.Name;
    EXPECT_EQ((record.ExternalAttributes & 0x10) != 0, folder) << record.Name;
    program |= record.Name == "Ovalto4" && record.ExternalAttributes >> 16 == 0100755;
    icon |= record.Name == "Ovalto4.png";
    licence |= record.Name == "Лицензионное соглашение.txt";
    firstPage |= record.Name == "help/01_Общая_часть.htm";
  }
  EXPECT_TRUE(program && icon && licence && firstPage);
}

TEST(PayloadArchive, TheInstallersComponentExtractsItWhole) {
  TemporaryHome scratch;
  const fs::path archive = scratch.Root() / "payload.zip";
  WriteText(archive, Payload());
  unzip::TUnZIP zip;
  zip.SetArchiveFile(archive.string());
  zip.AddFileSpec("*.*");
  zip.SetExtractDir((scratch.Root() / "out").string());
  EXPECT_NO_THROW(zip.ExtractFiles());
  EXPECT_EQ(zip.FailedCount(), 0);
  ExpectSameFiles(StagedPayload(), scratch.Root() / "out");
  struct stat info {};
  ASSERT_EQ(::stat((scratch.Root() / "out/Ovalto4").c_str(), &info), 0);
  EXPECT_NE(info.st_mode & S_IXUSR, 0u) << "the program stays executable";
}

TEST(PayloadArchive, UnzipFindsNoFault) {
  ASSERT_EQ(std::system("command -v unzip >/dev/null 2>&1"), 0) << "unzip is not installed";
  TemporaryHome scratch;
  const fs::path archive = scratch.Root() / "payload.zip";
  WriteText(archive, Payload());
  EXPECT_EQ(std::system(("unzip -tqq '" + archive.string() + "'").c_str()), 0);
}

TEST(PayloadArchive, PackingIsRepeatableAndRefusesNamesCodePage866Lacks) {
  TemporaryHome scratch;
  const fs::path root = scratch.Root() / "stage";
  fs::create_directories(root / "help");
  WriteText(root / "help/page.htm", "<p>Справка</p>");
  EXPECT_EQ(payload::PackFolder(root), payload::PackFolder(root));
  WriteText(root / "€uro.txt", "");
  EXPECT_THROW(payload::PackFolder(root), payload::PackError);
}

}  // namespace
}  // namespace setup::test
