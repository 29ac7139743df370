// State of the calculation screen that the kind picker, the grid rules and
// the engine share: the fields the main window keeps for a calculation and
// the tags of its components that carry state, free of widgets.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "state/action_messages.h"
#include "state/grid_model.h"
#include "state/variable_table.h"

namespace ovalto {

class SchemeEngine;

// One kind label of the system pages.
struct KindLabelState {
  int Tag = -1;         // -1 selectable, -2 the chosen kind
  bool Bold = false;    // under the mouse, or chosen
  bool Enabled = true;  // sizing an object enables only the kinds that fit it
};

constexpr int kCalcKindCount = 54;

struct CalcSession {
  explicit CalcSession(MessageBoxes& desktop) : Messages(desktop), Variables(Grid, Messages) {}
  CalcSession(const CalcSession&) = delete;
  CalcSession& operator=(const CalcSession&) = delete;

  ActionMessages Messages;  // the desktop's boxes, one an action of the user
  GridModel Grid;
  VariableTable Variables;

  int CalcKindCode = 0;        // the chosen kind (5 digits); 0 none
  int HoveredKindCode = 0;     // the kind whose label is under the mouse; 0 none
  int CalcSchemeCode = 0;      // the engine scheme of the chosen kind
  std::string VariableList;    // comma list of the shown variables
  std::string SoughtVariable;  // the result variable of the chosen kind
  std::string CalcKindName;    // full name of the chosen kind, for the report

  int PageTag = 1;  // the shown system page: 1 heating .. 4 process
  int CalkTag = 0;  // 1 while a calculation run steps through the grid

  SchemeEngine* Engine = nullptr;                         // set once by the window; the grid derives inputs through it
  int ObjectKind = 0;                                     // kind of the project object being sized (10..13); 0 none
  int CbarTag = 0;                                        // the kind whose first run stepped through every row; 0 none
  std::string KindCaption;                                // the chosen kind's name as the chart panel shows it
  bool CalkEnabled = false;                               // "Расчет" is offered only while the grid has rows
  std::array<KindLabelState, kCalcKindCount> KindLabels;  // in the order of CalcKinds()

  // The input check runs on every row the user leaves and mostly finds the
  // texts as it read them before: the last text of each variable and the
  // number it held.
  struct ReadNumber {
    std::string Text;
    std::optional<double> Number;
  };
  std::array<ReadNumber, kVariableCount> ReadNumbers;

  // The in-place editor of the grid that has the keyboard focus; null while
  // the grid itself or any other control has it.
  const EditorState* FocusedEditor = nullptr;
  // Asks the window to move the focus to that editor (null: to the grid).
  std::function<void(const EditorState* editor)> FocusRequested;
};

}  // namespace ovalto
