// Storing the project open in the editor: the checks of "Сохранить" in
// their order, the slot it goes to, and deleting a row.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "store/project_date.h"
#include "store/project_record.h"

namespace ovalto {

// The editor's fields as the user left them.
struct ProjectForm {
  std::string Number;                  // Edit1
  std::optional<CivilDate> Date;       // Date1; nothing when it holds no valid date
  std::string ProjectName;             // Edit3
  std::string Developer;               // Edit2
  std::vector<std::string> NoteLines;  // Memo1
  std::string TreeText;
  bool operator==(const ProjectForm&) const = default;
};

enum class FormField { None, Number, Developer, ProjectName, Date };

struct FormError {
  std::string Text;
  FormField Focus = FormField::None;
};

// Blanks separators and trims the number, developer and name in `form` (the
// editor shows them so) and checks them in order. `openRow` is the table row
// the editor opened, nothing for a new project.
std::optional<FormError> CheckProjectForm(ProjectForm& form, const ProjectTable& table, std::optional<size_t> openRow);

// Writes a checked form into the opened row, or into a new last row for a
// new project; returns the row.
size_t StoreProject(ProjectTable& table, std::optional<size_t> openRow, const ProjectForm& form);

// The memo lines of a note, and the note of memo lines (each line followed
// by a pilcrow; a pilcrow typed into a line becomes a blank).
std::vector<std::string> NoteLinesOf(const std::string& note);
std::string NoteOf(const std::vector<std::string>& lines);

// The memo's text for a note: each line followed by a line feed, so that
// empty lines at the end, and a note of one empty line, come back from
// MemoLines as they were.
std::string MemoTextOf(const std::string& note);

// A memo's text as lines: an empty memo has none, and a line feed at the
// very end starts no line of its own.
std::vector<std::string> MemoLines(const std::string& memoText);

// "Удалить проект "…" ?"
std::string DeleteProjectQuestion(const std::string& number);

}  // namespace ovalto
