// The in-place editors of the parameter grid by name and by the input kind
// of the variable they edit. cbWI and bbGetKT edit no input kind (0).
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "state/grid_model.h"

namespace ovalto {

struct InputEditor {
  std::string_view Name;
  int InputKind;
  EditorState GridModel::*Editor;
};

inline constexpr std::array<InputEditor, 12> kInputEditors = {{
    {"cbZN", 10, &GridModel::cbZN},
    {"cbMS", 11, &GridModel::cbMS},
    {"cbVD", 12, &GridModel::cbVD},
    {"cbTS", 13, &GridModel::cbTS},
    {"cbVV", 21, &GridModel::cbVV},
    {"cbGW", 22, &GridModel::cbGW},
    {"cbRG", 31, &GridModel::cbRG},
    {"cbNP", 32, &GridModel::cbNP},
    {"cbTI", 41, &GridModel::cbTI},
    {"cbTP", 51, &GridModel::cbTP},
    {"cbWI", 0, &GridModel::cbWI},
    {"bbGetKT", 0, &GridModel::bbGetKT},
}};

// Null when no editor edits that input kind.
EditorState* EditorOfInputKind(GridModel& grid, int inputKind);
// 0 for cbWI, bbGetKT and anything that is not an editor of the grid.
int InputKindOfEditor(const GridModel& grid, const EditorState* editor);

// Selects the item at that index and shows its text; an index outside the
// list selects nothing and empties the text.
void SelectItem(EditorState& editor, int index);
// Replaces the editor's items with these texts. The lists are offered
// again on every row the user leaves: the texts' storage is reused.
void AssignItems(EditorState& editor, std::span<const std::string_view> items);

// Selects the item with that text, or the first item when no item has it.
void SelectTextOrFirst(EditorState& editor, const std::string& text);

}  // namespace ovalto
