#include <QApplication>
#include <QIcon>

#include "main_window.h"
#include "qt_message_box.h"
#include "qt_shell.h"
#include "qt_user_data.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The application's name, not its display name: that would be appended to
  // every window caption.
  QApplication::setApplicationName(QStringLiteral("Ovalto 4"));
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/program_icon.png")));

  ovalto::QtMessageBoxes messages;
  ovalto::QtShell shell;
  ovalto::IniUserDataStore userData;
  ovalto::TfMain window({messages, shell, userData});
  messages.SetParent(&window);
  window.show();
  return application.exec();
}
