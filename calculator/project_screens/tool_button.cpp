#include "tool_button.h"

namespace ovalto {

QToolButton* AddToolButton(QToolBar* bar, const char* name, const QString& text, const QString& hint) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QLatin1String(name));
  button->setText(text);
  button->setToolTip(hint);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setAutoRaise(false);
  button->setMinimumWidth(70);
  bar->addWidget(button);
  return button;
}

}  // namespace ovalto
