// The walk's handling of names, existing files, failures and events, on small archives made
// here: hostile names stay inside the target, and every entry that can't be written is
// reported, leaves nothing behind and makes the run fail.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "messages.h"
#include "tunzip.h"
#include "unzip_test_support.h"

namespace unzip::test {
namespace {

namespace fs = std::filesystem;

struct Report {
  std::string fn, msgEx;
  int code;
};

class WalkTest : public ::testing::Test {
 protected:
  WalkTest() {
    zip.OnError = [this](TUnZIP&, const std::string& fn, const std::string& msgEx, const std::string&, int code) {
      reports.push_back({fn, msgEx, code});
    };
  }

  void Prepare(const Bytes& archive, const std::vector<std::string>& specs = {"*.*"}) {
    const fs::path path = scratch.Path() / "archive.zip";
    WriteFileBytes(path, archive);
    zip.SetArchiveFile(path.string());
    zip.SetFileSpec(specs);
    zip.SetExtractDir(target.string());
  }
  // Extracts; the result is the count, or -(number of the failure) when the run failed.
  int Extract(const Bytes& archive, const std::vector<std::string>& specs = {"*.*"}) {
    Prepare(archive, specs);
    return Run();
  }
  int Run() {
    try {
      return zip.ExtractFiles();
    } catch (const E_RAISE& error) {
      return -error.Code();
    }
  }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const Report& report : reports) codes.push_back(report.code);
    return codes;
  }
  std::string Content(const std::string& name) const {
    const Bytes bytes = ReadFileBytes(target / name);
    return std::string(bytes.begin(), bytes.end());
  }

  ScratchFolder scratch;
  fs::path target = scratch.Path() / "out";
  FakeUnzipPlatform platform;
  TUnZIP zip{platform};
  std::vector<Report> reports;
};

TEST_F(WalkTest, NamesThatClimbOutAreRefusedAndTheRestIsWritten) {
  const int result = Extract(MakeZip({{"good.txt", TextBytes("good")},
                                      {"../evil.txt", TextBytes("evil")},
                                      {"sub/../../evil2.txt", TextBytes("evil")},
                                      {"..\\evil3.txt", TextBytes("evil")},
                                      {"sub\\..\\inside.txt", TextBytes("evil")}}));
  EXPECT_EQ(result, -kMsgErrorOpening);
  EXPECT_EQ(Content("good.txt"), "good");
  EXPECT_EQ(zip.FailedCount(), 4);
  EXPECT_EQ(Codes(), std::vector<int>(4, kMsgErrorOpening));
  for (const auto& item : fs::recursive_directory_iterator(scratch.Path())) {
    EXPECT_EQ(item.path().filename().string().find("evil"), std::string::npos) << item.path();
    EXPECT_NE(item.path().filename(), "inside.txt");
  }
}

TEST_F(WalkTest, DrivesAndRootsAreDroppedBothSeparatorsCount) {
  EXPECT_EQ(Extract(MakeZip({{"C:\\dir\\f.txt", TextBytes("1")},
                             {"\\root.txt", TextBytes("2")},
                             {"/abs/g.txt", TextBytes("3")},
                             {"d:h.txt", TextBytes("4")}})),
            4);
  EXPECT_EQ(Content("dir/f.txt"), "1");
  EXPECT_EQ(Content("root.txt"), "2");
  EXPECT_EQ(Content("abs/g.txt"), "3");
  EXPECT_EQ(Content("h.txt"), "4");

  zip.UseStoredDirs = false;
  fs::remove_all(target);
  EXPECT_EQ(Extract(MakeZip({{"C:\\dir\\f.txt", TextBytes("1")}})), 1);
  EXPECT_EQ(Content("f.txt"), "1");
}

TEST_F(WalkTest, FailedEntriesAreReportedDeletedAndFailTheRun) {
  bool crcPassOfBad = true;
  zip.OnEnd = [&](TUnZIP&, const std::string& fn, bool crcPass) {
    if (fn.ends_with("bad.txt")) crcPassOfBad = crcPass;
  };
  fs::create_directories(target / "blocked.txt");  // a folder where a file should go
  const int result = Extract(MakeZip({{"bad.txt", TextBytes("damaged"), 0, 0, 0x20, true},
                                      {"method9.bin", TextBytes("????"), 9},
                                      {"blocked.txt", TextBytes("x")},
                                      {"fine.txt", TextBytes("fine")}}));
  EXPECT_EQ(result, -kMsgCrcFailed);
  EXPECT_EQ(Codes(), (std::vector<int>{kMsgCrcFailed, kMsgUnsupportedMethod, kMsgErrorOpening}));
  EXPECT_EQ(reports[0].fn, "bad.txt");
  EXPECT_FALSE(crcPassOfBad);
  EXPECT_EQ(zip.FailedCount(), 3);
  EXPECT_TRUE(zip.Incomplete());
  EXPECT_FALSE(fs::exists(target / "bad.txt"));
  EXPECT_FALSE(fs::exists(target / "method9.bin"));
  EXPECT_EQ(Content("fine.txt"), "fine");
}

