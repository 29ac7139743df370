// The buttons of the project screens' tool bars: text only, and framed, so
// they read as buttons as on the calculation screen.
#pragma once

#include <QString>
#include <QToolBar>
#include <QToolButton>

namespace ovalto {

QToolButton* AddToolButton(QToolBar* bar, const char* name, const QString& text, const QString& hint = {});

}  // namespace ovalto
