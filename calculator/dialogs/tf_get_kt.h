// The dialog with the design code's table of outer heat-transfer
// coefficients; a click on a value takes it and closes the dialog.
#pragma once

#include <QDialog>

#include "grid/outer_coefficient_choice.h"

namespace ovalto {

class TfGetKT : public QDialog {
 public:
  explicit TfGetKT(QWidget* parent = nullptr);

  // The value clicked, or kNoCoefficientChosen when the dialog was closed.
  double ChosenCoefficient = kNoCoefficientChosen;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Choose(double value);
};

// The coefficient button of the grid: shows the dialog modally and, when a
// value was chosen, writes it into "An", locks it and focuses the grid.
void bbGetKTClick(QWidget* window, VariableTable& variables, QWidget* grid);

}  // namespace ovalto
