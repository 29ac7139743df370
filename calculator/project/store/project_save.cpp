#include "store/project_save.h"

#include <algorithm>

#include "cp1251.h"
#include "tree/field_text.h"
#include "tree/tree_text.h"

namespace ovalto {

namespace {

std::string CleanField(const std::string& typed) { return TrimBlanks(StorableText(typed)); }

bool SameButNumber(const ProjectRecord& a, const ProjectRecord& b) {
  return a.DateText == b.DateText && a.ProjectName == b.ProjectName && a.Developer == b.Developer && a.Note == b.Note &&
         a.TreeText == b.TreeText;
}

}  // namespace

std::optional<FormError> CheckProjectForm(ProjectForm& form, const ProjectTable& table, std::optional<size_t> openRow) {
  form.Number = CleanField(form.Number);
  if (form.Number.empty()) return FormError{"Укажите уникальный номер проекта !", FormField::Number};
  const std::string number = CutToLength(form.Number, kNumberLength);
  const std::string openNumber = openRow ? table[*openRow].Number : std::string();
  if (number != openNumber) {
    for (const ProjectRecord& record : table) {
      if (record.Number == number) return FormError{"Укажите уникальный номер проекта !", FormField::Number};
    }
  }
  form.Developer = CleanField(form.Developer);
  if (form.Developer.empty()) return FormError{"Укажите разработчика !", FormField::None};
  form.ProjectName = CleanField(form.ProjectName);
  if (form.ProjectName.empty()) return FormError{"Укажите наименование !", FormField::None};
  if (!form.Date) return FormError{"Укажите корректную дату !", FormField::None};
  return std::nullopt;
}

size_t StoreProject(ProjectTable& table, std::optional<size_t> openRow, const ProjectForm& form) {
  const size_t row = openRow ? *openRow : table.size();
  if (row == table.size()) table.emplace_back();
  table[row] = {CutToLength(form.Number, kNumberLength),
                FormatDateText(*form.Date),
                form.ProjectName,
                CutToLength(form.Developer, kDeveloperLength),
                NoteOf(form.NoteLines),
                Cp1251ToUtf8(Utf8ToCp1251(form.TreeText))};
  return row;
}

std::vector<std::string> NoteLinesOf(const std::string& note) { return SplitAtPilcrows(note); }

std::string NoteOf(const std::vector<std::string>& lines) {
  std::string note;
  for (const std::string& line : lines) {
    note += StorableText(line);
    note += kPilcrow;
  }
  return note;
}

std::string MemoTextOf(const std::string& note) {
  std::string text;
  for (const std::string& line : NoteLinesOf(note)) text.append(line).append("\n");
  return text;
}

std::vector<std::string> MemoLines(const std::string& memoText) { return SplitPieces(memoText, "\n"); }

std::string DeleteProjectQuestion(const std::string& number) { return "Удалить проект \"" + number + "\" ?"; }

ProjectPlace FindRecord(const ProjectTable& table, const ProjectRecord& record) {
  // A file edited elsewhere may hold a number twice: the whole record tells
  // the rows apart.
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i] == record) return {ProjectChange::None, i};
  }
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].Number == record.Number) return {ProjectChange::Changed, i};
  }
  return {ProjectChange::Deleted, std::nullopt};
}

OpenedProject OpenProject(const ProjectTable& table, size_t row) {
  OpenedProject opened{table.at(row), {}};
  for (const ProjectRecord& record : table) opened.NumbersThen.push_back(record.Number);
  return opened;
}

ProjectPlace FindProject(const ProjectTable& table, const OpenedProject& opened) {
  const ProjectPlace place = FindRecord(table, opened.Record);
  if (place.Change == ProjectChange::None) return place;
  // Looked for before the old number, which another project may have taken
  // since; a new number keeps projects alike but for it from being taken for
  // one another.
  const auto isNew = [&](const std::string& number) {
    return std::find(opened.NumbersThen.begin(), opened.NumbersThen.end(), number) == opened.NumbersThen.end();
  };
  for (size_t i = 0; i < table.size(); ++i) {
    if (isNew(table[i].Number) && SameButNumber(table[i], opened.Record)) return {ProjectChange::Renumbered, i};
  }
  return place;
}

std::string OtherCopyQuestion(const OtherCopyChange& change) {
  const bool deleted = change.Change == ProjectChange::Deleted;
  const std::string done = deleted                                      ? "удалён"
                           : change.Change == ProjectChange::Renumbered ? "получил номер \"" + change.NewNumber + "\""
                                                                        : "изменён";
  return "Проект \"" + change.Number + "\" " + done +
         " в другой копии программы после того, как был открыт здесь.\r\r" +
         (deleted ? "Записать его снова из этого редактора ?" : "Записать поверх него проект из этого редактора ?") +
         "\r\rДа — записать проект из этого редактора;\rНет — " +
         (deleted ? "оставить проект удалённым" : "оставить проект, сохранённый другой копией") +
         ", а изменения этого редактора не записывать.";
}

}  // namespace ovalto
