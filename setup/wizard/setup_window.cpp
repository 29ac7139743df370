#include "setup_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include "qt_user_data_grid.h"
#include "target_folder.h"

namespace setup {

namespace {

constexpr int kClientWidth = 480;
constexpr int kClientHeight = 356;
constexpr int kHeaderHeight = 80;
constexpr int kButtonWidth = 90;
constexpr int kRowHeight = 19;

QString Text(const std::string& text) { return QString::fromStdString(text); }

QLabel* PageLabel(QWidget* page, const char* name, int x, int y, int width) {
  auto* label = new QLabel(page);
  label->setObjectName(name);
  label->setGeometry(x, y, width, 17);
  return label;
}

QToolButton* ToolButton(QToolBar* bar, const char* name, const QString& caption, QStyle::StandardPixmap icon) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setText(caption);
  button->setToolTip(caption);
  button->setIcon(bar->style()->standardIcon(icon));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  button->setMinimumWidth(kButtonWidth);
  bar->addWidget(button);
  return button;
}

// The licence file keeps short lines for a text editor; the box wraps its paragraphs itself,
// keeping only blank lines and the list items' starts.
QString LicenceText() {
  QFile file(QStringLiteral(":/setup/licence.txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines;
  QString paragraph;
  const auto endParagraph = [&] {
    if (!paragraph.isEmpty()) lines << paragraph;
    paragraph.clear();
  };
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const QString words = line.trimmed();
    if (words.isEmpty()) {
      endParagraph();
      lines << QString();
    } else if (line.startsWith(QStringLiteral("  -"))) {
      endParagraph();
      paragraph = QStringLiteral("  ") + words;
    } else {
      paragraph = paragraph.isEmpty() ? words : paragraph + QLatin1Char(' ') + words;
    }
  }
  endParagraph();
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

ovalto::MessageTexts InstallerMessageTexts() {
  ovalto::MessageTexts texts;
  texts.Confirmation = QStringLiteral("Вопрос");
  texts.Ok = QStringLiteral("Далее");
  texts.Title = QStringLiteral("Установка программы Ovalto 4");
  return texts;
}

TfMain::TfMain(SetupServices services, QWidget* parent) : QDialog(parent), services_(std::move(services)) {
  setObjectName(QStringLiteral("fMain"));
  setWindowTitle(QStringLiteral("Установка программы Ovalto4"));
  setFixedSize(kClientWidth, kClientHeight);

  auto* Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(0, 0, kClientWidth, kHeaderHeight);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setAutoFillBackground(true);
  Panel1->setBackgroundRole(QPalette::Base);
  L2 = new QLabel(QStringLiteral("Установка программы Ovalto 4"), Panel1);
  L2->setObjectName(QStringLiteral("L2"));
  QFont bold = L2->font();
  bold.setBold(true);
  L2->setFont(bold);
  L2->setGeometry(16, 14, 300, 18);
  LLL = new QLabel(QStringLiteral("Шаг 1 : Лицензионное соглашение"), Panel1);
  LLL->setObjectName(QStringLiteral("LLL"));
  LLL->setGeometry(32, 44, 330, 18);
  Image1 = new QLabel(Panel1);
  Image1->setObjectName(QStringLiteral("Image1"));
  const QPixmap picture(QStringLiteral(":/setup/header.jpg"));
  Image1->setPixmap(picture.scaledToHeight(kHeaderHeight - 4, Qt::SmoothTransformation));
  Image1->adjustSize();
  Image1->move(kClientWidth - 2 - Image1->width(), 2);

  auto* ToolBar4 = new QToolBar(this);
  ToolBar4->setObjectName(QStringLiteral("ToolBar4"));
  bbPrior = ToolButton(ToolBar4, "bbPrior", QStringLiteral("Вернуться"), QStyle::SP_ArrowBack);
  bbNexts = ToolButton(ToolBar4, "bbNexts", QStringLiteral("Продолжить"), QStyle::SP_ArrowForward);
  tbOtmen = ToolButton(ToolBar4, "tbOtmen", QStringLiteral("Отменить"), QStyle::SP_DialogCancelButton);
  const int barHeight = ToolBar4->sizeHint().height();
  ToolBar4->setGeometry(0, kClientHeight - barHeight, kClientWidth, barHeight);
  connect(bbPrior, &QToolButton::clicked, this, &TfMain::bbPriorClick);
  connect(bbNexts, &QToolButton::clicked, this, &TfMain::bbNextsClick);
  connect(tbOtmen, &QToolButton::clicked, this, &TfMain::tbOtmenClick);

  auto* Panel2 = new QWidget(this);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setGeometry(0, kHeaderHeight, kClientWidth, kClientHeight - kHeaderHeight - barHeight);
  LU1 = PageLabel(Panel2, "LU1", 64, 16, 353);
  LU2 = PageLabel(Panel2, "LU2", 64, 161, 353);
  G = new QProgressBar(Panel2);
  G->setObjectName(QStringLiteral("G"));
  G->setGeometry(64, 180, 361, 20);
  G->setRange(0, 3);
  G->setTextVisible(false);
  QPalette gauge = G->palette();
  gauge.setColor(QPalette::Highlight, QColor(0xF8, 0xCB, 0x18));  // colour value 1625080 of the layout
  G->setPalette(gauge);

  EDIT_LICEN = new QTextEdit(Panel2);
  EDIT_LICEN->setObjectName(QStringLiteral("EDIT_LICEN"));
  EDIT_LICEN->setReadOnly(true);
  EDIT_LICEN->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  EDIT_LICEN->setGeometry(11, 6, 457, 190);
  EDIT_LICEN->setPlainText(LicenceText());
  RB1 = new QRadioButton(QStringLiteral("Я согласен с условиями лицензионного соглашения"), Panel2);
  RB1->setObjectName(QStringLiteral("RB1"));
  RB1->setGeometry(11, 199, 400, 18);
  RB2 = new QRadioButton(QStringLiteral("С условиями лицензионного соглашения не согласен"), Panel2);
  RB2->setObjectName(QStringLiteral("RB2"));
  RB2->setGeometry(11, 217, 400, 18);
  connect(RB1, &QRadioButton::clicked, this, &TfMain::RB1Click);
  connect(RB2, &QRadioButton::clicked, this, &TfMain::RB2Click);

  edPATH = new QLineEdit(Panel2);
  edPATH->setObjectName(QStringLiteral("edPATH"));
  edPATH->setGeometry(64, 32, 329, 22);
  bbPATH = new QPushButton(QStringLiteral("..."), Panel2);
  bbPATH->setObjectName(QStringLiteral("bbPATH"));
  bbPATH->setToolTip(QStringLiteral("обзор"));
  bbPATH->setAutoDefault(false);  // Enter in the folder field must not open the browse dialog
  bbPATH->setGeometry(397, 32, 28, 22);
  connect(bbPATH, &QPushButton::clicked, this, &TfMain::bbPATHClick);
  cbDescTop = new QCheckBox(QStringLiteral("Поместить ярлык на рабочий стол"), Panel2);
  cbDescTop->setObjectName(QStringLiteral("cbDescTop"));
  cbDescTop->setGeometry(64, 66, 353, 18);
  cbDescTop->setChecked(true);
  cbDescTop->hide();

  SGD = new QTableWidget(Panel2);
  SGD->setObjectName(QStringLiteral("SGD"));
  ovalto::SetUpUserDataGrid(*SGD, std::span(ovalto::kUserDataFields).first<ovalto::kUserOwnDataCount>(), kRowHeight);
  SGD->setGeometry(64, 40, 361, static_cast<int>(ovalto::kUserOwnDataCount) * kRowHeight + 4);
  SGD->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SGD->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  FormCreate();
}

void TfMain::FormCreate() { edPATH->setText(Text(DefaultTargetFolder(services_.Home))); }

void TfMain::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TfMain::FormShow() {
  step_ = 0;
  ShowStep();
  const int first = (SGD->width() - 16) / 3;
  SGD->setColumnWidth(0, first);
  SGD->setColumnWidth(1, SGD->width() - first);
}

void TfMain::ShowStep() {
  bbPrior->setEnabled(step_ > 0);
  bbNexts->setEnabled(step_ > 0);
  EDIT_LICEN->setVisible(step_ == 0);
  RB1->setVisible(step_ == 0);
  RB2->setVisible(step_ == 0);
  edPATH->setVisible(step_ == 1);
  bbPATH->setVisible(step_ == 1);
  cbDescTop->setVisible(step_ == 1);
  SGD->setVisible(step_ == 2);
  LU1->setVisible(step_ > 0);
  LU2->setVisible(step_ == 1 || step_ == 2);
  if (step_ == 0) {
    LLL->setText(QStringLiteral("Шаг 1 : Лицензионное соглашение"));
  } else if (step_ == 1) {
    LLL->setText(QStringLiteral("Шаг 2 : Указание каталога установки"));
    LU1->setText(QStringLiteral("Укажите каталог размещения программы"));
    LU2->setText(QStringLiteral("В этот каталог будут скопированы необходимые файлы"));
  } else {
    LLL->setText(QStringLiteral("Шаг 4 : Ввод личных данных пользователя"));
    LU1->setText(QStringLiteral("Введите личные данные пользователя"));
    LU2->setText(QString());
    SGD->setFocus();
    // Made current afresh, so that the grid opens its editor there as it always shows one.
    SGD->setCurrentCell(-1, -1);
    SGD->setCurrentCell(0, 1);
  }
  RepaintTexts();
  G->hide();
  // Unchecked even though the layout stores RB1 checked: agreeing takes a click.
  RB1->setAutoExclusive(false);
  RB2->setAutoExclusive(false);
  RB1->setChecked(false);
  RB2->setChecked(false);
  RB1->setAutoExclusive(true);
  RB2->setAutoExclusive(true);
}

void TfMain::RepaintTexts() {
  LLL->repaint();
  LU1->repaint();
  LU2->repaint();
}

void TfMain::PauseWithMessages() {
  if (services_.Pause) services_.Pause();
}

void TfMain::RB1Click() { bbNexts->setEnabled(true); }

void TfMain::RB2Click() { bbNexts->setEnabled(false); }

void TfMain::bbPATHClick() {
  if (!services_.BrowseFolder) return;
  const std::string picked = services_.BrowseFolder();
  if (!picked.empty()) edPATH->setText(Text(BrowsedTargetFolder(picked)));
}

void TfMain::bbPriorClick() {
  --step_;
  ShowStep();
  edPATH->setEnabled(true);
  bbPATH->setEnabled(true);
}

void TfMain::tbOtmenClick() {
  if (services_.Messages.Show(ovalto::MessageType::Confirmation, "Отменить установку программы ?",
                              ovalto::kButtonYes | ovalto::kButtonNo) == ovalto::kButtonYes) {
    close();
  }
}

void TfMain::bbNextsClick() {
  bbPrior->setEnabled(false);
  bbNexts->setEnabled(false);
  tbOtmen->setEnabled(false);
  if (step_ == 0) {
    step_ = 1;
    ShowStep();
    PauseWithMessages();
  } else if (step_ == 1) {
    InstallStep();
  } else {
    CompleteStep();
  }
}

void TfMain::InstallStep() {
  installing_ = true;
  InstallHooks hooks;
  hooks.TargetReady = [this] {
    edPATH->setEnabled(false);
    bbPATH->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    G->setValue(0);
    G->show();
    cbDescTop->hide();
    LLL->setText(QStringLiteral("Шаг 3 : Установка программы на компьютер"));
    LU1->setText(QStringLiteral("Производится установка программы на Ваш компьютер "));
    LU2->setText(QStringLiteral("Копирование небходимых файлов ..."));
    RepaintTexts();
    G->setValue(1);
    PauseWithMessages();
  };
  hooks.CopyWritten = [this] { G->setValue(3); };
  hooks.PumpMessages = [] { QApplication::processEvents(); };
  const InstallResult result =
      InstallPayload(edPATH->text().toStdString(), services_.Payload, cbDescTop->isChecked(), services_.Places, hooks);
  if (result.Status != InstallStatus::TargetRefused) QApplication::restoreOverrideCursor();
  installing_ = false;
  switch (result.Status) {
    case InstallStatus::TargetRefused:
      services_.Messages.ShowRaisedError(result.Message);
      ShowStep();
      return;
    case InstallStatus::ArchiveCopyFailed:
      services_.Messages.Show(ovalto::MessageType::Error, result.Message, ovalto::kButtonCancel);
      close();
      return;
    case InstallStatus::ExtractionFailed:
      services_.Messages.Show(ovalto::MessageType::Warning, result.Message, ovalto::kButtonOk);
      return;
    case InstallStatus::Installed:
      if (!result.Message.empty())
        services_.Messages.Show(ovalto::MessageType::Warning, result.Message, ovalto::kButtonOk);
      break;
  }
  target_ = result.Target;
  G->setValue(3);
  G->hide();
  step_ = 2;
  ShowStep();
  PauseWithMessages();
}

void TfMain::CompleteStep() {
  WriteUserData(ovalto::TakeUserDataValues(*SGD), services_.UserData);
  LU2->setText(QStringLiteral("Создание пунктов меню ..."));
  LU2->repaint();
  CreateMenuEntries(target_, services_.Places);
  LU2->setText(QString());
  QApplication::processEvents();
  SGD->hide();
  LU1->hide();
  LLL->setText(QStringLiteral("Шаг 5 : завершение установки ..."));
  services_.Messages.Show(ovalto::MessageType::Information, kInstalledMessage, ovalto::kButtonOk);
  close();
}

void TfMain::closeEvent(QCloseEvent* event) {
  // The installation runs inside a click handler that pumps messages: the window must outlive it.
  if (installing_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TfMain::keyPressEvent(QKeyEvent* event) {
  // Escape does not end the installer: only "Отменить" and the close box do.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace setup
