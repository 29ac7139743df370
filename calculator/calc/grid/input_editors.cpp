#include "grid/input_editors.h"

namespace ovalto {

EditorState* EditorOfInputKind(GridModel& grid, int inputKind) {
  if (inputKind <= 0) return nullptr;
  for (const InputEditor& editor : kInputEditors) {
    if (editor.InputKind == inputKind) return &(grid.*editor.Editor);
  }
  return nullptr;
}

int InputKindOfEditor(const GridModel& grid, const EditorState* editor) {
  for (const InputEditor& candidate : kInputEditors) {
    if (&(grid.*candidate.Editor) == editor) return candidate.InputKind;
  }
  return 0;
}

void SelectItem(EditorState& editor, int index) {
  editor.ItemIndex = index >= 0 && index < static_cast<int>(editor.Items.size()) ? index : -1;
  editor.Text = editor.SelectedText();
}

void AssignItems(EditorState& editor, std::span<const std::string_view> items) {
  editor.Items.resize(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) editor.Items[i].assign(items[i]);
}

void SelectTextOrFirst(EditorState& editor, const std::string& text) {
  if (editor.SelectText(text) < 0) SelectItem(editor, 0);
}

}  // namespace ovalto