TEST_F(WalkTest, AFullDiskIsAFailureNotASilentSuccess) {
  platform.freeBytes = 10;
  EXPECT_EQ(Extract(MakeZip({{"big.bin", Bytes(100, 7)}, {"small.txt", TextBytes("ok")}})), -kMsgErrorWriting);
  EXPECT_FALSE(fs::exists(target / "big.bin"));
  EXPECT_EQ(Content("small.txt"), "ok");
}

TEST_F(WalkTest, AWriteThatFailsHalfWayLeavesNothing) {
  Prepare(MakeZip({{"big.bin", Bytes(50000, 7)}, {"small.txt", TextBytes("ok")}}));
  // The system refuses to let a file grow past 1000 bytes, as a full disk would.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limited = saved;
  limited.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  const int result = Run();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(result, -kMsgErrorWriting);
  EXPECT_EQ(Codes(), std::vector<int>{kMsgErrorWriting});
  EXPECT_FALSE(fs::exists(target / "big.bin"));
  EXPECT_EQ(Content("small.txt"), "ok");
}

TEST_F(WalkTest, ExistingFilesAreKeptWithoutAnOverwriteHandler) {
  fs::create_directories(target);
  WriteFileBytes(target / "a.txt", TextBytes("old"));
  EXPECT_EQ(Extract(MakeZip({{"a.txt", TextBytes("new")}, {"b.txt", TextBytes("b")}})), 1);
  EXPECT_EQ(Content("a.txt"), "old");
  EXPECT_EQ(Content("b.txt"), "b");
  EXPECT_EQ(zip.OverwriteMode, TOverwriteMode::omSkip);

  // With a handler that says overwrite, even a read-only file is replaced.
  zip.OverwriteMode = TOverwriteMode::omOverwrite;
  TDateTime seenDate = 0;
  zip.OnFileExists = [&](TUnZIP&, const std::string&, TDateTime date, TOverwriteMode& mode) {
    seenDate = date;
    mode = TOverwriteMode::omOverwrite;
  };
  fs::permissions(target / "a.txt", fs::perms::owner_read, fs::perm_options::replace);
  EXPECT_EQ(Extract(MakeZip({{"a.txt", TextBytes("new")}})), 1);
  EXPECT_EQ(Content("a.txt"), "new");
  EXPECT_NEAR(seenDate, 45366.43, 0.01);  // 15 March 2024 10:20:30
}

TEST_F(WalkTest, SelectionByFileSpec) {
  const Bytes archive = MakeZip(
      {{"docs/", {}, 0, 0, 0x10}, {"a.txt", TextBytes("a")}, {"b.txt", TextBytes("b")}, {"c.htm", TextBytes("c")}});
  EXPECT_EQ(Extract(archive, {}), 0);
  EXPECT_FALSE(fs::exists(target));
  EXPECT_EQ(Extract(archive, {"folder/b.txt"}), 1);  // reduced to its file name
  EXPECT_TRUE(fs::exists(target / "b.txt"));
  fs::remove_all(target);
  EXPECT_EQ(Extract(archive, {"*.txt"}), 2);
  EXPECT_FALSE(fs::exists(target / "c.htm"));
  EXPECT_FALSE(fs::exists(target / "docs"));
}

TEST_F(WalkTest, RunEventsAndDates) {
  std::vector<std::string> events;
  zip.OnActivate = [&](TUnZIP&) { events.push_back("activate"); };
  zip.OnDeactivate = [&](TUnZIP&) { events.push_back("deactivate"); };
  zip.OnBegin = [&](TUnZIP&, const std::string& fn, int number, bool&) {
    events.push_back("begin " + fs::path(fn).filename().string() + " " + std::to_string(number));
  };
  zip.OnRenameCompressedFile = [&](TUnZIP&, std::string& name) { name += ".renamed"; };
  zip.OnEnd = [&](TUnZIP&, const std::string&, bool crcPass) { events.push_back(crcPass ? "end ok" : "end bad"); };
  TestEntry readOnly{"ro.txt", TextBytes("r"), 0, 0, 0x21};
  EXPECT_EQ(Extract(MakeZip({readOnly})), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"activate", "begin ro.txt 1", "end ok", "deactivate"}));
  const fs::path written = target / "ro.txt.renamed";
  struct stat info {};
  ASSERT_EQ(stat(written.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0222, 0u);
  std::tm local{};
  localtime_r(&info.st_mtime, &local);
  EXPECT_EQ(local.tm_year + 1900, 2024);
  EXPECT_EQ(local.tm_hour, 10);
  EXPECT_EQ(local.tm_sec, 30);
}

TEST_F(WalkTest, ARenameHandlerCannotLeadOutsideTheTarget) {
  zip.OnRenameCompressedFile = [&](TUnZIP&, std::string& name) { name = (scratch.Path() / "moved.txt").string(); };
  EXPECT_EQ(Extract(MakeZip({{"a.txt", TextBytes("a")}})), -kMsgErrorOpening);
  EXPECT_FALSE(fs::exists(scratch.Path() / "moved.txt"));
}

