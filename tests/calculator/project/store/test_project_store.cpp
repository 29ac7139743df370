#include "store/project_store.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "file_lock.h"
#include "file_size_limit.h"
#include "project_folder.h"
#include "tree/tree_editing.h"
#include "tree/tree_text.h"

namespace ovalto {
namespace {

ProjectForm Form(std::string number, std::string treeText = "00СИСТЕМЫ¶\t09Новая система 1¶") {
  return {std::move(number), CivilDate{2026, 12, 9}, "Котельная", "Иванов", {"a", "b"}, std::move(treeText)};
}

// A new project saved under `number`, as the editor's "Сохранить" does.
ProjectStore::SaveResult SaveNew(ProjectStore& store, std::string number) {
  ProjectForm form = Form(std::move(number));
  return store.Save(form, std::nullopt);
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ProjectStore, MissingFileIsAnEmptyTable) {
  testing::ProjectFolder folder;
  ProjectStore store(folder.Path());
  EXPECT_FALSE(store.Load());
  EXPECT_TRUE(store.Table().empty());
}

TEST(ProjectStore, EverySaveAndDeleteIsInTheFileAtOnce) {
  testing::ProjectFolder folder;
  ProjectStore store(folder.Path());
  ASSERT_TRUE(SaveNew(store, "1").Saved());
  const ProjectStore::SaveResult saved = SaveNew(store, "2");
  ASSERT_TRUE(saved.Saved());
  EXPECT_EQ(saved.Row, 1u);

  ProjectStore restarted(folder.Path());
  ASSERT_FALSE(restarted.Load());
  EXPECT_EQ(restarted.Table(), store.Table());
  EXPECT_EQ(restarted.Table()[0].Note, "a¶b¶");

  ASSERT_FALSE(store.Delete(0));
  ASSERT_FALSE(store.Delete(0));
  EXPECT_EQ(folder.Read("projects.iso"), "") << "a deleted last project does not come back";
  ASSERT_FALSE(restarted.Load());
  EXPECT_TRUE(restarted.Table().empty());
  EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"projects.iso", "projects.lock"}))
      << "no temporary file is left";
}

TEST(ProjectStore, TextTypedWithSeparatorsInEveryFieldComesBackInItsPlace) {
  testing::ProjectFolder folder;
  ProjectStore store(folder.Path());
  ProjectTree tree;
  ResetTree(tree, true);
  tree.SetText(*tree.Root()->Child(0), EditedText("Сис\tтема¶1\r\n"));
  ProjectForm form{"N\t1¶",   CivilDate{2026, 12, 9}, "Имя\r\nпроекта",
                   "Раз¶раб", {"стр\tока¶1", "2"},    BuildTreeText(tree)};
  ASSERT_TRUE(store.Save(form, std::nullopt).Saved());
  ASSERT_TRUE(SaveNew(store, "x").Saved());

  ProjectStore restarted(folder.Path());
  ASSERT_FALSE(restarted.Load());
  ASSERT_EQ(restarted.Table().size(), 2u);
  const ProjectRecord& record = restarted.Table()[0];
  EXPECT_EQ(record.Number, "N 1");
  EXPECT_EQ(record.ProjectName, "Имя  проекта");
  EXPECT_EQ(record.Developer, "Раз раб");
  EXPECT_EQ(NoteLinesOf(record.Note), (std::vector<std::string>{"стр ока 1", "2"}));
  const ParsedTree parsed = ParseTreeText(record.TreeText);
  ASSERT_TRUE(parsed.Complete());
  EXPECT_EQ(parsed.TopLevel[0].Children.at(0).Text, "Сис тема 1  ");
  EXPECT_EQ(restarted.Table()[1].Number, "x");
}

