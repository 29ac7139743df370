// Renders the calculator's own screens and dialogs and the installer's pages offscreen for the
// help pages, so that the pictures show the programs as they are built:
//   ovalto_help_screenshots <help folder>
// Each picture goes into the picture folder of its page.
#include <QApplication>
#include <QFont>
#include <cstdio>

#include "shots.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ovalto_help_screenshots <help folder>\n");
    return 2;
  }
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);

  const shots::HelpFolder help(QString::fromLocal8Bit(argv[1]));
  bool saved = shots::ShootCalculation(help);
  saved = shots::ShootProjects(help) && saved;
  saved = shots::ShootSetup(help) && saved;
  return saved ? 0 : 1;
}
