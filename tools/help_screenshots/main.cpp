// Renders the calculator's own screens offscreen for the help pages, so that the pictures show
// the program as it is built:
//   ovalto_help_screenshots <help folder>
// Each picture goes into the picture folder of its page.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <cstdio>
#include <map>

#include "main_window.h"

namespace {

// The window's services, answering without a desktop.
class SilentMessages : public ovalto::MessageBoxes {
 public:
  ovalto::MessageButton Show(ovalto::MessageType, const std::string&, unsigned buttons) override {
    for (unsigned bit = 1; bit <= ovalto::kButtonCancel; bit <<= 1) {
      if (buttons & bit) return static_cast<ovalto::MessageButton>(bit);
    }
    return ovalto::kButtonCancel;
  }
  void ShowRaisedError(const std::string&) override {}
};

class NoShell : public ovalto::Shell {
 public:
  bool Open(const std::string&) override { return true; }
};

class MemoryUserData : public ovalto::UserDataStore {
 public:
  std::string Read(const std::string& name, const std::string& fallback) const override {
    const auto found = values_.find(name);
    return found == values_.end() ? fallback : found->second;
  }
  void Write(const std::string& name, const std::string& value) override { values_[name] = value; }

 private:
  std::map<std::string, std::string> values_;
};

bool Save(QWidget& window, const QString& folder, const QString& page, const QString& name) {
  QApplication::processEvents();
  const QString pictures = folder + QLatin1Char('/') + page;
  QDir().mkpath(pictures);
  const QString path = pictures + QLatin1Char('/') + name;
  if (window.grab().save(path, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

void ClickKind(ovalto::TfMain& window, const char* label) {
  QLabel* kind = window.findChild<QLabel*>(label);
  if (!kind) return;
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(kind, &click);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ovalto_help_screenshots <help folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QFont font = QApplication::font();
  font.setPointSize(8);
  QApplication::setFont(font);

  SilentMessages messages;
  NoShell shell;
  MemoryUserData userData;
  ovalto::TfMain window({messages, shell, userData});
  window.show();

  bool saved = Save(window, folder, QStringLiteral("01_Общая_часть"), QStringLiteral("start_screen.png"));
  window.ImMainMouseUp(1);
  saved = Save(window, folder, QStringLiteral("02_Окно_расчета"), QStringLiteral("kind_pages.png")) && saved;
  window.findChild<QTabWidget*>(QStringLiteral("pcM"))->setCurrentIndex(1);
  ClickKind(window, "L21211");
  saved = Save(window, folder, QStringLiteral("02_Окно_расчета"), QStringLiteral("parameter_grid.png")) && saved;
  window.ImMainMouseUp(3);
  saved = Save(window, folder, QStringLiteral("05_Проекты"), QStringLiteral("project_list.png")) && saved;
  window.ImMainMouseUp(2);
  saved = Save(window, folder, QStringLiteral("05_Проекты"), QStringLiteral("project_editor.png")) && saved;
  return saved ? 0 : 1;
}
