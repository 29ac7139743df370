// The parameter grid and its in-place editors as plain data. The window's
// widgets show this model; the variable table, the grid rules and the engine
// read and write it, so all of them run and are tested without widgets.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ovalto {

// One in-place combo box of the grid (or the coefficient button).
struct EditorState {
  std::vector<std::string> Items;
  int ItemIndex = -1;  // -1: nothing selected
  std::string Text;    // what the edit part shows
  bool Visible = false;
  bool HasList = true;  // false: a plain edit field (pipe material "Другой")
  int Top = 0;          // vertical place in pixels, relative to the grid's top
  int Tag = 0;

  // Selects the item equal to text (exactly), or nothing; returns the index.
  int SelectText(const std::string& text);
  const std::string& SelectedText() const;
};

struct GridModel {
  static constexpr int kRowHeight = 20;  // default row height 19 plus the grid line

  std::vector<std::string> Captions;  // column 0
  std::vector<std::string> Values;    // column 1
  int CurrentRow = 0;
  // The row the user last left; 0 right after the grid is built. Unforced
  // writes of the variable table and derivations stop above it.
  int Tag = 0;

  EditorState cbZN, cbMS, cbVD, cbTS, cbVV, cbGW, cbRG, cbNP, cbTI, cbTP, cbWI;
  EditorState bbGetKT;  // Tag above 0: the chosen outer coefficient is locked
  std::vector<EditorState> GroupCaptions = std::vector<EditorState>(7);  // Txt1..Txt7

  // Called after a cell changed, so a view can repaint.
  std::function<void(int row)> CellChanged;

  int RowCount() const { return static_cast<int>(Values.size()); }
  // Hides every in-place editor, the coefficient button and the group captions.
  void HideInputEditors();
  void Resize(int rows);
  void SetCell(int row, const std::string& text);
};

}  // namespace ovalto
