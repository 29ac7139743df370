#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>

#include "chart_panel.h"
#include "engine/calculation_run.h"
#include "grid/grid_build.h"
#include "kind_pages.h"
#include "kind_picker.h"
#include "objects/sizing_kinds.h"
#include "parameter_grid.h"
#include "pictures.h"
#include "project_editor.h"
#include "project_list.h"
#include "project_screens/object_editing.h"
#include "start_screen.h"
#include "tables/climate_tables.h"

namespace ovalto {

namespace {

constexpr int kPageAreaWidth = 591;
constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 768;

// The screen titles: large, bold, in the system's highlight colour.
void StyleTitle(QLabel* label) {
  QFont font = label->font();
  font.setBold(true);
  font.setPointSize(14);
  label->setFont(font);
  label->setContentsMargins(12, 8, 12, 8);
  label->setStyleSheet(QStringLiteral("color: %1;").arg(QApplication::palette().color(QPalette::Highlight).name()));
}

QToolButton* ToolButton(const QString& name, const QString& text, QToolBar* bar) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setText(text);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setAutoRaise(false);
  button->setMinimumWidth(76);
  bar->addWidget(button);
  return button;
}

}  // namespace

QString ProgramFolderOf(const QString& programDirectory) {
  return programDirectory.endsWith(QLatin1Char('/')) ? programDirectory : programDirectory + QLatin1Char('/');
}

