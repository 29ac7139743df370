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

// How many things of one kind a document has, and how many of them it wrote.
struct WrittenCount {
  int Written = 0;
  int Total = 0;
  bool Complete() const { return Written == Total; }
};

struct FilledWorkbook {
  WorkbookModel Model;
  int SheetsUsed = 0;
  // The form holds ten sheets; lines past them are left out, and the user is
  // told which of these did not make it. Only the installation list has
  // lines of systems and objects.
  WrittenCount Systems;
  WrittenCount Objects;
  WrittenCount Positions;  // material rows
  bool LeftOut() const { return !Systems.Complete() || !Objects.Complete() || !Positions.Complete(); }
};

inline constexpr int kDocumentSheetLimit = 10;

// Rows as the bill of materials gave them (litres already raised to 0,01);
// the tree is the one they were built from.
FilledWorkbook FillInstallationList(const std::vector<MaterialRow>& rows, const std::vector<FlatTreeNode>& tree,
                                    const DocumentTitle& title);
FilledWorkbook FillMaterialSchedule(const std::vector<MaterialRow>& rows, const DocumentTitle& title);

}  // namespace ovalto
