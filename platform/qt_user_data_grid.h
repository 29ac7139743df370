// The grid in which the user types their data, in the calculator's report dialog and on the
// installer's last page: a fixed column of captions, which takes no input, beside the values.
// Arriving in a value opens its editor, so the grid always shows one; Tab and Shift+Tab go from
// one value to the next and pass over the captions.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "user_data.h"

class QTableWidget;

namespace ovalto {

// One row a field, its caption shown and its value empty.
void SetUpUserDataGrid(QTableWidget& grid, std::span<const UserDataField> fields, int rowHeight);

// The values, one a row. A text still open in the editor is handed to its cell first: the
// buttons that end the page take no focus, so nothing else would close the editor.
std::vector<std::string> TakeUserDataValues(QTableWidget& grid);

}  // namespace ovalto