TEST(ProjectStore, TextTheCodePageLacksIsKeptAsTheFileGivesItBack) {
  testing::ProjectFolder folder;
  ProjectStore store(folder.Path());
  ProjectForm form{"λ-1", CivilDate{2026, 12, 9}, "Δp ≤ 5 м²", "Иванов ✓", {"λ = 0,04"}, "00СИСТЕМЫ¶\t09Сеть λ¶"};
  const ProjectStore::SaveResult saved = store.Save(form, std::nullopt);
  ASSERT_TRUE(saved.Saved());
  EXPECT_EQ(form.Number, "?-1") << "the editor shows what is stored";

  ProjectStore restarted(folder.Path());
  ASSERT_FALSE(restarted.Load());
  EXPECT_EQ(restarted.Table(), store.Table()) << "the list after a save is the list after a restart";
  EXPECT_EQ(store.Table()[0].ProjectName, "?p ? 5 м?");
  EXPECT_EQ(store.Table()[0].Note, "? = 0,04¶");
  EXPECT_EQ(store.Table()[0].TreeText, "00СИСТЕМЫ¶\t09Сеть ?¶");

  EXPECT_EQ(SaveNew(store, "μ-1").Check->Text, "Укажите уникальный номер проекта !")
      << "numbers that the file would make equal";
}

TEST(ProjectStore, UnreadableFileIsKeptBesideBeforeTheFirstWrite) {
  testing::ProjectFolder folder;
  const std::string damaged = "1\td\tn\tdev\t\t00R\xB6\t\t\t16x\xB6\r\nno tabs here\r\n";
  folder.Write("projects.iso", damaged);
  folder.Write("projects.damaged.iso", "an older copy");
  ProjectStore store(folder.Path());
  const std::optional<std::string> message = store.Load();
  ASSERT_TRUE(message);
  EXPECT_NE(message->find("строка 1: Неверный уровень (3)"), std::string::npos) << *message;
  EXPECT_NE(message->find("строка 2: не хватает полей"), std::string::npos);
  EXPECT_EQ(store.Table().size(), 2u) << "what could be read is loaded";
  EXPECT_EQ(store.KeptAsidePath(), folder.File("projects.damaged.2.iso"));
  EXPECT_EQ(folder.Read("projects.damaged.2.iso"), damaged);
  EXPECT_EQ(folder.Read("projects.damaged.iso"), "an older copy");
  ASSERT_FALSE(store.Write());
  EXPECT_EQ(folder.Read("projects.damaged.2.iso"), damaged);
}

TEST(ProjectStore, AnUnreadableFileIsNeverOverwrittenBeforeItIsKeptBeside) {
  testing::ProjectFolder folder;
  const std::string damaged = "no tabs here\r\n";
  folder.Write("projects.iso", damaged);
  ProjectStore store(folder.Path());
  {
    testing::FileSizeLimit full(0);  // no room for the copy
    const std::optional<std::string> message = store.Load();
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("не будет перезаписан"), std::string::npos) << *message;
  }
  EXPECT_EQ(store.KeptAsidePath(), "");
  ProjectForm form = Form("1");
  {
    testing::FileSizeLimit full(0);
    EXPECT_TRUE(store.Save(form, std::nullopt).WriteError);
  }
  EXPECT_EQ(folder.Read("projects.iso"), damaged);
  ASSERT_TRUE(store.Save(form, std::nullopt).Saved()) << "once there is room, the copy comes first";
  EXPECT_EQ(folder.Read("projects.damaged.iso"), damaged);
  EXPECT_EQ(store.Table().size(), 2u);
}

TEST(ProjectStore, FailedWriteLeavesTheFileAndTheTableAsTheyWere) {
  testing::ProjectFolder folder;
  ProjectStore store(folder.Path());
  ASSERT_TRUE(SaveNew(store, "1").Saved());
  const std::string before = folder.Read("projects.iso");
  {
    // The disk fills half-way through the next write.
    testing::FileSizeLimit full(before.size() + 100);
    ProjectForm big = Form("2", "00R¶" + std::string(100000, 'x') + "¶");
    const ProjectStore::SaveResult result = store.Save(big, std::nullopt);
    ASSERT_TRUE(result.WriteError);
    EXPECT_NE(result.WriteError->find(folder.File("projects.iso")), std::string::npos) << "names the file";
  }
  EXPECT_EQ(folder.Read("projects.iso"), before);
  EXPECT_EQ(store.Table().size(), 1u);
  EXPECT_EQ(FilesIn(folder.Path()), (std::vector<std::string>{"projects.iso", "projects.lock"}));
  ProjectStore restarted(folder.Path());
  EXPECT_FALSE(restarted.Load());
  EXPECT_EQ(restarted.Table(), store.Table());
}

