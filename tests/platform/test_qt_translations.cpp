#include "qt_translations.h"

#include <QLineEdit>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

namespace ovalto {
namespace {

TEST(QtTranslations, TextFieldsOfferTheirMenuInRussian) {
  ASSERT_TRUE(InstallRussianQtTexts()) << "Qt's Russian translations are missing (Debian: qt6-translations-l10n)";
  QLineEdit field(QStringLiteral("текст"));
  const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList items;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    // The words, without the shortcut's key names and the mnemonic's mark.
    const QString item = action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    items << item;
    for (const QChar c : item) EXPECT_FALSE(c.isLetter() && c.unicode() < 128) << item.toStdString();
  }
  EXPECT_TRUE(items.contains(QStringLiteral("Копировать"))) << items.join(", ").toStdString();
}

}  // namespace
}  // namespace ovalto
