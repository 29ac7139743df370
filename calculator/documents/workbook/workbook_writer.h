// The one writer of the documents' files: lays a document's workbook model
// over its printed form and writes the sheets through a spreadsheet output.
#pragma once

#include <string>
#include <vector>

#include "spreadsheet_output.h"
#include "workbook/form_description.h"
#include "workbook/workbook_model.h"

namespace ovalto {

enum class WorkbookWriteOutcome { Written, FormUnusable, FileFailed };

struct WorkbookWriteResult {
  WorkbookWriteOutcome Outcome = WorkbookWriteOutcome::Written;
  std::string FileFailure;  // why the file failed, in Russian
};

WorkbookWriteResult WriteWorkbook(const FormDescription& form, const WorkbookModel& model, SpreadsheetOutput& output,
                                  const std::string& path);

// The merged ranges of a sheet's form: its merged texts and the merged fields
// of its tables, each once.
std::vector<MergedRange> FormMerges(const SheetLayout& layout);

}  // namespace ovalto
