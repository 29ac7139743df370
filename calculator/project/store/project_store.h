// The projects of the user: the table in memory and "projects.iso" in the
// program folder, which every change rewrites at once so that nothing saved
// is lost to a crash. This is the projects' one entry for the windows, the
// tests and the benchmark.
//
// Several copies of the program may share the folder. Each change is made
// under their common lock on the file as it is then: when another copy wrote
// it since this store read or wrote it, it is read again and only this
// store's change (the record saved or deleted) is made on what it holds, so
// the table after a change is the merged one. A project that another copy
// changed, renumbered or deleted since an editor opened it is not saved over
// without the user's word.
#pragma once

#include <optional>
#include <string>

#include "file_lock.h"
#include "files.h"
#include "store/project_record.h"
#include "store/project_save.h"
#include "store/projects_file.h"

namespace ovalto {

class ProjectStore {
 public:
  // `folder` ends with a separator.
  explicit ProjectStore(std::string folder = {}) : folder_(std::move(folder)) {}

  void SetFolder(std::string folder) { folder_ = std::move(folder); }
  std::string FilePath() const { return folder_ + kProjectsFileName; }
  const ProjectTable& Table() const { return table_; }

  // Reads the projects file; a missing file is an empty table. Returns what
  // to tell the user when the file could not be read whole (nothing
  // otherwise): what was read is loaded, and the file is kept aside under a
  // new name before anything overwrites it. Removes first what writes killed
  // midway left in the folder.
  std::optional<std::string> Load();
  // Reads the file again when another copy wrote it since this store last
  // read or wrote it; nothing is read otherwise.
  std::optional<std::string> Refresh();

  // Each change writes the whole file and takes effect only when the write
  // succeeded; a failure returns the error naming the file and leaves both
  // the table and the file as they were.
  struct SaveResult {
    std::optional<FormError> Check;  // a save check failed: nothing written
    // Another copy changed the opened project since: nothing written until
    // the user decides whether this editor's version goes over it.
    std::optional<OtherCopyChange> OtherCopy;
    std::optional<std::string> WriteError;
    // Saved, but the file another copy left did not read whole: the report,
    // as Load gives it.
    std::optional<std::string> ReadReport;
    size_t Row = 0;  // the stored row on success
    bool Saved() const { return !Check && !OtherCopy && !WriteError; }
  };
  // `opened` is the project as the editor opened it, nothing for a new one.
  // With `overOtherCopy` the editor's version goes over whatever another copy
  // made of the project (back in when it was deleted).
  SaveResult Save(ProjectForm& form, const std::optional<OpenedProject>& opened, bool overOtherCopy = false);
  // The error, or the report on a file another copy left that did not read
  // whole; the table is to be shown again either way.
  std::optional<std::string> Delete(size_t row);
  // Writes the table as it is (at close) unless the file already holds it,
  // so a program folder that cannot be written does not keep the program
  // from closing when there is nothing to store.
  std::optional<std::string> Write();
  // A whole new table, whatever the file holds (tests and the benchmark
  // build files this way).
  std::optional<std::string> Replace(ProjectTable table);

  // Where the unreadable file was kept; empty when nothing was kept aside.
  const std::string& KeptAsidePath() const { return keptAside_; }

 private:
  // The table a change starts from, with what goes with it.
  struct Base {
    ProjectTable Table;
    FileStamp Stamp;
    bool HoldsFile = true;              // the file holds the table
    std::optional<std::string> Report;  // read again, and not whole
  };
  Base CurrentBase();
  // Reads the file into the table, keeping it aside when it does not read
  // whole and `lock` is held.
  std::optional<std::string> Read(const FileLock& lock);
  std::string PartReadMessage(const std::vector<std::string>& problems,
                              const std::optional<std::string>& keepError) const;
  std::optional<std::string> KeepAside();
  std::optional<std::string> WriteTable(ProjectTable table);
  std::string LockPath() const;

  std::string folder_;
  ProjectTable table_;
  FileStamp stamp_;             // the file as this store last read or wrote it
  bool fileHoldsTable_ = true;  // the file was read whole or written last
  bool keepAsidePending_ = false;
  std::string keptAside_;
};

}  // namespace ovalto
