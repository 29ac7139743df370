// Saves a picture of a widget into the folder named by OVALTO_SHOTS, so a
// developer can look at the dialogs as a user sees them; does nothing when
// the variable is not set.
#pragma once

#include <QDir>
#include <QWidget>

namespace ovalto::testing {

inline void SaveShot(QWidget& widget, const QString& name) {
  const QString folder = qEnvironmentVariable("OVALTO_SHOTS");
  if (folder.isEmpty()) return;
  widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace ovalto::testing
