// The table of outer heat-transfer coefficients of the design code
// (СП 41-103-2000) from which the user may take "An" instead of having it
// derived, and what taking one does to the variable table.
#pragma once

#include <array>
#include <string_view>

#include "state/variable_table.h"

namespace ovalto {

// One clickable value of the table: the panel's name, its place and value.
struct CoefficientCell {
  std::string_view Name;
  int Row;       // 0 horizontal pipelines; 1 vertical pipelines, equipment, flat wall
  int Column;    // 0, 1 indoors (low, high emission); 2, 3, 4 outdoors at wind 5, 10, 15 m/s
  double Value;  // W/(m2*K)
};

// A caption of the table; lines are separated by a carriage return.
struct CoefficientCaption {
  std::string_view Name;
  std::string_view Text;
};

extern const std::array<CoefficientCell, 10> CoefficientCells;
extern const std::array<CoefficientCaption, 10> CoefficientCaptions;

inline constexpr std::string_view kCoefficientDialogCaption = "Выбор коэффициента теплоотдачи, Вт/(м2*С)";

// What the dialog returns when it was closed without a choice.
inline constexpr double kNoCoefficientChosen = -1;

// Writes a coefficient the user chose into "An", moves the grid to its row and
// locks it against derivation until the next run or kind choice. A value of 0
// or below (nothing chosen) changes nothing. Returns whether it was taken, so
// the window can give the grid the focus.
bool TakeChosenCoefficient(VariableTable& variables, double chosenCoefficient);

}  // namespace ovalto
