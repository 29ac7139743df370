#include "store/project_store.h"

#include "files.h"
#include "store/projects_file.h"

namespace ovalto {

namespace {

constexpr size_t kProblemsShown = 5;

}  // namespace

std::optional<std::string> ProjectStore::Load() {
  table_.clear();
  fileHoldsTable_ = true;
  keepAsidePending_ = false;
  keptAside_.clear();
  const std::string path = FilePath();
  if (!FileExists(path)) return std::nullopt;
  const std::optional<std::string> bytes = ReadWholeFile(path);
  ProjectsFileContents contents;
  if (!bytes) {
    contents.Problems.push_back("файл не читается");
  } else {
    contents = ParseProjectsFile(*bytes);
  }
  table_ = std::move(contents.Table);
  if (contents.Problems.empty()) return std::nullopt;

  fileHoldsTable_ = false;
  keepAsidePending_ = true;
  const std::optional<std::string> keepError = KeepAside();
  std::string message = "Файл \"" + path + "\" прочитан не полностью:";
  for (size_t i = 0; i < contents.Problems.size() && i < kProblemsShown; ++i) message += "\r" + contents.Problems[i];
  if (contents.Problems.size() > kProblemsShown) message += "\r…";
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
  const std::string path = FilePath();
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return "файл не читается";
  std::string copy;
  for (int n = 1;; ++n) {
    copy = folder_ + "projects.damaged";
    if (n > 1) copy.append(".").append(std::to_string(n));
    copy += ".iso";
    if (!FileExists(copy)) break;
  }
  if (std::optional<std::string> error = ReplaceFileAtomically(copy, *bytes)) return error;
  keepAsidePending_ = false;
  keptAside_ = copy;
  return std::nullopt;
}

std::optional<std::string> ProjectStore::Replace(ProjectTable table) {
  const std::string path = FilePath();
  std::optional<std::string> error;
  if (keepAsidePending_) error = KeepAside();
  if (!error) error = ReplaceFileAtomically(path, SerializeProjectsFile(table));
  if (error) return "Не удалось записать файл \"" + path + "\":\r" + *error;
  table_ = std::move(table);
  fileHoldsTable_ = true;
  return std::nullopt;
}

ProjectStore::SaveResult ProjectStore::Save(ProjectForm& form, std::optional<size_t> openRow) {
  SaveResult result;
  if (openRow && *openRow >= table_.size()) openRow.reset();
  result.Check = CheckProjectForm(form, table_, openRow);
  if (result.Check) return result;
  ProjectTable next = table_;
  result.Row = StoreProject(next, openRow, form);
  result.WriteError = Replace(std::move(next));
  return result;
}

std::optional<std::string> ProjectStore::Delete(size_t row) {
  if (row >= table_.size()) return std::nullopt;
  ProjectTable next = table_;
  next.erase(next.begin() + static_cast<std::ptrdiff_t>(row));
  return Replace(std::move(next));
}

std::optional<std::string> ProjectStore::Write() {
  if (fileHoldsTable_) return std::nullopt;
  return Replace(table_);
}

}  // namespace ovalto
