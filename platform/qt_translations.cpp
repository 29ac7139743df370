#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ovalto {

bool InstallRussianQtTexts() {
  auto* texts = new QTranslator(QCoreApplication::instance());
  if (!texts->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete texts;
    return false;
  }
  return QCoreApplication::installTranslator(texts);
}

}  // namespace ovalto
