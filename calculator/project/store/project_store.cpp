#include "store/project_store.h"

#include <chrono>

#include "store/projects_folder.h"

namespace ovalto {

namespace {

constexpr size_t kProblemsShown = 5;
// A write of the file takes a small part of this; no copy waits longer for
// another, so a copy that hangs holding the lock does not hang this one.
constexpr std::chrono::milliseconds kLockWait{3000};

struct FileReading {
  ProjectTable Table;
  std::vector<std::string> Problems;
  FileStamp Stamp;
};

FileReading ReadProjects(const std::string& path) {
  FileReading reading;
  reading.Stamp = StampOf(path);
  if (!reading.Stamp.Exists) return reading;
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) {
    reading.Problems.push_back("файл не читается");
    return reading;
  }
  ProjectsFileContents contents = ParseProjectsFile(*bytes);
  reading.Table = std::move(contents.Table);
  reading.Problems = std::move(contents.Problems);
  return reading;
}

std::string WriteFailure(const std::string& path, const std::string& reason) {
  return "Не удалось записать файл \"" + path + "\":\r" + reason;
}

}  // namespace

std::string ProjectStore::LockPath() const { return ProjectsLockPath(folder_); }

std::optional<std::string> ProjectStore::Load() {
  // Without the lock (a folder the user may not write) nothing is removed
  // or kept aside: another copy may be writing.
  const FileLock lock(LockPath(), kLockWait);
  if (lock.Held()) RemoveLeftoverTemporaries(folder_);
  return Read(lock);
}

std::optional<std::string> ProjectStore::Refresh() {
  if (StampOf(FilePath()) == stamp_) return std::nullopt;
  const FileLock lock(LockPath(), kLockWait);
  return Read(lock);
}

std::optional<std::string> ProjectStore::Read(const FileLock& lock) {
  keepAsidePending_ = false;
  keptAside_.clear();
  FileReading reading = ReadProjects(FilePath());
  table_ = std::move(reading.Table);
  stamp_ = reading.Stamp;
  fileHoldsTable_ = reading.Problems.empty();
  if (fileHoldsTable_) return std::nullopt;
  keepAsidePending_ = true;
  return PartReadMessage(reading.Problems, lock.Held() ? KeepAside() : std::optional<std::string>(lock.Failure()));
}

std::string ProjectStore::PartReadMessage(const std::vector<std::string>& problems,
                                          const std::optional<std::string>& keepError) const {
  std::string message = "Файл \"" + FilePath() + "\" прочитан не полностью:";
  for (size_t i = 0; i < problems.size() && i < kProblemsShown; ++i) message += "\r" + problems[i];
  if (problems.size() > kProblemsShown) message += "\r…";
  message += "\r\rЗагружено то, что удалось прочитать.";
  if (keepError) {
    message += "\rИсходный файл не удалось сохранить под другим именем (" + *keepError +
               "); он не будет перезаписан, пока это не удастся.";
  } else {
    message += "\rИсходный файл сохранён как \"" + keptAside_ + "\".";
  }
  return message;
}

std::optional<std::string> ProjectStore::KeepAside() {
  const std::optional<std::string> bytes = ReadWholeFile(FilePath());
  if (!bytes) return "файл не читается";
  DamagedCopy copy = KeepDamagedCopy(folder_, *bytes);
  if (copy.Error) return copy.Error;
  keepAsidePending_ = false;
  keptAside_ = std::move(copy.Path);
  return std::nullopt;
}

ProjectStore::Base ProjectStore::CurrentBase() {
  if (StampOf(FilePath()) == stamp_) return {table_, stamp_, fileHoldsTable_, std::nullopt};
  FileReading reading = ReadProjects(FilePath());
  Base base{std::move(reading.Table), reading.Stamp, reading.Problems.empty(), std::nullopt};
  keepAsidePending_ = !base.HoldsFile;
  if (keepAsidePending_) base.Report = PartReadMessage(reading.Problems, KeepAside());
  return base;
}

std::optional<std::string> ProjectStore::WriteTable(ProjectTable table) {
  const std::string path = FilePath();
  std::optional<std::string> error;
  if (keepAsidePending_) error = KeepAside();
  if (!error) error = ReplaceFileAtomically(path, SerializeProjectsFile(table));
  if (error) return WriteFailure(path, *error);
  table_ = std::move(table);
  stamp_ = StampOf(path);
  fileHoldsTable_ = true;
  return std::nullopt;
}

std::optional<std::string> ProjectStore::Replace(ProjectTable table) {
  const FileLock lock(LockPath(), kLockWait);
  if (!lock.Held()) return WriteFailure(FilePath(), lock.Failure());
  return WriteTable(std::move(table));
}

ProjectStore::SaveResult ProjectStore::Save(ProjectForm& form, const std::optional<OpenedProject>& opened,
                                            bool overOtherCopy) {
  SaveResult result;
  const FileLock lock(LockPath(), kLockWait);
  if (!lock.Held()) {
    result.WriteError = WriteFailure(FilePath(), lock.Failure());
    return result;
  }
  Base base = CurrentBase();
  result.ReadReport = std::move(base.Report);
  std::optional<size_t> row;
  if (opened) {
    const ProjectPlace place = FindProject(base.Table, *opened);
    if (place.Change != ProjectChange::None && !overOtherCopy) {
      result.OtherCopy = OtherCopyChange{place.Change, opened->Record.Number,
                                         place.Row ? base.Table[*place.Row].Number : std::string()};
      return result;
    }
    row = place.Row;
  }
  result.Check = CheckProjectForm(form, base.Table, row);
  if (result.Check) return result;
  result.Row = StoreProject(base.Table, row, form);
  result.WriteError = WriteTable(std::move(base.Table));
  return result;
}

std::optional<std::string> ProjectStore::Delete(size_t row) {
  if (row >= table_.size()) return std::nullopt;
  const FileLock lock(LockPath(), kLockWait);
  if (!lock.Held()) return WriteFailure(FilePath(), lock.Failure());
  Base base = CurrentBase();
  if (const std::optional<size_t> at = FindRecord(base.Table, table_[row]).Row) {
    base.Table.erase(base.Table.begin() + static_cast<std::ptrdiff_t>(*at));
  }
  if (std::optional<std::string> error = WriteTable(std::move(base.Table))) return error;
  return base.Report;
}

std::optional<std::string> ProjectStore::Write() {
  if (fileHoldsTable_) return std::nullopt;
  const FileLock lock(LockPath(), kLockWait);
  if (!lock.Held()) return WriteFailure(FilePath(), lock.Failure());
  Base base = CurrentBase();
  if (base.HoldsFile) {
    // Another copy wrote the file whole since: nothing of this one is missing.
    table_ = std::move(base.Table);
    stamp_ = base.Stamp;
    fileHoldsTable_ = true;
    return std::nullopt;
  }
  if (std::optional<std::string> error = WriteTable(std::move(base.Table))) return error;
  return base.Report;
}

}  // namespace ovalto