TEST(ProjectStore, CloseWritesOnlyWhatTheFileDoesNotHold) {
  testing::ProjectFolder folder;
  folder.Write("projects.iso", "1\t01.01.2026\tn\td\t\t00R\xB6\r\n");
  ProjectStore store(folder.Path());
  ASSERT_FALSE(store.Load());
  {
    testing::FileSizeLimit unwritable(0);
    EXPECT_FALSE(store.Write()) << "nothing to store: closing is not held up";
  }
  folder.Write("projects.iso", "1\t01.01.2026\tn\td\t\t00R\xB6\t\t\t16x\xB6\r\n");
  ASSERT_TRUE(store.Load());
  {
    testing::FileSizeLimit unwritable(0);
    EXPECT_TRUE(store.Write()) << "what was read differs from the file";
  }
  EXPECT_FALSE(store.Write());
  EXPECT_EQ(folder.Read("projects.iso"), "1\t01.01.2026\tn\td\t\t00R\xB6\t\t\t16x\xB6\r\n");
}

TEST(ProjectStore, DeleteAddressesTheRowNotTheNumber) {
  testing::ProjectFolder folder;
  folder.Write("projects.iso", "A\t\tfirst\t\t\t\r\nA\t\tsecond\t\t\t\r\n");
  ProjectStore store(folder.Path());
  ASSERT_FALSE(store.Load());
  ASSERT_FALSE(store.Delete(1));
  ASSERT_EQ(store.Table().size(), 1u);
  EXPECT_EQ(store.Table()[0].ProjectName, "first");
}

// Two copies of the program on one folder: each change is made on what the
// other wrote meanwhile, and the table shows the merged file.
TEST(ProjectStore, TwoCopiesKeepWhatTheOtherSavedOrDeleted) {
  testing::ProjectFolder folder;
  folder.Write("projects.iso", "X\t01.01.2026\tn\td\t\t00R\xB6\r\n");
  ProjectStore a(folder.Path());
  ProjectStore b(folder.Path());
  ASSERT_FALSE(a.Load());
  ASSERT_FALSE(b.Load());
  ASSERT_TRUE(SaveNew(a, "A-1").Saved());
  const ProjectStore::SaveResult saved = SaveNew(b, "B-1");
  ASSERT_TRUE(saved.Saved());
  EXPECT_EQ(saved.Row, 2u);
  ASSERT_EQ(b.Table().size(), 3u) << "the list shows the merged table";
  EXPECT_EQ(b.Table()[1].Number, "A-1");

  ASSERT_FALSE(a.Delete(0));  // X
  ProjectForm renamed = Form("B-1");
  renamed.ProjectName = "Склад";
  ASSERT_TRUE(b.Save(renamed, OpenProject(b.Table(), 2)).Saved()) << "row 2 of b is row 1 of the file now";
  ASSERT_TRUE(SaveNew(a, "A-2").Saved());
  EXPECT_EQ(SaveNew(b, "A-2").Check->Text, "Укажите уникальный номер проекта !")
      << "the number the other copy took meanwhile";
  ASSERT_FALSE(a.Write());
  ASSERT_FALSE(b.Write());

  ProjectStore restarted(folder.Path());
  ASSERT_FALSE(restarted.Load());
  ASSERT_EQ(restarted.Table().size(), 3u) << "the deleted project does not come back";
  EXPECT_EQ(restarted.Table()[0].Number, "A-1");
  EXPECT_EQ(restarted.Table()[1].ProjectName, "Склад");
  EXPECT_EQ(restarted.Table()[2].Number, "A-2");
  EXPECT_EQ(restarted.Table(), a.Table());
}

