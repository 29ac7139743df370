// The calculator's one window. It shows one of four screens at a time (start
// screen, calculation, project editor, project list) and owns the state of
// the calculation that every screen shares.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include <memory>

#include "catalogues/catalogues.h"
#include "engine/engine.h"
#include "materials/material_row.h"
#include "shell.h"
#include "state/calc_session.h"
#include "store/project_store.h"
#include "user_data.h"
#include "xlsx_output.h"

namespace ovalto {

class ChartPanel;
class KindPages;
class ObjectEditing;
class ParameterGrid;
class ProjectEditor;
class ProjectList;
class StartScreen;

// The desktop services the window uses; tests hand in their own.
struct Services {
  MessageBoxes& Messages;
  Shell& Desktop;
  UserDataStore& UserData;
  QString ProgramFolder{};  // where projects.iso lives; empty: the folder of the program file
};

enum ViewModes { kStartScreen = 0, kCalculationScreen = 1, kProjectEditor = -2, kProjectList = -3 };

// Whether closing asks about an open project: the editor is shown, or one of
// its objects is being sized on the calculation screen.
bool ProjectOpenAtClose(int viewMode, double projectContext);

// The folder of the program file with a trailing separator.
QString ProgramFolderOf(const QString& programDirectory);

class TfMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfMain(Services services, QWidget* parent = nullptr);
  ~TfMain() override;

  void SwitchView(bool refill);
  void FormResize();
  void HideInputEditors();
  void pcMChange();
  void ImMainMouseUp(int choice);
  void tbDownClick();
  void bbCalkClick();
  void fdsg1Click();
  void bbDiagClick();
  void DIAGClick();
  void DrawResultChart();
  void WriteHtmlReport(bool forSpreadsheet);
  // bb1Click .. bb4Click: an object of that kind under the selected system.
  void AddObjectClick(int kind);

  ObjectEditing& Objects() { return *objects_; }

  // The project screens (definitions in main_window_projects.cpp).
  void FillProjectList();
  // The table as the file holds it now; the open project's row follows it.
  void RefreshProjects();
  void LoadProjectIntoEditor();
  void bbOpenClick();
  void bbDelPClick();
  void ToolButton5Click();
  bool bbSaveClick();
  void bbOtmClick();
  // Whether closing may go ahead: asks about the open project.
  bool FormCloseQuery();
  // Writes the projects file, telling the user when that failed. Every save
  // and delete has written the file already, so only a table read from a
  // damaged file is left to write, and the file itself holds all of it: a
  // failure here loses nothing and does not keep the program from ending.
  void FormClose();

  // The editor's documents (main_window_documents.cpp): the installation
  // list and the materials schedule as workbooks opened on the desktop.
  void bbVDMClick();
  void bbCLKClick();

  int ViewMode() const { return viewMode_; }
  const QString& ProgramFolder() const { return programFolder_; }
  CalcSession& Session() { return session_; }
  StartScreen* StartPanel() const { return pnM; }
  ChartPanel* ChartPanelWidget() const { return pnDIAG; }
  ProjectStore& Projects() { return projects_; }
  ProjectEditor* ProjectEditorPanel() const { return pnPRJ; }
  ProjectList* ProjectListPanel() const { return pnLST; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Every call of the engine may lock or unlock the chart and the report:
  // the grid's derivations lock them, a full run unlocks them.
  class WindowEngine final : public SchemeEngine {
   public:
    explicit WindowEngine(TfMain& window) : window_(window) {}
    void CalculateScheme(const std::string& derivedName) override;
    int ValidateInputs(bool showMessages) override;

   private:
    TfMain& window_;
  };

  void FormCreate();
  void ShowOutputs();
  void FormShow();
  void CreateCalculationScreen();
  void CreateProjectScreens();
  void WriteSpreadsheetDocument(DocumentKind kind);
  // "Ведомость" and "Специфи..." need both catalogues.
  void ShowDocumentButtons();
  void StartSizing(int objectKind);
  // After the user left the stored version of a project another copy
  // changed: the list with that project selected.
  bool ShowStoredProject();
  QWidget* ClientArea() const { return centralWidget(); }

  Services services_;
  CalcSession session_;
  CalculationEngine engine_{session_};
  WindowEngine windowEngine_{*this};  // the grid derives its inputs through it
  int viewMode_ = kStartScreen;
  QString programFolder_;
  double projectContext_ = -1;  // -1: opened from the start screen
  ProjectStore projects_;
  // The row of the project open in the editor (CurrentProjectNumber), nothing
  // for a new project. Rows, not numbers, tell projects apart.
  std::optional<size_t> openProject_;
  // The project as the editor opened it: what its save compares the file with.
  std::optional<OpenedProject> openedProject_;
  bool shown_ = false;
  Catalogues catalogues_;                   // loaded at start-up, read by the documents
  XlsxOutput spreadsheet_;                  // the documents' files
  std::unique_ptr<ObjectEditing> objects_;  // objects and details of the open project

  StartScreen* pnM = nullptr;
  QTabWidget* pcM = nullptr;
  QWidget* tsh[4] = {};
  QLabel* ImR = nullptr;
  QPixmap Img[4];
  QPushButton* BackB = nullptr;
  KindPages* kindPages_ = nullptr;  // the kind labels and pictures on tsh1..tsh4
  QWidget* pnR = nullptr;
  ParameterGrid* grid_ = nullptr;  // SG with its editors, on pnR
  QToolBar* CBAR = nullptr;
  QToolButton* bbCalk = nullptr;
  QToolButton* bbDiag = nullptr;
  QToolButton* bbPrnt = nullptr;
  QToolButton* bbExcel = nullptr;
  QToolButton* tbDown = nullptr;
  ChartPanel* pnDIAG = nullptr;
  ProjectEditor* pnPRJ = nullptr;
  ProjectList* pnLST = nullptr;
};

}  // namespace ovalto
