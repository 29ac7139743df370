// The editor's two documents: the tree and the fields as the user left them,
// saved or not, go to the documents' one entry; the window shows what the
// check did to the number.
#include <QToolBar>

#include "main_window.h"
#include "project_editor.h"
#include "workbook/workbook_document.h"

namespace ovalto {
namespace {

// A tool bar shows or hides a button through its action.
void ShowOnBar(QToolBar* bar, QWidget* button, bool visible) {
  for (QAction* action : bar->actions()) {
    if (bar->widgetForAction(action) == button) action->setVisible(visible);
  }
}

}  // namespace

void TfMain::ShowDocumentButtons() {
  const bool visible = DocumentButtonsVisible(catalogues_);
  ShowOnBar(pnPRJ->TreeBar, pnPRJ->bbVDM, visible);
  ShowOnBar(pnPRJ->TreeBar, pnPRJ->bbCLK, visible);
}

void TfMain::bbVDMClick() { WriteSpreadsheetDocument(DocumentKind::InstallationList); }

void TfMain::bbCLKClick() { WriteSpreadsheetDocument(DocumentKind::MaterialSchedule); }

void TfMain::WriteSpreadsheetDocument(DocumentKind kind) {
  const ProjectTable& table = projects_.Table();
  DocumentRequest request;
  request.Kind = kind;
  request.NumberText = pnPRJ->Edit1->text().toStdString();
  if (openProject_ && *openProject_ < table.size()) request.CurrentProjectNumber = table[*openProject_].Number;
  for (const ProjectRecord& record : table) request.StoredNumbers.push_back(record.Number);
  request.ProjectName = pnPRJ->Edit3->text().toStdString();
  request.Developer = pnPRJ->Edit2->text().toStdString();
  request.Tree = FlatNodesOf(pnPRJ->TV->Tree());
  request.ProgramFolder = programFolder_.toStdString();

  DocumentServices services{services_.Messages, services_.Desktop, services_.UserData, spreadsheet_};
  const DocumentResult result = ovalto::WriteSpreadsheetDocument(request, catalogues_, services);
  pnPRJ->Edit1->setText(QString::fromStdString(result.Number));
  if (result.Outcome == DocumentOutcome::NumberRefused) pnPRJ->Edit1->setFocus();
}

}  // namespace ovalto
