// The wizard offscreen, as a user walks it: licence, folder, installation, user data, end, with
// the window's own texts, and its refusals that leave the window usable.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "qt_user_data.h"
#include "recording_message_boxes.h"
#include "setup_test_support.h"
#include "setup_window.h"

namespace setup::test {
namespace {

namespace fs = std::filesystem;

class SetupWindowTest : public ::testing::Test {
 protected:
  SetupWindowTest() {
    services.Payload = Payload();
    services.Home = home.Home().string();
    services.Places = home.Places();
    services.Pause = [this] {
      ++pauses;
      if (onPause) onPause();
    };
    services.BrowseFolder = [this] { return browsed; };
    window = std::make_unique<TfMain>(services);
    window->show();
    QApplication::processEvents();
  }

  template <class T = QWidget>
  T* Child(const char* name) const {
    return window->findChild<T*>(name);
  }
  QString Text(const char* label) const { return Child<QLabel>(label)->text(); }
  bool Enabled(const char* name) const { return Child(name)->isEnabled(); }
  void Click(const char* name) { Child<QAbstractButton>(name)->click(); }
  // Agrees to the licence and moves to the folder page.
  void ToFolderPage() {
    Click("RB1");
    Click("bbNexts");
  }
  // Installs into a fresh folder and moves to the user-data page.
  void ToUserDataPage() {
    ToFolderPage();
    Child<QLineEdit>("edPATH")->setText(QString::fromStdString((home.Root() / "Ovalto4").string()));
    Click("bbNexts");
  }

  TemporaryHome home;
  ovalto::testing::RecordingMessageBoxes messages;
  ovalto::IniUserDataStore userData;
  SetupServices services{messages, userData, {}, {}, {}, {}, {}};
  int pauses = 0;
  std::function<void()> onPause;
  std::string browsed;
  std::unique_ptr<TfMain> window;
};

TEST_F(SetupWindowTest, WalksFromTheLicenceToTheInstalledProgram) {
  EXPECT_EQ(window->windowTitle(), "Установка программы Ovalto4");
  EXPECT_EQ(window->size(), QSize(480, 356));
  EXPECT_EQ(Text("LLL"), "Шаг 1 : Лицензионное соглашение");
  EXPECT_FALSE(Child<QRadioButton>("RB1")->isChecked());
  EXPECT_FALSE(Enabled("bbNexts"));
  EXPECT_FALSE(Enabled("bbPrior"));
  EXPECT_TRUE(Enabled("tbOtmen"));
  Click("RB1");
  EXPECT_TRUE(Enabled("bbNexts"));
  Click("RB2");
  EXPECT_FALSE(Enabled("bbNexts"));

  ToFolderPage();
  EXPECT_EQ(window->Step(), 1);
  EXPECT_EQ(Text("LLL"), "Шаг 2 : Указание каталога установки");
  EXPECT_EQ(Text("LU2"), "В этот каталог будут скопированы необходимые файлы");
  EXPECT_EQ(Child<QLineEdit>("edPATH")->text().toStdString(), home.Home().string() + "/Korvanta/Ovalto4");
  EXPECT_TRUE(Child<QCheckBox>("cbDescTop")->isVisible());
  EXPECT_FALSE(Enabled("tbOtmen"));
  EXPECT_EQ(pauses, 1);

  const fs::path target = home.Root() / "Мои программы/Ovalto 4";
  Child<QLineEdit>("edPATH")->setText(QString::fromStdString(target.string()));
  onPause = [this] {
    if (window->Step() != 1) return;
    EXPECT_EQ(Text("LU2"), "Копирование небходимых файлов ...");
    EXPECT_EQ(Child<QProgressBar>("G")->value(), 1);
    window->close();  // the close box while installing
    EXPECT_TRUE(window->isVisible());
  };
  Click("bbNexts");
  onPause = nullptr;
  ASSERT_EQ(window->Step(), 2) << (messages.Shown.empty() ? "" : messages.Shown[0].Text);
  EXPECT_EQ(Text("LLL"), "Шаг 4 : Ввод личных данных пользователя");
  ExpectSameFiles(StagedPayload(), target);
  EXPECT_FALSE(fs::exists(target / "Ovalto4.dat"));
  EXPECT_TRUE(fs::exists(home.Home() / "Desktop/Ovalto4.desktop"));

  auto* grid = Child<QTableWidget>("SGD");
  EXPECT_EQ(grid->item(3, 0)->text(), "Телефон / Факс");
  auto* editor = grid->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr) << "the grid shows its editor on the first row";
  editor->setText("ООО «Тепломонтаж»");  // typed, and "Продолжить" pressed with the editor open
  grid->item(1, 1)->setText("Иванов И.И.");
  grid->item(3, 1)->setText("+7 (495) 123-45-67");
  Click("bbNexts");
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, "Программа установлена !");
  EXPECT_EQ(messages.Shown[0].Type, ovalto::MessageType::Information);
  EXPECT_FALSE(window->isVisible());

