#pragma once

#include <QString>

#include "user_data.h"

namespace ovalto {

// Where the user's data lives: "Ovalto4.ini" in the user's configuration
// folder (XDG_CONFIG_HOME, normally ~/.config). The installer and the
// calculator both call this, so the rule is written only here.
QString UserDataFilePath();

// The "SoftWare" section of that file, read and written through QSettings.
class IniUserDataStore : public UserDataStore {
 public:
  explicit IniUserDataStore(QString path = UserDataFilePath()) : path_(std::move(path)) {}
  std::string Read(const std::string& name, const std::string& fallback) const override;
  void Write(const std::string& name, const std::string& value) override;

 private:
  QString path_;
};

}  // namespace ovalto
