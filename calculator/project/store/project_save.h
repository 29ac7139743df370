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

// What another copy of the program did to a project since this one read it.
enum class ProjectChange { None, Changed, Renumbered, Deleted };

// Where a record read earlier stands in the table as the file holds it now:
// the same record, else the row of its number (changed), else nothing.
struct ProjectPlace {
  ProjectChange Change = ProjectChange::None;
  std::optional<size_t> Row;  // nothing when deleted
};
ProjectPlace FindRecord(const ProjectTable& table, const ProjectRecord& record);

// A project as the editor opened it, with the numbers the file held then:
// a save compares the file with it.
struct OpenedProject {
  ProjectRecord Record;
  std::vector<std::string> NumbersThen;
};
OpenedProject OpenProject(const ProjectTable& table, size_t row);

// As FindRecord, and also finds the project under a number it was given
// since: a record alike in all but a number that the file did not hold then.
ProjectPlace FindProject(const ProjectTable& table, const OpenedProject& opened);

// What a save found another copy had done to the project the editor opened:
// the user decides whether the editor's version goes over it.
struct OtherCopyChange {
  ProjectChange Change = ProjectChange::None;
  std::string Number;     // as the editor opened it
  std::string NewNumber;  // the number the other copy gave it
};
std::string OtherCopyQuestion(const OtherCopyChange& change);

}  // namespace ovalto
