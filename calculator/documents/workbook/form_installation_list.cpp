// The installation list's form: the column headings of the list, the large
// title block on its first sheet and the small one on the others.
#include "workbook/form_description.h"
#include "workbook/form_title_block.h"

namespace ovalto {
namespace {

constexpr int kLastColumn = 19;
constexpr int kLastRow = 46;

std::vector<FormText> Headings() {
  return {
      {2, 1, "Изолируемые оборудование, трубопровод", 3, 7},
      {2, 8, "Теплоизоляционная конструкция", 3, 18},
      {2, 19, "Приме-\nчание", 5, 19},
      {4, 1, "Наименование", 5, 2},
      {4, 3, "Диаметр, ширина, мм", 5, 3},
      {4, 4, "Длина, м", 5, 4},
      {4, 5, "Коли-\nчество", 5, 5},
      {4, 6, "Темпера-\nтура, °С", 5, 6},
      {4, 7, "Назна-\nчение", 5, 7},
      {4, 8, "Наименование и марка материала", 5, 10},
      {4, 11, "Толщина слоя, мм", 4, 12},
      {5, 11, "осн."},
      {5, 12, "покр."},
      {4, 13, "Ед.\nизм.", 5, 13},
      {4, 14, "Коли-\nчество", 5, 14},
      {4, 15, "Обозначение", 5, 18},
      {6, 1, "1", 6, 2},
      {6, 3, "2"},
      {6, 4, "3"},
      {6, 5, "4"},
      {6, 6, "5"},
      {6, 7, "6"},
      {6, 8, "7", 6, 10},
      {6, 11, "8"},
      {6, 12, "9"},
      {6, 13, "10"},
      {6, 14, "11"},
      {6, 15, "12", 6, 18},
      {6, 19, "13"},
  };
}

// Body columns as the headings divide them.
FormTable Body(int lastRow) { return {7, lastRow, {1, 3, 4, 5, 6, 7, 8, 11, 12, 13, 14, 15, 19, 20}, 0}; }

// Изм. | Лист | № докум. | Подп. | Дата, left of the project's fields.
const std::vector<int> kChangeBounds = {1, 2, 7, 9, 10, 11};

SheetLayout FirstSheet() {
  std::vector<FormText> texts = Headings();
  for (FormText& text : ChangeHeadings(42, kChangeBounds)) texts.push_back(std::move(text));
  const std::vector<FormText> titleBlock = {
      {43, 1, "Разраб.", 43, 6, 8, CellAlign::Left},
      {44, 1, "Пров.", 44, 6, 8, CellAlign::Left},
      {45, 1, "Н.контр.", 45, 6, 8, CellAlign::Left},
      {46, 1, "Утв.", 46, 6, 8, CellAlign::Left},
      {43, 7, "", 43, 8, 8, CellAlign::Left},              // the developer's surname
      {38, 11, "", 39, 19, 12, CellAlign::Center, false},  // the project's number
      {40, 11, "", 44, 15, 10},                            // the project's name
      {40, 16, "", 42, 19},
      {43, 16, "Стадия", 43, 17},
      {43, 18, "Лист"},
      {43, 19, "Листов"},
      {44, 16, "", 44, 17},
      {44, 18, ""},
      {44, 19, ""},              // the number of sheets
      {45, 11, "", 46, 14, 12},  // the document's name
      {45, 15, "", 46, 19, 10},  // the company
  };
  texts.insert(texts.end(), titleBlock.begin(), titleBlock.end());
  return {.Texts = std::move(texts),
          .Tables = {Body(36), {37, 41, kChangeBounds, 1, true}, {43, 46, {1, 7, 9, 10, 11}, 1, true}},
          .Frames = {{2, 1, 36, kLastColumn},
                     {37, 1, kLastRow, kLastColumn},
                     {37, 11, 39, kLastColumn},
                     {37, 1, kLastRow, 10}},
          .BodyFirstRow = 7,
          .BodyLastRow = 36,
          .SheetNumberRow = 44,
          .SheetNumberColumn = 18};
}

FormDescription MakeForm() {
  return {.Name = "MontDot",
          .SheetPrefix = "Лист",
          .LastRow = kLastRow,
          .LastColumn = kLastColumn,
          .ColumnWidths = {4, 29, 8, 8, 6, 8, 7, 12, 12, 10, 7, 7, 6, 9, 8, 6, 6, 6, 10},
          .RowHeight = 15,
          .FontName = "Arial",
          .FontSize = 9,
          .FirstSheet = FirstSheet(),
          .LaterSheets = LaterSheetLayout(Headings(), 2, Body(0), kChangeBounds, kLastColumn),
          .Fields = {{2, 2, CellAlign::Left, true},
                     {3, 3, CellAlign::Center},
                     {4, 4, CellAlign::Center},
                     {5, 5, CellAlign::Center},
                     {6, 6, CellAlign::Center},
                     {7, 7, CellAlign::Center},
                     {8, 10, CellAlign::Left, true},
                     {11, 11, CellAlign::Center},
                     {12, 12, CellAlign::Center},
                     {13, 13, CellAlign::Center},
                     {14, 14, CellAlign::Center},
                     {15, 18, CellAlign::Center}}};
}

}  // namespace

const FormDescription& MontDotForm() {
  static const FormDescription form = MakeForm();
  return form;
}

}  // namespace ovalto
