#include "store/project_save.h"

#include "cp1251.h"
#include "tree/field_text.h"
#include "tree/tree_text.h"

namespace ovalto {

namespace {

std::string CleanField(const std::string& typed) { return TrimBlanks(StorableText(typed)); }

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

}  // namespace ovalto