TEST_F(WalkTest, ALinkInTheTargetDoesNotLeadOutside) {
  fs::create_directories(target);
  fs::create_directory_symlink(scratch.Path(), target / "up");
  EXPECT_EQ(Extract(MakeZip({{"up/escaped.txt", TextBytes("x")}})), -kMsgErrorOpening);
  EXPECT_FALSE(fs::exists(scratch.Path() / "escaped.txt"));
}

TEST_F(WalkTest, DirectoryRecordsSharingTheirDataAreRefused) {
  // Two more directory records pointing at the first entry's data, under other names.
  Bytes archive = MakeZip({{"a.txt", TextBytes("aaaa")}});
  const std::size_t directoryStart = archive.size() - 22 - (46 + 5);
  Bytes record(archive.begin() + static_cast<std::ptrdiff_t>(directoryStart), archive.end() - 22);
  Bytes end(archive.end() - 22, archive.end());
  archive.resize(archive.size() - 22);
  for (char copy : {'b', 'c'}) {
    record[46] = static_cast<std::uint8_t>(copy);
    archive.insert(archive.end(), record.begin(), record.end());
  }
  end[8] = end[10] = 3;
  end[12] = 3 * 51;
  archive.insert(archive.end(), end.begin(), end.end());
  EXPECT_EQ(Extract(archive), -kMsgBadLocalHeader);
  EXPECT_EQ(zip.FailedCount(), 2);
  EXPECT_EQ(Content("a.txt"), "aaaa");
  EXPECT_FALSE(fs::exists(target / "b.txt"));
}

TEST_F(WalkTest, CancelStopsTheRunWithoutAHalfFile) {
  zip.OnProgress = [](TUnZIP& sender, std::uint8_t byFile, std::uint8_t) {
    if (byFile > 0) sender.SetCancel(true);
  };
  EXPECT_EQ(Extract(MakeZip({{"big.bin", Bytes(200000, 1)}, {"next.txt", TextBytes("n")}})), 1);
  EXPECT_FALSE(fs::exists(target / "big.bin"));
  EXPECT_FALSE(fs::exists(target / "next.txt"));
}

TEST_F(WalkTest, ArchivesThatCantBeUsedRaiseAtOnce) {
  bool activated = false;
  zip.OnActivate = [&](TUnZIP&) { activated = true; };
  EXPECT_THROW(zip.ExtractFiles(), E_RAISE);
  EXPECT_EQ(Codes(), std::vector<int>{kMsgFileNotFound});
  const Bytes gzip = Padded({0x1F, 0x8B, 8, 0}, 64, 0);
  EXPECT_EQ(Extract(gzip), -kMsgBadArchiveType);
  EXPECT_FALSE(activated);
}

TEST_F(WalkTest, LongNamesAreReadWhole) {
  const std::string deep = std::string(300, 'd') + "/" + std::string(200, 'n') + ".txt";
  const std::string tooLong(65535, 'x');
  EXPECT_EQ(Extract(MakeZip({{tooLong, TextBytes("x")}, {deep, TextBytes("deep")}, {"z.txt", TextBytes("z")}})),
            -kMsgErrorOpening);
  EXPECT_EQ(zip.FailedCount(), 2);  // neither name fits this file system
  EXPECT_EQ(Content("z.txt"), "z");
}

TEST_F(WalkTest, PasswordsFromTheListFromPromptsAndNone) {
  const Bytes encrypted = ReadFileBytes(DataPath("encrypted.zip"));
  // No password and nobody to ask: every entry is reported and the run fails.
  EXPECT_EQ(Extract(encrypted), -kMsgEventNotAssigned);
  EXPECT_EQ(reports.size(), 5u);
  EXPECT_EQ(reports[0].msgEx, "OnGetPassword");
  EXPECT_FALSE(fs::exists(target / "en_text.txt"));

  // A wrong answer first, then the right one, which joins the list for the other entries.
  reports.clear();
  int prompts = 0;
  zip.OnGetPassword = [&](TUnZIP&, const std::string&, std::string& password, bool& tryAgain) {
    password = ++prompts == 1 ? "wrong" : "secret";
    tryAgain = true;
  };
  EXPECT_EQ(Extract(encrypted), 5);
  EXPECT_EQ(prompts, 2);
  EXPECT_EQ(Codes(), std::vector<int>{kMsgInvalidPassword});
  ASSERT_FALSE(zip.Passwords.empty());
  EXPECT_EQ(zip.Passwords[0], "secret");

  // Prompts that never fit end the walk.
  fs::remove_all(target);
  reports.clear();
  zip.Passwords.clear();
  zip.OnGetPassword = [](TUnZIP&, const std::string&, std::string& password, bool& tryAgain) {
    password = "wrong";
    tryAgain = true;
  };
  EXPECT_EQ(Extract(encrypted), -kMsgPasswordFailed);
  EXPECT_EQ(Codes(),
            (std::vector<int>{kMsgInvalidPassword, kMsgInvalidPassword, kMsgInvalidPassword, kMsgPasswordFailed}));
  EXPECT_FALSE(fs::exists(target / "en_text.txt"));
}

}  // namespace
}  // namespace unzip::test