TfMain::TfMain(Services services, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(services),
      session_(services.Messages) {
  session_.Engine = &windowEngine_;
  engine_.State.RedrawChart = [this] {
    if (!pnDIAG->isHidden()) DrawResultChart();
  };
  setObjectName(QStringLiteral("fMain"));
  setCentralWidget(new QWidget(this));
  pnM = new StartScreen(ClientArea());
  connect(pnM, &StartScreen::ChoiceMade, this, &TfMain::ImMainMouseUp);
  connect(pnM, &StartScreen::LinkClicked, this,
          [this](const QString& address) { services_.Desktop.Open(address.toStdString()); });
  CreateCalculationScreen();
  CreateProjectScreens();

  // The hidden main menu's only item, "Help", lives on as its shortcut.
  auto* fdsg1 = new QAction(QStringLiteral("Help"), this);
  fdsg1->setObjectName(QStringLiteral("fdsg1"));
  fdsg1->setShortcut(Qt::Key_F1);
  connect(fdsg1, &QAction::triggered, this, &TfMain::fdsg1Click);
  addAction(fdsg1);

  FormCreate();
}

TfMain::~TfMain() = default;

void TfMain::CreateCalculationScreen() {
  pcM = new QTabWidget(ClientArea());
  pcM->setObjectName(QStringLiteral("pcM"));
  static const char* const kPages[4] = {"Отопление", "Водоснабжение", "Вентиляция и кондиционирование", "Технология"};
  for (int i = 0; i < 4; ++i) {
    tsh[i] = new QWidget(pcM);
    tsh[i]->setObjectName(QStringLiteral("tsh%1").arg(i + 1));
    pcM->addTab(tsh[i], QString::fromUtf8(kPages[i]));
  }
  connect(pcM, &QTabWidget::currentChanged, this, [this] { pcMChange(); });
  kindPages_ = new KindPages(
      session_, {tsh[0], tsh[1], tsh[2], tsh[3]}, [this] { SwitchView(true); }, this);

  Img[0] = LoadPicture(Picture::SystemHeating);
  Img[1] = LoadPicture(Picture::SystemWaterSupply);
  Img[2] = LoadPicture(Picture::SystemVentilation);
  Img[3] = LoadPicture(Picture::SystemProcess);
  ImR = new QLabel(ClientArea());
  ImR->setObjectName(QStringLiteral("ImR"));
  ImR->setScaledContents(true);
  ImR->installEventFilter(this);

  BackB = new QPushButton(QStringLiteral("Главное меню"), ClientArea());
  BackB->setObjectName(QStringLiteral("BackB"));
  BackB->setToolTip(QStringLiteral("Вернуться в главное меню"));
  BackB->resize(120, 30);
  connect(BackB, &QPushButton::clicked, this, &TfMain::tbDownClick);

  pnR = new QWidget(ClientArea());
  pnR->setObjectName(QStringLiteral("pnR"));
  auto* layout = new QVBoxLayout(pnR);
  layout->setContentsMargins(0, 0, 0, 0);
  grid_ = new ParameterGrid(session_, pnR);
  layout->addWidget(grid_, 1);
  CBAR = new QToolBar(pnR);
  CBAR->setObjectName(QStringLiteral("CBAR"));
  bbCalk = ToolButton(QStringLiteral("bbCalk"), QStringLiteral("Расчет"), CBAR);
  bbDiag = ToolButton(QStringLiteral("bbDiag"), QStringLiteral("Диаграмма"), CBAR);
  bbPrnt = ToolButton(QStringLiteral("bbPrnt"), QStringLiteral("Печать"), CBAR);
  bbExcel = ToolButton(QStringLiteral("bbExcel"), QStringLiteral("MS Excel"), CBAR);
  tbDown = ToolButton(QStringLiteral("tbDown"), QStringLiteral("Назад"), CBAR);
  connect(tbDown, &QToolButton::clicked, this, &TfMain::tbDownClick);
  connect(bbCalk, &QToolButton::clicked, this, &TfMain::bbCalkClick);
  connect(bbDiag, &QToolButton::clicked, this, &TfMain::bbDiagClick);
  connect(bbPrnt, &QToolButton::clicked, this, [this] { WriteHtmlReport(false); });
  connect(bbExcel, &QToolButton::clicked, this, [this] { WriteHtmlReport(true); });
  layout->addWidget(CBAR);
  pnDIAG = new ChartPanel(ClientArea());
  connect(pnDIAG, &ChartPanel::ChartClicked, this, &TfMain::DIAGClick);
  // The outputs wait for a run that unlocks them.
  ShowOutputs();
  connect(kindPages_, &KindPages::KindPicked, this, [this] {
    objects_->KindChanged();
    grid_->Refresh();
    bbCalk->setEnabled(session_.CalkEnabled);
    ShowOutputs();
  });
}

void TfMain::CreateProjectScreens() {
  pnPRJ = new ProjectEditor(services_.Messages, ClientArea());
  pnLST = new ProjectList(ClientArea());
  StyleTitle(pnPRJ->Lprj);
  StyleTitle(pnLST->Llst);
  connect(pnLST, &ProjectList::OpenClicked, this, &TfMain::bbOpenClick);
  connect(pnLST, &ProjectList::DeleteClicked, this, &TfMain::bbDelPClick);
  connect(pnLST, &ProjectList::BackClicked, this, &TfMain::ToolButton5Click);
  connect(pnPRJ, &ProjectEditor::SaveClicked, this, &TfMain::bbSaveClick);
  connect(pnPRJ, &ProjectEditor::BackClicked, this, &TfMain::bbOtmClick);
  connect(pnPRJ->bbVDM, &QToolButton::clicked, this, &TfMain::bbVDMClick);
  connect(pnPRJ->bbCLK, &QToolButton::clicked, this, &TfMain::bbCLKClick);
  ProjectTreeView* tree = pnPRJ->TV;
  objects_ = std::make_unique<ObjectEditing>(
      tree->Tree(),
      ObjectEditing::TreeView{[tree] { return tree->Selected(); }, [tree](TreeNode* node) { tree->Select(node); }},
      services_.Messages, this);
  const std::pair<QToolButton*, int> adders[] = {{pnPRJ->bb1, kPipelineObject},
                                                 {pnPRJ->bb2, kTankObject},
                                                 {pnPRJ->bb3, kRectangularDuctObject},
                                                 {pnPRJ->bb4, kCylindricalDuctObject}};
  for (const auto& [button, kind] : adders) {
    connect(button, &QToolButton::clicked, this, [this, kind = kind] { AddObjectClick(kind); });
  }
  connect(pnPRJ->bbADD, &QToolButton::clicked, this, [this] { objects_->bbADDClick(); });
  connect(tree, &ProjectTreeView::NodeDoubleClicked, this, [this] { objects_->TVDblClick(); });
}

void TfMain::FormCreate() {
  setWindowTitle(QStringLiteral("Ovalto 4.77c"));
  // A fixed frame, as every screen places its controls for the laid-out
  // size: a smaller window would cut off the calculation's tool bar and the
  // start screen's buttons. Window managers offer no maximising for it.
  setFixedSize(kWindowWidth, kWindowHeight);
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
  // The system picture is a way back as well.
  if (watched == ImR && event->type() == QEvent::MouseButtonRelease) tbDownClick();
  return QMainWindow::eventFilter(watched, event);
}

void TfMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TfMain::FormShow() {
  pnM->PlaceButtons();
  viewMode_ = kStartScreen;
  session_.CalcKindCode = 0;
  SwitchView(true);
  resize(kWindowWidth, kWindowHeight);
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  programFolder_ = ProgramFolderOf(services_.ProgramFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                                     : services_.ProgramFolder);
  openProject_.reset();
  projectContext_ = -1;
  pnM->PlaceCreditAndAbout();
  catalogues_ = LoadPrices(services_.Messages);
  ShowDocumentButtons();
  projects_.SetFolder(programFolder_.toStdString());
  if (const std::optional<std::string> problem = projects_.Load()) {
    services_.Messages.Show(MessageType::Error, *problem, kButtonOk);
  }

  GridModel& grid = session_.Grid;
  grid.cbRG.Items = RegionListItems();
  for (int group = 0; group < kGroupCount; ++group) {
    grid.GroupCaptions[group].Text = session_.Variables.GroupHeaders()[group].Caption;
  }
}

void TfMain::HideInputEditors() {
  session_.Grid.HideInputEditors();
  grid_->Refresh();
}

void TfMain::SwitchView(bool refill) {
  const bool calculation = viewMode_ > 0;
  const bool kindChosen = session_.CalcKindCode > 0;
  // Every screen change passes here, also a page switched by the program:
  // the kind rules and the hit test read the page the user sees.
  session_.PageTag = pcM->currentIndex() + 1;
  ImR->setPixmap(Img[pcM->currentIndex()]);
  ImR->setVisible(calculation && !kindChosen);
  BackB->setVisible(calculation && !kindChosen);
  pnPRJ->setVisible(viewMode_ == kProjectEditor);
  pnLST->setVisible(viewMode_ == kProjectList);
  pnM->setVisible(viewMode_ == kStartScreen);
  // A release on the start screen chooses only what the pointer is over now.
  if (viewMode_ == kStartScreen) pnM->ResetChoice();
  pcM->setVisible(calculation);
  pnR->setVisible(calculation && kindChosen);
  // The chart stands in the place of the pages; a way back hides it but
  // leaves its tag, which the report reads.
  pnDIAG->hide();
  HideInputEditors();
  FormResize();
  if (!refill) return;
  if (viewMode_ == kProjectList) FillProjectList();
  if (viewMode_ == kProjectEditor) LoadProjectIntoEditor();
  QCoreApplication::processEvents();
}

void TfMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TfMain::FormResize() {
  const QRect client = ClientArea()->rect();
  pnM->setGeometry(client);
  pnPRJ->setGeometry(client);
  pnLST->setGeometry(client);
  pcM->setGeometry(0, 0, kPageAreaWidth, client.height());
  const QRect rest(kPageAreaWidth, 0, client.width() - kPageAreaWidth, client.height());
  ImR->setGeometry(rest);
  pnDIAG->setGeometry(0, 0, pnDIAG->width(), client.height());
  pnR->setGeometry(rest);
  BackB->move(pcM->width() - BackB->width() - 8, client.height() - BackB->height() - 7);
  BackB->raise();
}

void TfMain::ImMainMouseUp(int choice) {
  if (choice == 0) return;
  {
    const QSignalBlocker quiet(pcM);
    pcM->setCurrentIndex(0);
  }
  session_.PageTag = 1;
  projectContext_ = -1;
  session_.ObjectKind = 0;
  switch (choice) {
    case 1:
      viewMode_ = kCalculationScreen;
      for (KindLabelState& label : session_.KindLabels) {
        if (label.Tag < 0) label.Enabled = true;
      }
      kindPages_->Refresh();
      break;
    case 2:
      viewMode_ = kProjectEditor;
      pnPRJ->Lprj->setText(QStringLiteral("Создание проекта"));
      openProject_.reset();
      break;
    default:
      viewMode_ = kProjectList;
      break;
  }
  SwitchView(true);
  unsetCursor();
  if (viewMode_ == kProjectEditor) pnPRJ->Edit1->setFocus();
}

void TfMain::pcMChange() {
  QCoreApplication::processEvents();
  objects_->KindChanged();
  ResetKindLabels(session_);
  kindPages_->Refresh();
  session_.PageTag = pcM->currentIndex() + 1;
  session_.CalcKindCode = 0;
  session_.VariableList.clear();
  SwitchView(true);
  BuildInputGrid(session_);
  grid_->Refresh();
  bbCalk->setEnabled(session_.CalkEnabled);
}

void TfMain::tbDownClick() {
  ResetKindLabels(session_);
  kindPages_->Refresh();
  if (projectContext_ >= 0) {
    // The editor shows its tree as it was, unsaved changes included.
    viewMode_ = kProjectEditor;
    SwitchView(false);
    objects_->SizingEnded();
  } else if (!BackB->isHidden()) {
    viewMode_ = kStartScreen;
    session_.CalcKindCode = 0;
    SwitchView(true);
  } else {
    pcMChange();
  }
  projectContext_ = -1;
}

void TfMain::bbCalkClick() {
  const bool completed = RunCalculation(session_, engine_, [](bool busy) {
    if (busy) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  });
  if (projectContext_ >= 0) objects_->RunFinished(completed, session_);
  grid_->Refresh();
  ShowOutputs();
}

void TfMain::AddObjectClick(int kind) {
  if (objects_->AddObject(kind)) StartSizing(kind);
}

void TfMain::StartSizing(int objectKind) {
  projectContext_ = 0;
  viewMode_ = kCalculationScreen;
  session_.CalcKindCode = 0;
  SwitchView(true);
  OfferKindsForObject(session_, objectKind);
  kindPages_->Refresh();
  const int page = SizingPage(objectKind) - 1;
  if (pcM->currentIndex() != page) {
    pcM->setCurrentIndex(page);
  } else {
    pcMChange();
  }
}

void TfMain::fdsg1Click() {
  services_.Desktop.Open((programFolder_ + QStringLiteral("help/01_Общая_часть.htm")).toStdString());
}

}  // namespace ovalto
