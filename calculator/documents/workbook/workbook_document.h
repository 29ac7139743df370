// The documents' one entry, as the project editor's "Ведомость" and
// "Специфи..." run it: checks the project number, builds the bill of
// materials, fills the document's sheets, writes the workbook into the
// program's folder and hands it to the desktop. Tests and the benchmark
// drive it whole.
#pragma once

#include <string>
#include <vector>

#include "catalogues/catalogues.h"
#include "message_box.h"
#include "shell.h"
#include "spreadsheet_output.h"
#include "tree/project_tree.h"
#include "user_data.h"
#include "workbook/sheet_documents.h"

namespace ovalto {

struct DocumentRequest {
  DocumentKind Kind = DocumentKind::InstallationList;
  std::string NumberText;                  // the number field as typed
  std::string CurrentProjectNumber;        // "" for a new project
  std::vector<std::string> StoredNumbers;  // of every stored project
  std::string ProjectName;
  std::string Developer;
  std::vector<FlatTreeNode> Tree;  // the editor's tree, saved or not
  std::string ProgramFolder;       // with a trailing separator
};

struct DocumentServices {
  MessageBoxes& Messages;
  Shell& Desktop;
  UserDataStore& UserData;
  SpreadsheetOutput& Output;
};

enum class DocumentOutcome { NumberRefused, BuildFailed, NoRows, FormUnusable, FileFailed, NotOpened, Opened };

struct DocumentResult {
  DocumentOutcome Outcome = DocumentOutcome::NumberRefused;
  std::string Number;  // trimmed: the editor shows it so
  std::string Path;    // of the written workbook
  FilledWorkbook Filled;
};

// The editor's tree as the bill of materials reads it.
std::vector<FlatTreeNode> FlatNodesOf(const ProjectTree& tree);

DocumentResult WriteSpreadsheetDocument(const DocumentRequest& request, const Catalogues& catalogues,
                                        DocumentServices& services);

}  // namespace ovalto