  // What the calculator's report dialog will offer.
  ovalto::IniUserDataStore calculatorView;
  EXPECT_EQ(calculatorView.Read("Компания", "?"), "ООО «Тепломонтаж»");
  EXPECT_EQ(calculatorView.Read("Фамилия", "?"), "Иванов И.И.");
  EXPECT_EQ(calculatorView.Read("Должность", "?"), "") << "empty values are written too";
  EXPECT_EQ(calculatorView.Read("Телефон", "?"), "+7 (495) 123-45-67");
  const fs::path applications = home.Root() / "data/applications";
  for (const char* entry :
       {"korvanta-ovalto4-program.desktop", "korvanta-ovalto4-help.desktop", "korvanta-ovalto4-licence.desktop"}) {
    const std::string report = ValidateDesktopFile(applications / entry);
    ASSERT_NE(report, "skip") << "desktop-file-validate is not installed";
    EXPECT_EQ(report.find("error"), std::string::npos) << report;
  }
  EXPECT_NE(ReadText(applications / "korvanta-ovalto4-help.desktop")
                .find("Exec=xdg-open \"" + target.string() + "/help/01_Общая_часть.htm\""),
            std::string::npos);
  EXPECT_TRUE(fs::exists(home.Root() / "config/menus/applications-merged/korvanta-ovalto4.menu"));
  EXPECT_TRUE(fs::exists(home.Root() / "data/desktop-directories/korvanta-ovalto4.directory"));
}

TEST_F(SetupWindowTest, TabGoesFromValueToValueAndEachRowIsKeptUnderItsName) {
  window->activateWindow();
  ToUserDataPage();
  ASSERT_EQ(window->Step(), 2);
  for (const char* typed : {"A", "B", "C", "D"}) {
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr) << "no editor open for " << typed;
    QTest::keyClicks(editor, QString::fromUtf8(typed));
    QTest::keyClick(editor, Qt::Key_Tab);
  }
  Click("bbNexts");
  ovalto::IniUserDataStore written;
  EXPECT_EQ(written.Read("Компания", "?"), "A");
  EXPECT_EQ(written.Read("Фамилия", "?"), "B");
  EXPECT_EQ(written.Read("Должность", "?"), "C");
  EXPECT_EQ(written.Read("Телефон", "?"), "D");
}

TEST_F(SetupWindowTest, AShortcutThatCantBeMadeIsToldAndTheInstallationGoesOn) {
  services.Places.DesktopFolder.clear();  // the user directories name no desktop
  window = std::make_unique<TfMain>(services);
  window->show();
  ToUserDataPage();
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Type, ovalto::MessageType::Warning);
  EXPECT_EQ(messages.Shown[0].Text, "Невозможно создать ярлык: рабочий стол не указан !");
  EXPECT_EQ(window->Step(), 2);
}

// The installer's OK reads "Далее", a step forward; the warning after a failed extraction, where
// nothing goes on, is acknowledged with OK.
TEST(InstallerMessages, AWarningIsAcknowledgedWithOk) {
  ovalto::QtMessageBoxes boxes(InstallerMessageTexts());
  for (const auto& [type, expected] :
       {std::pair{ovalto::MessageType::Warning, "OK"}, std::pair{ovalto::MessageType::Information, "Далее"}}) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      ASSERT_EQ(box->buttons().size(), 1);
      shown = box->buttons().first()->text();
      box->buttons().first()->click();
    });
    EXPECT_EQ(boxes.Show(type, kExtractionError, ovalto::kButtonOk), ovalto::kButtonOk);
    EXPECT_EQ(shown, QString::fromUtf8(expected));
  }
}

