// Every entry of every test archive, checked against MANIFEST.tsv: the expected bytes where the
// entry is sound, and for damaged or hostile archives the expected refusal, with nothing
// half-written left behind and the run reported as incomplete.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "messages.h"
#include "spanned_set.h"
#include "tunzip.h"
#include "unzip_test_support.h"

namespace unzip::test {
namespace {

namespace fs = std::filesystem;

struct ManifestRow {
  std::string archive, name, sha256, expectedFile, password, outcome;
};

std::vector<ManifestRow> ReadManifest() {
  std::ifstream in(DataPath("MANIFEST.tsv"));
  std::vector<ManifestRow> rows;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::vector<std::string> cells;
    std::stringstream fields(line);
    std::string cell;
    while (std::getline(fields, cell, '\t')) cells.push_back(cell);
    cells.resize(17);
    rows.push_back({cells[0], cells[3], cells[10], cells[11], cells[12], cells[13]});
  }
  return rows;
}

bool IsTraversal(const std::string& name) { return name.find("..") != std::string::npos; }

// Names that start at a root or a drive: writing them inside the target folder is as good as
// refusing them.
bool IsRooted(const std::string& name) {
  return !name.empty() && (name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':'));
}

std::string RootlessName(std::string name) {
  if (name.size() > 1 && name[1] == ':') name.erase(0, 2);
  while (!name.empty() && (name[0] == '/' || name[0] == '\\')) name.erase(0, 1);
  return name;
}

struct RunResult {
  bool incomplete = false;
  std::set<int> errorCodes;
};

RunResult Extract(const std::string& archive, const std::vector<ManifestRow>& rows, const ScratchFolder& scratch,
                  const fs::path& target) {
  RunResult result;
  auto record = [&](TUnZIP& zip) {
    zip.OnError = [&](TUnZIP&, const std::string&, const std::string&, const std::string&, int code) {
      result.errorCodes.insert(code);
    };
  };
  try {
    if (archive.rfind("split.zip", 0) == 0) {
      SpannedSet set(scratch.Path() / "drive");
      TUnZIP zip(set.Platform());
      record(zip);
      set.ExtractAll(zip, target.string());
      result.incomplete = zip.Incomplete();
    } else {
      const fs::path copy = scratch.Path() / archive;
      fs::copy_file(DataPath(archive), copy);
      TUnZIP zip;
      record(zip);
      zip.SetZipCmntBufSize(2000);
      for (const ManifestRow& row : rows) {
        if (!row.password.empty()) zip.Passwords = {row.password};
      }
      zip.SetArchiveFile(copy.string());
      zip.AddFileSpec("*.*");
      zip.SetExtractDir(target.string());
      zip.ExtractFiles();
    }
  } catch (const E_RAISE&) {
    result.incomplete = true;
  }
  return result;
}

TEST(ManifestTest, EveryEntryComesOutAsExpected) {
  std::map<std::string, std::vector<ManifestRow>> archives;
  for (const ManifestRow& row : ReadManifest()) archives[row.archive].push_back(row);
  ASSERT_EQ(archives.size(), 33u);

  for (const auto& [archive, rows] : archives) {
    SCOPED_TRACE(archive);
    ScratchFolder scratch;
    const fs::path target = scratch.Path() / "out";
    const RunResult run = Extract(archive, rows, scratch, target);

    bool expectIncomplete = false;
    std::set<std::string> written;
    for (const ManifestRow& row : rows) {
      SCOPED_TRACE(row.name);
      const fs::path output = target / row.name;
      const std::string& outcome = row.outcome;
      if (outcome == "ok" && row.expectedFile == "-") continue;  // folder record
      if (outcome == "ok (no entries)") {
        EXPECT_FALSE(fs::exists(target) && !fs::is_empty(target));
      } else if (outcome == "ok") {
        ASSERT_TRUE(fs::is_regular_file(output));
        EXPECT_EQ(Sha256Hex(ReadFileBytes(output)), row.sha256);
        written.insert(output.string());
      } else if (outcome == "crc error" || outcome == "unsupported method") {
        expectIncomplete = true;
        EXPECT_FALSE(fs::exists(output)) << "partial output left behind";
        EXPECT_TRUE(run.errorCodes.count(outcome == "crc error" ? kMsgCrcFailed : kMsgUnsupportedMethod));
      } else if (outcome == "truncated") {
        expectIncomplete = true;
        if (fs::exists(output)) {
          EXPECT_EQ(Sha256Hex(ReadFileBytes(output)), row.sha256);
          written.insert(output.string());
        }
      } else if (outcome == "unsafe name rejected") {
        if (IsTraversal(row.name)) {
          expectIncomplete = true;
        } else {
          ASSERT_TRUE(IsRooted(row.name));
          const fs::path inside = target / RootlessName(row.name);
          if (fs::exists(inside)) written.insert(inside.string());
        }
      } else {
        ADD_FAILURE() << "unknown outcome " << outcome;
      }
    }
    EXPECT_EQ(run.incomplete, expectIncomplete);
    // Nothing but the expected files in the target, nothing next to it but the archive.
    if (fs::exists(target)) {
      for (const auto& item : fs::recursive_directory_iterator(target)) {
        if (item.is_regular_file()) {
          EXPECT_TRUE(written.count(item.path().string())) << item.path();
        }
      }
    }
    for (const auto& item : fs::directory_iterator(scratch.Path())) {
      const std::string name = item.path().filename().string();
      EXPECT_TRUE(name == "out" || name == archive || name == "drive") << item.path();
    }
  }
}

}  // namespace
}  // namespace unzip::test
