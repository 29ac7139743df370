// A small project for the documents' tests, with the rows the bill of
// materials gives for it.
#pragma once

#include <string>
#include <vector>

#include "materials/material_row.h"
#include "tree_builder.h"

namespace ovalto::testing {

// Pipelines of 57 mm under 13 mm of KALDERON Vardo in one heating system,
// each with its substance's temperature as a sizing writes it.
struct SampleProject {
  std::vector<FlatTreeNode> Tree;
  std::vector<int> Objects;  // their nodes
};

inline SampleProject SampleTree(int pipelines = 1, const std::string& temperature = "95") {
  TreeBuilder builder;
  builder.System("Отопление Т1");
  SampleProject project;
  for (int i = 1; i <= pipelines; ++i) {
    builder.Object({.Name = "Трубопровод " + std::to_string(i), .LengthM = 12.5, .ThicknessMm = 13})
        .Line("Температура вещества = " + temperature + " °C", 14);
    project.Objects.push_back(builder.LastObject());
  }
  project.Tree = builder.Nodes();
  return project;
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
