#include "qt_user_data.h"

#include <QSettings>
#include <QStandardPaths>

namespace ovalto {

namespace {

const QString kSection = QStringLiteral("SoftWare");

QString Key(const std::string& name) { return kSection + QLatin1Char('/') + QString::fromStdString(name); }

}  // namespace

QString UserDataFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Ovalto4.ini");
}

std::string IniUserDataStore::Read(const std::string& name, const std::string& fallback) const {
  QSettings settings(path_, QSettings::IniFormat);
  return settings.value(Key(name), QString::fromStdString(fallback)).toString().toStdString();
}

void IniUserDataStore::Write(const std::string& name, const std::string& value) {
  QSettings settings(path_, QSettings::IniFormat);
  settings.setValue(Key(name), QString::fromStdString(value));
}

}  // namespace ovalto
