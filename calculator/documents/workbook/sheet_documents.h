// The two documents' cells, from the bill of materials: what the program
// writes into the sheets of the installation list and of the materials schedule,
// as a workbook model that the writer lays over the printed form.
#pragma once

#include <string>
#include <vector>

#include "materials/material_row.h"
#include "materials/tree_node.h"
#include "workbook/sheet_pager.h"
#include "workbook/workbook_model.h"

namespace ovalto {

struct FilledWorkbook {
  WorkbookModel Model;
  int SheetsUsed = 0;
  // The form holds ten sheets; lines past them are left out, and the user is
  // told how many of the positions (material rows) made it.
  bool LeftOut = false;
  int PositionsWritten = 0;
  int Positions = 0;
};

inline constexpr int kDocumentSheetLimit = 10;

// Rows as the bill of materials gave them (litres already raised to 0,01);
// the tree is the one they were built from.
FilledWorkbook FillInstallationList(const std::vector<MaterialRow>& rows, const std::vector<FlatTreeNode>& tree,
                                    const DocumentTitle& title);
FilledWorkbook FillMaterialSchedule(const std::vector<MaterialRow>& rows, const DocumentTitle& title);

}  // namespace ovalto
