#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QThread>
#include <QTranslator>

#include "desktop_folder.h"
#include "payload_resource.h"
#include "qt_user_data.h"
#include "setup_window.h"

namespace {

constexpr int kPauseMs = 1500;

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Установка программы Ovalto 4"));
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);
  // The folder browse is Qt's own dialog: in Russian, like the rest of the window, wherever the
  // desktop has Qt's translations.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }

  ovalto::QtMessageBoxes messages(setup::InstallerMessageTexts());
  ovalto::IniUserDataStore userData;
  setup::SetupServices services{messages, userData, {}, {}, {}, {}, {}};
  services.Payload = setup::BuiltInPayload();
  services.Home = QDir::homePath().toStdString();
  services.Places.DataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
  services.Places.ConfigHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
  services.Places.DesktopFolder = setup::DesktopFolder(services.Home, services.Places.ConfigHome);
  services.Pause = [] {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() <= kPauseMs) {
      QApplication::processEvents();
      QThread::msleep(10);
    }
  };

  setup::TfMain* window = nullptr;
  services.BrowseFolder = [&window]() -> std::string {
    return QFileDialog::getExistingDirectory(window, QStringLiteral("Выбор каталога программы Ovalto 4"),
                                             QDir::homePath())
        .toStdString();
  };
  setup::TfMain wizard(std::move(services));
  window = &wizard;
  messages.SetParent(&wizard);
  wizard.show();
  return application.exec();
}
