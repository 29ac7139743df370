// The bill of materials: turns a project tree into material rows drawn from
// the built-in catalogues. This is the one entry that the documents, the
// tests and the benchmark drive.
#pragma once

#include <string>
#include <vector>

#include "catalogues/catalogues.h"
#include "materials/material_row.h"
#include "materials/tree_node.h"

namespace ovalto {

struct BillOfMaterials {
  std::vector<MaterialRow> Rows;
  // Set when the build could not finish (a number in a line does not read,
  // too many rows); the text names the object and is shown to the user as
  // an error. Rows is then empty and no document is made.
  std::string Error;
  // Objects built without some of their materials (no product of the line
  // reaches the thickness); shown to the user as a warning, the rows stay.
  std::vector<std::string> Warnings;
};

BillOfMaterials BuildMaterialList(const std::vector<FlatTreeNode>& tree, const Catalogues& catalogues,
                                  DocumentKind kind);

}  // namespace ovalto
