#include "state/grid_model.h"

namespace ovalto {

int EditorState::SelectText(const std::string& text) {
  ItemIndex = -1;
  for (std::size_t i = 0; i < Items.size(); ++i) {
    if (Items[i] == text) {
      ItemIndex = static_cast<int>(i);
      break;
    }
  }
  Text = ItemIndex >= 0 ? Items[static_cast<std::size_t>(ItemIndex)] : std::string();
  return ItemIndex;
}

const std::string& EditorState::SelectedText() const {
  static const std::string kNone;
  if (ItemIndex < 0 || ItemIndex >= static_cast<int>(Items.size())) return kNone;
  return Items[static_cast<std::size_t>(ItemIndex)];
}

void GridModel::HideInputEditors() {
  for (EditorState* editor : {&cbZN, &cbMS, &cbVD, &cbVV, &cbTS, &cbTI, &cbTP, &cbWI, &cbRG, &cbNP, &cbGW, &bbGetKT}) {
    editor->Visible = false;
  }
  for (EditorState& caption : GroupCaptions) caption.Visible = false;
}

void GridModel::Resize(int rows) {
  Captions.assign(static_cast<std::size_t>(rows), std::string());
  Values.assign(static_cast<std::size_t>(rows), std::string());
}

void GridModel::SetCell(int row, const std::string& text) {
  if (row < 0 || row >= RowCount()) return;
  Values[static_cast<std::size_t>(row)] = text;
  if (CellChanged) CellChanged(row);
}

}  // namespace ovalto
