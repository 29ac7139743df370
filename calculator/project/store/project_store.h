// The projects of the user: the table in memory and "projects.iso" in the
// program folder, which every change rewrites at once so that nothing saved
// is lost to a crash. This is the projects' one entry for the windows, the
// tests and the benchmark.
#pragma once

#include <optional>
#include <string>

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
  // new name before anything overwrites it.
  std::optional<std::string> Load();

  // Each change writes the whole file and takes effect only when the write
  // succeeded; a failure returns the error naming the file and leaves both
  // the table and the file as they were.
  struct SaveResult {
    std::optional<FormError> Check;  // a save check failed: nothing written
    std::optional<std::string> WriteError;
    size_t Row = 0;  // the stored row on success
    bool Saved() const { return !Check && !WriteError; }
  };
  SaveResult Save(ProjectForm& form, std::optional<size_t> openRow);
  std::optional<std::string> Delete(size_t row);
  // Writes the table as it is (at close) unless the file already holds it,
  // so a program folder that cannot be written does not keep the program
  // from closing when there is nothing to store.
  std::optional<std::string> Write();
  // A whole new table (tests and the benchmark build files this way).
  std::optional<std::string> Replace(ProjectTable table);

  // Where the unreadable file was kept; empty when nothing was kept aside.
  const std::string& KeptAsidePath() const { return keptAside_; }

 private:
  std::optional<std::string> KeepAside();

  std::string folder_;
  ProjectTable table_;
  bool fileHoldsTable_ = true;  // the file was read whole or written last
  bool keepAsidePending_ = false;
  std::string keptAside_;
};

}  // namespace ovalto
