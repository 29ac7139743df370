// The installer's pages: the licence, the folder and the user's data, reached by installing a
// payload of a stand-in program into a temporary folder.
#include <QAbstractButton>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include "setup_window.h"
#include "shots.h"
#include "zip_writer.h"

namespace shots {

namespace {

std::string StandInPayload() {
  payload::ZipWriter zip;
  zip.AddFile("Ovalto4", payload::Bytes{'#', '!', '\n'}, true);
  const payload::Bytes archive = zip.Finish();
  return std::string(archive.begin(), archive.end());
}

}  // namespace

bool ShootSetup(const HelpFolder& help) {
  QTemporaryDir home;
  SilentMessages messages;
  MemoryUserData userData;
  FillSampleUser(userData);
  const std::string root = home.path().toStdString();
  setup::SetupServices services{
      messages, userData, {}, {}, StandInPayload(), root, {root + "/data", root + "/config", root + "/Desktop"}};
  setup::TfMain wizard(services);
  wizard.show();
  const auto click = [&wizard](const char* name) { wizard.findChild<QAbstractButton*>(name)->click(); };
  bool saved = true;
  const auto save = [&](const char* name) {
    saved = help.Save(wizard, QStringLiteral("18_Установка_программы"), QString::fromUtf8(name)) && saved;
  };

  click("RB1");
  save("licence.png");
  click("bbNexts");
  auto* folder = wizard.findChild<QLineEdit*>(QStringLiteral("edPATH"));
  // The folder a user sees, not the temporary one the pictures install into.
  const QString typed = folder->text();
  folder->setText(QStringLiteral("/home/ivanov/Korvanta/Ovalto4"));
  save("folder.png");
  folder->setText(typed);
  click("bbNexts");
  if (auto* grid = wizard.findChild<QTableWidget*>(QStringLiteral("SGD")); grid && wizard.Step() == 2) {
    for (int row = 0; row < grid->rowCount(); ++row) {
      grid->item(row, 1)->setText(QString::fromStdString(userData.Read(ovalto::kUserDataFields[row].Name, "")));
    }
  }
  save("user_data.png");
  return saved && !messages.AnyShown();
}

}  // namespace shots
