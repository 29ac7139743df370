// Message boxes on the desktop, with the program's own Russian captions and
// button texts rather than the desktop's.
#pragma once

#include <QString>

#include "message_box.h"

class QWidget;

namespace ovalto {

struct MessageTexts {
  QString Warning = QStringLiteral("Предупреждение");
  QString Error = QStringLiteral("Ошибка");
  QString Information = QStringLiteral("Информация");
  QString Confirmation = QStringLiteral("Подтверждение");
  QString Yes = QStringLiteral("&Да");
  QString No = QStringLiteral("&Нет");
  QString Ok = QStringLiteral("OK");
  // A warning's only button acknowledges what went wrong: it keeps the plain OK where the
  // program's own OK reads as a step forward.
  QString WarningOk = QStringLiteral("OK");
  QString Cancel = QStringLiteral("Отмена");
  QString Title = QStringLiteral("Ovalto 4");  // caption of an unhandled error
};

// The program's texts end their lines with a carriage return alone, as the
// message boxes of its first platform did; Qt breaks lines at line feeds.
QString MessageDisplayText(const std::string& text);

class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(MessageTexts texts = {}) : texts_(std::move(texts)) {}

  // Boxes are modal to this window (none: to the whole application).
  void SetParent(QWidget* parent) { parent_ = parent; }

  MessageButton Show(MessageType type, const std::string& text, unsigned buttons) override;
  void ShowRaisedError(const std::string& text) override;

 private:
  MessageTexts texts_;
  QWidget* parent_ = nullptr;
};

}  // namespace ovalto
