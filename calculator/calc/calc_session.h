// State of the calculation screen that the kind picker, the grid rules and
// the engine share: the fields the main window keeps for a calculation and
// the tags of its components that carry state, free of widgets.
#pragma once

#include <string>

#include "grid_model.h"
#include "message_box.h"
#include "variable_table.h"

namespace ovalto {

struct CalcSession {
  explicit CalcSession(MessageBoxes& messages) : Messages(messages), Variables(Grid, messages) {}
  CalcSession(const CalcSession&) = delete;
  CalcSession& operator=(const CalcSession&) = delete;

  MessageBoxes& Messages;
  GridModel Grid;
  VariableTable Variables;

  int CalcKindCode = 0;       // the chosen kind (5 digits); 0 none
  int HoveredKindCode = 0;    // the kind whose label is under the mouse; 0 none
  int CalcSchemeCode = 0;     // the engine scheme of the chosen kind
  std::string VariableList;   // comma list of the shown variables
  std::string SoughtVariable; // the result variable of the chosen kind
  std::string CalcKindName;   // full name of the chosen kind, for the report

  int PageTag = 1;            // the shown system page: 1 heating .. 4 process
  int CalkTag = 0;            // 1 while a calculation run steps through the grid
};

}  // namespace ovalto
