// A small project for the documents' tests: one heating system with a
// pipeline of 57 mm under 13 mm of KALDERON Vardo, as the tree holds it.
#pragma once

#include <string>
#include <vector>

#include "material_row.h"
#include "tree_node.h"

namespace ovalto::testing {

// The tree lines of a pipeline as the calculation writes them.
inline std::vector<FlatTreeNode> PipelineNodes(const std::string& name, const std::string& length,
                                               const std::string& temperature = "95") {
  return {{2, 10, name},
          {3, 14, "Диаметр = 57 мм"},
          {3, 14, "Длина = " + length + " м"},
          {3, 14, "Тип изоляции : \"KALDERON Vardo\""},
          {3, 14, "Тип покрытия : \"Без покрытия\""},
          {3, 14, "Толщина изоляции = 13 мм"},
          {3, 14, "Назначение и расположение : \"ЭЭ О\""},
          {3, 14, "Температура вещества = " + temperature + " °C"}};
}

inline std::vector<FlatTreeNode> SampleTree(int pipelines = 1) {
  std::vector<FlatTreeNode> tree = {{0, 0, "СИСТЕМЫ"}, {1, 9, "Отопление Т1"}};
  for (int i = 1; i <= pipelines; ++i) {
    const auto nodes = PipelineNodes("Трубопровод " + std::to_string(i), "12,5");
    tree.insert(tree.end(), nodes.begin(), nodes.end());
  }
  return tree;
}

// Rows of one object at `node`, as the bill of materials would give them.
inline std::vector<MaterialRow> InsulationRows(int node) {
  MaterialRow tube;
  tube.GroupLabel = "Изделие теплоизоляционное из вспененного полиэтилена";
  tube.MakerLine = "KALDERON\nCTO 31862740-002-2009";
  tube.Name = "Трубка KALDERON Vardo 57/13-2";
  tube.ThicknessMm = 13;
  tube.Quantity = 12.5;
  tube.Unit = "м";
  tube.NodeIndex = node;
  tube.SizeMm = 57;
  tube.LengthM = 12.5;
  tube.DrawingCode = "5.904.9-78.08.0-01";
  MaterialRow glue;
  glue.Name = "Клей \"KALDERON\"";
  glue.MakerLine = "KALDERON";
  glue.Quantity = 0.354;
  glue.Unit = "л";
  glue.NodeIndex = node;
  return {tube, glue};
}

}  // namespace ovalto::testing
