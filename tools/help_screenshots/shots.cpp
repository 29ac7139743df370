#include "shots.h"

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

namespace shots {

bool HelpFolder::Save(QWidget& widget, const QString& page, const QString& name) const {
  QApplication::processEvents();
  const QString pictures = folder_ + QLatin1Char('/') + page;
  QDir().mkpath(pictures);
  const QString path = pictures + QLatin1Char('/') + name;
  if (widget.grab().save(path, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

ovalto::MessageButton SilentMessages::Show(ovalto::MessageType, const std::string& text, unsigned buttons) {
  ShowRaisedError(text);
  for (unsigned bit = 1; bit <= ovalto::kButtonCancel; bit <<= 1) {
    if (buttons & bit) return static_cast<ovalto::MessageButton>(bit);
  }
  return ovalto::kButtonCancel;
}

void SilentMessages::ShowRaisedError(const std::string& text) {
  std::fprintf(stderr, "the program said: %s\n", text.c_str());
  shown_ = true;
}

std::string MemoryUserData::Read(const std::string& name, const std::string& fallback) const {
  const auto found = values_.find(name);
  return found == values_.end() ? fallback : found->second;
}

void FillSampleUser(ovalto::UserDataStore& store) {
  const char* values[] = {"ООО «Теплопроект»",  "Иванов И.И.", "инженер-проектировщик",
                          "+7 (495) 123-45-67", "Котельная",   "Теплотрасса Т1"};
  for (std::size_t row = 0; row < ovalto::kUserDataFields.size(); ++row) {
    store.Write(ovalto::kUserDataFields[row].Name, values[row]);
  }
}

}  // namespace shots
