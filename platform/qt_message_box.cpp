#include "qt_message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace ovalto {

QString MessageDisplayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

MessageButton QtMessageBoxes::Show(MessageType type, const std::string& text, unsigned buttons) {
  QMessageBox box(parent_);
  switch (type) {
    case MessageType::Warning:
      box.setIcon(QMessageBox::Warning);
      box.setWindowTitle(texts_.Warning);
      break;
    case MessageType::Error:
      box.setIcon(QMessageBox::Critical);
      box.setWindowTitle(texts_.Error);
      break;
    case MessageType::Information:
      box.setIcon(QMessageBox::Information);
      box.setWindowTitle(texts_.Information);
      break;
    case MessageType::Confirmation:
      box.setIcon(QMessageBox::Question);
      box.setWindowTitle(texts_.Confirmation);
      break;
  }
  // The texts carry what the user typed (a project number, a path); markup
  // in them is shown, never applied.
  box.setTextFormat(Qt::PlainText);
  box.setText(MessageDisplayText(text));

  struct Choice {
    MessageButton button;
    const QString* caption;
    QMessageBox::ButtonRole role;
  };
  const Choice choices[] = {
      {kButtonYes, &texts_.Yes, QMessageBox::YesRole},
      {kButtonNo, &texts_.No, QMessageBox::NoRole},
      {kButtonOk, type == MessageType::Warning ? &texts_.WarningOk : &texts_.Ok, QMessageBox::AcceptRole},
      {kButtonCancel, &texts_.Cancel, QMessageBox::RejectRole},
  };
  QAbstractButton* added[4] = {};
  MessageButton onlyButton = kButtonCancel;
  int count = 0;
  for (int i = 0; i < 4; ++i) {
    if (buttons & choices[i].button) {
      added[i] = box.addButton(*choices[i].caption, choices[i].role);
      onlyButton = choices[i].button;
      ++count;
    }
  }
  if (count == 1) box.setEscapeButton(box.buttons().first());
  box.exec();
  for (int i = 0; i < 4; ++i) {
    if (added[i] && box.clickedButton() == added[i]) return choices[i].button;
  }
  return count == 1 ? onlyButton : kButtonCancel;
}

void QtMessageBoxes::ShowRaisedError(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, texts_.Title, QString(), QMessageBox::NoButton, parent_);
  box.setTextFormat(Qt::PlainText);
  box.setText(MessageDisplayText(text));
  box.addButton(texts_.Ok, QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace ovalto
