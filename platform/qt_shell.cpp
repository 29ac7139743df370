#include "qt_shell.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace ovalto {

bool QtShell::Open(const std::string& target) {
  const QString text = QString::fromStdString(target);
  const bool isWebAddress = text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://"));
  return QDesktopServices::openUrl(isWebAddress ? QUrl(text) : QUrl::fromLocalFile(text));
}

}  // namespace ovalto