TEST(ProjectStore, CopiesSavingAtTheSameTimeLoseNothing) {
  testing::ProjectFolder folder;
  constexpr int kCopies = 4;
  constexpr int kSaves = 15;
  std::vector<pid_t> copies;
  for (int copy = 0; copy < kCopies; ++copy) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ProjectStore store(folder.Path());
      bool saved = !store.Load();
      for (int k = 0; k < kSaves; ++k) {
        saved = SaveNew(store, std::to_string(copy) + "-" + std::to_string(k)).Saved() && saved;
      }
      ::_exit(saved ? 0 : 1);
    }
    copies.push_back(pid);
  }
  for (const pid_t pid : copies) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ProjectStore store(folder.Path());
  ASSERT_FALSE(store.Load());
  EXPECT_EQ(store.Table().size(), static_cast<size_t>(kCopies * kSaves));
}

TEST(ProjectStore, AFieldCutWhileReadingIsReportedAndTheFileKeptBeside) {
  testing::ProjectFolder folder;
  const std::string original =
      std::string(33, '7') + "\t01.01.2026\tn\td\t\t00R\xB6\r\n" + "2\t09.12.2026 12:00:00\tn\td\t\t00R\xB6\r\n";
  folder.Write("projects.iso", original);
  ProjectStore store(folder.Path());
  const std::optional<std::string> message = store.Load();
  ASSERT_TRUE(message);
  EXPECT_NE(message->find(folder.File("projects.iso")), std::string::npos) << *message;
  EXPECT_NE(message->find("строка 1: номер длиннее 32 знаков"), std::string::npos) << *message;
  EXPECT_NE(message->find("строка 2: дата длиннее 16 знаков"), std::string::npos) << *message;
  ASSERT_TRUE(SaveNew(store, "3").Saved());
  EXPECT_EQ(folder.Read("projects.damaged.iso"), original);
}

TEST(ProjectStore, AFileCutInsideItsLastRecordIsReportedAndKeptBeside) {
  const std::string whole =
      "P-1\t01.01.2026\tn\td\t\t00R\xB6\r\n"
      "P-3\t01.01.2026\tn\td\t\t00R\xB6\t09\xD1\xE8\xF1\xF2\xE5\xEC\xE0 1\xB6"  // 09Система 1¶
      "\t09\xD1\xE8\xF1\xF2\xE5\xEC\xE0 2\xB6\r\n";                             // 09Система 2¶
  const size_t secondSystem = whole.rfind("\t09");
  for (const size_t cut : {secondSystem, whole.size() - 6, secondSystem + 2}) {
    testing::ProjectFolder folder;
    const std::string original = whole.substr(0, cut);
    folder.Write("projects.iso", original);
    ProjectStore store(folder.Path());
    const std::optional<std::string> message = store.Load();
    ASSERT_TRUE(message) << "cut at " << cut;
    EXPECT_NE(message->find(folder.File("projects.iso")), std::string::npos) << *message;
    EXPECT_NE(message->find("строка 2, проект \"P-3\": запись оборвана"), std::string::npos) << *message;
    EXPECT_EQ(store.Table().size(), 2u) << "the records are read as far as they go";
    EXPECT_EQ(folder.Read("projects.damaged.iso"), original);
  }
}

TEST(ProjectStore, RecordsTheUserDidNotSaveKeepWhatTheyHeld) {
  testing::ProjectFolder folder;
  // P¶N, Имя¶имя, Раз¶раб in code page 1251.
  const std::string kept =
      "P\xB6N\t09.12.2026\t\xC8\xEC\xFF\xB6\xE8\xEC\xFF\t\xD0\xE0\xE7\xB6\xF0\xE0\xE1\t\t00R\xB6\r\n";
  folder.Write("projects.iso", kept);
  ProjectStore store(folder.Path());
  ASSERT_FALSE(store.Load());
  EXPECT_EQ(store.Table()[0].ProjectName, "Имя¶имя");
  ASSERT_TRUE(SaveNew(store, "2").Saved());
  ASSERT_FALSE(store.Delete(1));
  EXPECT_EQ(folder.Read("projects.iso"), kept);
}

