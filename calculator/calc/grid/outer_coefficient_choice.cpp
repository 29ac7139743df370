#include "grid/outer_coefficient_choice.h"

namespace ovalto {

const std::array<CoefficientCell, 10> CoefficientCells = {{
    {"pnC2", 0, 0, 7},
    {"pnC3", 0, 1, 10},
    {"pnC4", 0, 2, 20},
    {"pnC5", 0, 3, 26},
    {"pn6", 0, 4, 35},
    {"pnD2", 1, 0, 8},
    {"pnD3", 1, 1, 12},
    {"pnD4", 1, 2, 26},
    {"pnD5", 1, 3, 35},
    {"pnD6", 1, 4, 52},
}};

const std::array<CoefficientCaption, 10> CoefficientCaptions = {{
    {"LU11", "\r\rИзолированный\rобъект"},
    {"LU21", "В закрытом помещении"},
    {"LU22", "Покрытия\rс малым\rкоэффи-циентом\rизлучения"},
    {"LU23", "Покрытия\rс высоким\rкоэффициентом\rизлучения"},
    {"LU31", "На открытом воздухе\rпри скорости ветра, м/с"},
    {"pnU31", "5"},
    {"pnU32", "10"},
    {"pnU33", "15"},
    {"LC11", "Горизонтальные\rтрубопроводы"},
    {"LD11", "Вертикальные\rтрубопроводы,\rоборудование,\rплоская стенка"},
}};

bool TakeChosenCoefficient(VariableTable& variables, double chosenCoefficient) {
  if (!(chosenCoefficient > 0)) return false;
  GridModel& grid = variables.Grid();
  const int row = variables.VariableRow("An");
  if (row > 0) grid.CurrentRow = row;
  // The lock would refuse this very write, so it is lifted around it.
  grid.bbGetKT.Tag = 0;
  variables.SetVariable("An", "!", chosenCoefficient);
  grid.bbGetKT.Tag = 1;
  return true;
}

}  // namespace ovalto
