// The parts that both printed forms share: the signatures of changes and the
// small title block of every sheet after the first.
#pragma once

#include <vector>

#include "workbook/form_description.h"

namespace ovalto {

// "Изм.", "Лист", "№ докум.", "Подп.", "Дата" on one row, one per field
// between the bounds (each field's first column, then one past the last):
// the columns of a drawing's main inscription. Under them, the rows of the
// first sheet's title block hold the role ("Разраб.") under "Изм." and
// "Лист", the surname under "№ докум.", then the signature and the date.
std::vector<FormText> ChangeHeadings(int row, const std::vector<int>& bounds);

// A later sheet: the headings over the body, rows 43 to 46 for the title
// block with the changes left of the project's name and the sheet's number
// in the last column.
SheetLayout LaterSheetLayout(std::vector<FormText> headings, int headingsRow, FormTable body,
                             const std::vector<int>& changeBounds, int lastColumn);

}  // namespace ovalto