TEST(ProjectStore, AFileTheUserMayNotWriteIsNotReplaced) {
  testing::ProjectFolder folder;
  const std::string before = "1\t01.01.2026\tn\td\t\t00R\xB6\r\n";
  folder.Write("projects.iso", before);
  const std::string path = folder.File("projects.iso");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  struct stat old {};
  ASSERT_EQ(::stat(path.c_str(), &old), 0);
  ASSERT_EQ(old.st_mode & 0777, 0444u);
  ProjectStore store(folder.Path());
  ASSERT_FALSE(store.Load());
  const ProjectStore::SaveResult result = SaveNew(store, "2");
  ASSERT_TRUE(result.WriteError);
  EXPECT_EQ(*result.WriteError, "Не удалось записать файл \"" + path + "\":\rфайл доступен только для чтения");
  struct stat now {};
  ASSERT_EQ(::stat(path.c_str(), &now), 0);
  EXPECT_EQ(now.st_ino, old.st_ino) << "the file was not renamed over";
  EXPECT_EQ(folder.Read("projects.iso"), before);
  EXPECT_EQ(store.Table().size(), 1u);
}

// A projects file linked to a shared folder's file, as two copies of the
// program on two program folders share it.
TEST(ProjectStore, ALinkedFileStaysALinkAndIsLockedAndKeptBesideWhereItLies) {
  testing::ProjectFolder program;
  testing::ProjectFolder shared;
  const std::string damaged = "no tabs here\r\n";
  shared.Write("projects.iso", damaged);
  shared.Write("projects.iso.a1B2c3", "left by a killed write");
  ASSERT_EQ(::symlink(shared.File("projects.iso").c_str(), program.File("projects.iso").c_str()), 0);
  ProjectStore store(program.Path());
  ASSERT_TRUE(store.Load());
  EXPECT_EQ(store.KeptAsidePath(), shared.File("projects.damaged.iso"));
  ProjectForm form = Form("1");
  {
    const FileLock otherCopy(shared.File("projects.lock"), std::chrono::milliseconds(0));
    ASSERT_TRUE(otherCopy.Held());
    EXPECT_TRUE(store.Save(form, std::nullopt).WriteError) << "the shared file's lock is the one taken";
  }
  ASSERT_TRUE(store.Save(form, std::nullopt).Saved());
  EXPECT_TRUE(std::filesystem::is_symlink(program.File("projects.iso")));
  EXPECT_EQ(FilesIn(program.Path()), std::vector<std::string>{"projects.iso"});
  EXPECT_EQ(FilesIn(shared.Path()),
            (std::vector<std::string>{"projects.damaged.iso", "projects.iso", "projects.lock"}));
  EXPECT_EQ(ParseProjectsFile(shared.Read("projects.iso")).Table, store.Table()) << "the shared file holds the save";
}

TEST(ProjectStore, LeftoversDoNotPileUp) {
  testing::ProjectFolder folder;
  const std::string damaged = "no tabs here\r\n";
  folder.Write("projects.iso", damaged);
  for (const char* leftover :
       {"projects.iso.a1B2c3", "projects.damaged.2.iso.Zz9yY8", "projects.tmp.Qw3Er4", "notes.txt.a1B2c3"}) {
    folder.Write(leftover, "left by a killed write");
  }
  {
    // Another copy writing now: its temporary file is no leftover.
    const FileLock writing(folder.File("projects.lock"), std::chrono::milliseconds(0));
    ASSERT_TRUE(writing.Held());
    ProjectStore store(folder.Path());
    EXPECT_TRUE(store.Load());
    EXPECT_EQ(folder.Read("projects.iso.a1B2c3"), "left by a killed write");
  }
  for (int start = 0; start < 3; ++start) {
    ProjectStore store(folder.Path());
    EXPECT_TRUE(store.Load());
    EXPECT_EQ(store.KeptAsidePath(), folder.File("projects.damaged.iso"));
  }
  EXPECT_EQ(FilesIn(folder.Path()),
            (std::vector<std::string>{"notes.txt.a1B2c3", "projects.damaged.iso", "projects.iso", "projects.lock"}))
      << "one copy of one damaged content";
}

}  // namespace
}  // namespace ovalto