TEST_F(SetupWindowTest, BackFromTheUserDataPageInstallsAgain) {
  ToFolderPage();
  const fs::path target = home.Root() / "again";
  Child<QLineEdit>("edPATH")->setText(QString::fromStdString(target.string()));
  Click("bbNexts");
  ASSERT_EQ(window->Step(), 2);
  Click("bbPrior");
  EXPECT_EQ(window->Step(), 1);
  EXPECT_TRUE(Enabled("edPATH"));
  fs::remove(target / "help/01_Общая_часть.htm");
  Click("bbNexts");
  EXPECT_EQ(window->Step(), 2);
  EXPECT_TRUE(fs::exists(target / "help/01_Общая_часть.htm")) << "the second installation writes what is missing";
  EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(SetupWindowTest, ABlankFolderIsRefusedAndThePageStaysUsable) {
  ToFolderPage();
  Child<QLineEdit>("edPATH")->setText("   ");
  Click("bbNexts");
  EXPECT_EQ(messages.RaisedErrors, std::vector<std::string>{"Укажите каталог для установки!"});
  EXPECT_EQ(window->Step(), 1);
  EXPECT_TRUE(Enabled("bbNexts"));
  EXPECT_TRUE(Enabled("bbPrior"));
  EXPECT_TRUE(Enabled("edPATH"));
  EXPECT_FALSE(Enabled("tbOtmen"));
}

TEST_F(SetupWindowTest, BrowsingAppendsTheProgramFolderAndBackReturns) {
  ToFolderPage();
  browsed = "/data/Apps";
  Click("bbPATH");
  EXPECT_EQ(Child<QLineEdit>("edPATH")->text(), "/data/Apps/Ovalto4");
  browsed.clear();
  Click("bbPATH");
  EXPECT_EQ(Child<QLineEdit>("edPATH")->text(), "/data/Apps/Ovalto4") << "cancelling changes nothing";
  Click("bbPrior");
  EXPECT_EQ(window->Step(), 0);
  EXPECT_FALSE(Enabled("bbNexts"));
}

TEST_F(SetupWindowTest, EnterInTheFolderFieldBrowsesNothing) {
  ToFolderPage();
  auto* folder = Child<QLineEdit>("edPATH");
  const QString typed = folder->text();
  browsed = "/data/Apps";
  folder->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(folder, &enter);
  EXPECT_EQ(folder->text(), typed);
  EXPECT_EQ(window->Step(), 1);
}

TEST_F(SetupWindowTest, AnArchiveCopyThatCantBeWrittenEndsTheWizardWithTheOldProgramInPlace) {
  const fs::path target = home.Root() / "old";
  fs::create_directories(target);
  WriteText(target / "Ovalto4", "old program");
  ToFolderPage();
  Child<QLineEdit>("edPATH")->setText(QString::fromStdString(target.string()));
  {
    FileSizeLimit full(1000);
    Click("bbNexts");
  }
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, "Ошибка распаковки \"Ovalto4.dat\" !");
  EXPECT_EQ(messages.Shown[0].Buttons, static_cast<unsigned>(ovalto::kButtonCancel));
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(ReadText(target / "Ovalto4"), "old program");
}

TEST_F(SetupWindowTest, AFailedExtractionIsNeverReportedAsSuccess) {
  std::string corrupt = Payload();
  for (std::size_t at = 1000; at < 1100; ++at) corrupt[at] = static_cast<char>(corrupt[at] ^ 0x5A);
  services.Payload = corrupt;
  window = std::make_unique<TfMain>(services);
  window->show();
  ToFolderPage();
  const fs::path target = home.Root() / "corrupt";
  Child<QLineEdit>("edPATH")->setText(QString::fromStdString(target.string()));
  Click("bbNexts");
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, "Ошибка распаковки файлов !");
  EXPECT_EQ(messages.Shown[0].Type, ovalto::MessageType::Warning);
  EXPECT_EQ(messages.Shown[0].Buttons, static_cast<unsigned>(ovalto::kButtonOk));
  // The installation goes no further: the page stays, its buttons dead, the archive copy kept.
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->Step(), 1);
  EXPECT_EQ(Text("LLL"), "Шаг 3 : Установка программы на компьютер");
  EXPECT_FALSE(Enabled("bbNexts"));
  EXPECT_FALSE(Enabled("bbPrior"));
  EXPECT_FALSE(Enabled("tbOtmen"));
  EXPECT_TRUE(fs::exists(target / "Ovalto4.dat"));
  EXPECT_FALSE(fs::exists(home.Home() / "Desktop/Ovalto4.desktop"));
}

TEST_F(SetupWindowTest, CancelAsksFirstAndEscapeDoesNotEndTheInstaller) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &escape);
  EXPECT_TRUE(window->isVisible());
  messages.Answers = {ovalto::kButtonNo, ovalto::kButtonYes};
  Click("tbOtmen");
  EXPECT_TRUE(window->isVisible());
  Click("tbOtmen");
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(messages.Shown[0].Text, "Отменить установку программы ?");
}

}  // namespace
}  // namespace setup::test
