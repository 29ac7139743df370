// The materials schedule's form: the column headings of a schedule of
// materials, the large title block on its first sheet and the small one on
// the others.
#include "workbook/form_description.h"
#include "workbook/form_title_block.h"

namespace ovalto {
namespace {

constexpr int kLastColumn = 16;
constexpr int kLastRow = 46;

std::vector<FormText> Headings() {
  return {
      {1, 1, "Поз.", 3, 1},
      {1, 2, "Наименование и техническая характеристика", 3, 2},
      {1, 3, "Завод-\nизготовитель", 3, 5},
      {1, 6, "Тип, марка, обозначение,\nдокумента", 3, 9},
      {1, 10, "Ед. изм.", 3, 10},
      {1, 11, "Колич.", 3, 11},
      {1, 12, "Масса\nед., кг", 3, 13},
      {1, 14, "Примечания", 3, 16},
      {4, 1, "1"},
      {4, 2, "2"},
      {4, 3, "3", 4, 5},
      {4, 6, "4", 4, 9},
      {4, 10, "5"},
      {4, 11, "6"},
      {4, 12, "7", 4, 13},
      {4, 14, "8", 4, 16},
  };
}

// One box per position, two rows high, under the headings' columns.
FormTable Body(int lastRow) { return {5, lastRow, {1, 2, 3, 6, 10, 11, 12, 14, 17}, 2}; }

// Изм. | Лист | № докум. | Подп. | Дата, left of the project's fields.
const std::vector<int> kChangeBounds = {1, 2, 5, 6, 7, 8};

SheetLayout FirstSheet() {
  std::vector<FormText> texts = Headings();
  for (FormText& text : ChangeHeadings(41, kChangeBounds)) texts.push_back(std::move(text));
  const std::vector<FormText> titleBlock = {
      {42, 1, "Разраб.", 42, 4, 8, CellAlign::Left},
      {43, 1, "Пров.", 43, 4, 8, CellAlign::Left},
      {44, 1, "Н.контр.", 44, 4, 8, CellAlign::Left},
      {45, 1, "Утв.", 45, 4, 8, CellAlign::Left},
      {42, 5, "", 0, 0, 8, CellAlign::Left},              // the developer's surname
      {37, 8, "", 38, 16, 12, CellAlign::Center, false},  // the project's number
      {39, 8, "", 43, 12, 10},                            // the project's name
      {39, 13, "", 41, 16},
      {42, 13, "Стадия", 42, 14},
      {42, 15, "Лист"},
      {42, 16, "Листов"},
      {43, 13, "", 43, 14},
      {43, 15, ""},
      {43, 16, ""},              // the number of sheets
      {44, 8, "", 46, 11, 12},   // the document's name
      {44, 12, "", 46, 16, 10},  // the company
  };
  texts.insert(texts.end(), titleBlock.begin(), titleBlock.end());
  return {.Texts = std::move(texts),
          .Tables = {Body(34), {35, 40, kChangeBounds, 1, true}, {42, 46, {1, 5, 6, 7, 8}, 1, true}},
          .Frames = {{1, 1, 34, kLastColumn},
                     {35, 1, kLastRow, kLastColumn},
                     {35, 8, 38, kLastColumn},
                     {35, 1, kLastRow, 7}},
          .BodyFirstRow = 5,
          .BodyLastRow = 34,
          .SheetNumberRow = 43,
          .SheetNumberColumn = 15};
}

FormDescription MakeForm() {
  return {.Name = "SpecDot",
          .SheetPrefix = "Лист",
          .LastRow = kLastRow,
          .LastColumn = kLastColumn,
          .ColumnWidths = {6, 40, 7, 3, 14, 12, 9, 8, 6, 7, 9, 6, 6, 6, 6, 8},
          .RowHeight = 15,
          .FontName = "Arial",
          .FontSize = 9,
          .FirstSheet = FirstSheet(),
          .LaterSheets = LaterSheetLayout(Headings(), 1, Body(0), kChangeBounds, kLastColumn),
          .Fields = {{1, 1, CellAlign::Center},
                     {2, 2, CellAlign::Left, true},
                     {3, 5, CellAlign::Left, true},
                     {6, 9, CellAlign::Left, true},
                     {10, 10, CellAlign::Center},
                     {11, 11, CellAlign::Center}}};
}

}  // namespace

const FormDescription& SpecDotForm() {
  static const FormDescription form = MakeForm();
  return form;
}

}  // namespace ovalto
