// What the help's pictures are made with: the folder they go to, and desktop services that
// answer without a desktop.
#pragma once

#include <QString>
#include <map>
#include <string>

#include "message_box.h"
#include "shell.h"
#include "user_data.h"

class QWidget;

namespace shots {

// The help folder: each picture goes into the picture folder of its page.
class HelpFolder {
 public:
  explicit HelpFolder(QString folder) : folder_(std::move(folder)) {}
  // The widget as it shows now, as <page>/<name>; false (and a line on stderr) when it can't.
  bool Save(QWidget& widget, const QString& page, const QString& name) const;

 private:
  QString folder_;
};

// Every box is answered with its first button, as if the user agreed. A picture is taken of
// what went right: a box means it did not, and is told on stderr.
class SilentMessages : public ovalto::MessageBoxes {
 public:
  ovalto::MessageButton Show(ovalto::MessageType, const std::string& text, unsigned buttons) override;
  void ShowRaisedError(const std::string& text) override;
  bool AnyShown() const { return shown_; }

 private:
  bool shown_ = false;
};

class NoShell : public ovalto::Shell {
 public:
  bool Open(const std::string&) override { return true; }
};

class MemoryUserData : public ovalto::UserDataStore {
 public:
  std::string Read(const std::string& name, const std::string& fallback) const override;
  void Write(const std::string& name, const std::string& value) override { values_[name] = value; }

 private:
  std::map<std::string, std::string> values_;
};

// The user of the pictures: the texts the installer and the report dialog show.
void FillSampleUser(ovalto::UserDataStore& store);

// The calculator's screens and dialogs, the project screens, and the installer's pages.
bool ShootCalculation(const HelpFolder& help);
bool ShootProjects(const HelpFolder& help);
bool ShootSetup(const HelpFolder& help);

}  // namespace shots
