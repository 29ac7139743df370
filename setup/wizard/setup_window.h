// The installer's one window: licence, target folder, installation, user data, end. Thin over
// the installation steps (installation.h); every desktop service comes in through SetupServices
// so tests drive the whole wizard offscreen.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "installation.h"
#include "qt_message_box.h"
#include "user_data.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTextEdit;
class QToolButton;

namespace setup {

// The installer's captions and buttons: "Вопрос" for a question and "Далее" in the place of OK.
ovalto::MessageTexts InstallerMessageTexts();

struct SetupServices {
  ovalto::MessageBoxes& Messages;
  ovalto::UserDataStore& UserData;
  std::function<std::string()> BrowseFolder;  // the picked folder; empty when cancelled
  std::function<void()> Pause;                // the pause after each forward move
  std::string Payload;                        // the archive to install
  std::string Home;
  InstallPlaces Places;
};

class TfMain : public QDialog {
  Q_OBJECT

 public:
  explicit TfMain(SetupServices services, QWidget* parent = nullptr);

  void RB1Click();
  void RB2Click();
  void bbPATHClick();
  void bbPriorClick();
  void bbNextsClick();
  void tbOtmenClick();

  int Step() const { return step_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void ShowStep();
  void InstallStep();
  void CompleteStep();
  void PauseWithMessages();
  void RepaintTexts();

  SetupServices services_;
  int step_ = 0;
  bool installing_ = false;
  bool shown_ = false;
  std::string target_;  // the absolute folder of the last installation

  QLabel* L2 = nullptr;
  QLabel* LLL = nullptr;
  QLabel* Image1 = nullptr;
  QToolButton* bbPrior = nullptr;
  QToolButton* bbNexts = nullptr;
  QToolButton* tbOtmen = nullptr;
  QLabel* LU1 = nullptr;
  QLabel* LU2 = nullptr;
  QProgressBar* G = nullptr;
  QTextEdit* EDIT_LICEN = nullptr;
  QRadioButton* RB1 = nullptr;
  QRadioButton* RB2 = nullptr;
  QLineEdit* edPATH = nullptr;
  QPushButton* bbPATH = nullptr;
  QCheckBox* cbDescTop = nullptr;
  QTableWidget* SGD = nullptr;
};

}  // namespace setup
