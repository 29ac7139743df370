// The start screen, the calculation screen of each system, a calculation with its results and
// chart, the climate data of an outdoor kind, and the dialogs of the outer coefficient and of
// the report's user data.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTemporaryDir>

#include "dialogs/tf_get_data.h"
#include "dialogs/tf_get_kt.h"
#include "headless_run.h"
#include "main_window.h"
#include "shots.h"

namespace shots {

namespace {

void PickKind(ovalto::TfMain& window, const char* label) {
  QLabel* kind = window.findChild<QLabel*>(label);
  if (!kind) return;
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(kind, &click);
}

void ShowPage(ovalto::TfMain& window, int page) {
  window.findChild<QTabWidget*>(QStringLiteral("pcM"))->setCurrentIndex(page);
}

// A heating pipeline indoors, steel 57 x 3,5 mm, water at 90 °С, under the heat-flow norm.
ovalto::HeadlessInputs HeatingPipe() {
  ovalto::HeadlessInputs in;
  in.KindCode = 11111;
  in.Texts = {{"Ms_", "Сталь"}, {"Dn", "57"}, {"Wst", "3,5"}, {"Tb", "90"}, {"Tn", "20"}, {"QL", "25"}};
  return in;
}

// The same pipeline outdoors in Барнаул, all year round, sized for the least annual cost. The
// region list keeps Алтайский край under Республика Алтай.
ovalto::HeadlessInputs OutdoorPipe() {
  ovalto::HeadlessInputs in;
  in.KindCode = 11120;
  in.Texts = {{"Ms_", "Сталь"},  {"Dn", "57"}, {"Wst", "3,5"}, {"Z", "8760"}, {"Tb", "90"}, {"Rg_", "Республика Алтай"},
              {"Np_", "Барнаул"}};
  return in;
}

}  // namespace

bool ShootCalculation(const HelpFolder& help) {
  QTemporaryDir programFolder;
  SilentMessages messages;
  NoShell shell;
  MemoryUserData userData;
  FillSampleUser(userData);
  ovalto::TfMain window({messages, shell, userData, programFolder.path()});
  window.show();

  bool saved = help.Save(window, QStringLiteral("01_Общая_часть"), QStringLiteral("start_screen.png"));
  window.ImMainMouseUp(1);
  saved = help.Save(window, QStringLiteral("02_Окно_расчета"), QStringLiteral("kind_pages.png")) && saved;
  const struct {
    const char* Page;
    const char* Picture;
  } systems[] = {{"04_Отопление", "heating.png"},
                 {"05_Водоснабжение", "water_supply.png"},
                 {"06_Вентиляция_и_кондиционирование", "ventilation.png"},
                 {"07_Технология", "process.png"}};
  for (int page = 3; page >= 0; --page) {
    ShowPage(window, page);
    saved = help.Save(window, QString::fromUtf8(systems[page].Page), QString::fromUtf8(systems[page].Picture)) && saved;
  }

  PickKind(window, "L11111");
  saved = help.Save(window, QStringLiteral("02_Окно_расчета"), QStringLiteral("kind_chosen.png")) && saved;
  ovalto::FillGrid(window.Session(), HeatingPipe());
  saved =
      help.Save(window, QStringLiteral("03_Таблица_исходных_данных"), QStringLiteral("parameter_grid.png")) && saved;
  window.bbCalkClick();
  saved = help.Save(window, QStringLiteral("08_Задачи_расчета"), QStringLiteral("results.png")) && saved;
  window.bbDiagClick();
  saved = help.Save(window, QStringLiteral("10_Диаграмма"), QStringLiteral("heat_flow_chart.png")) && saved;
  window.bbDiagClick();

  PickKind(window, "L11120");
  ovalto::FillGrid(window.Session(), OutdoorPipe());
  saved = help.Save(window, QStringLiteral("12_Климатические_данные"), QStringLiteral("climate_rows.png")) && saved;
  window.bbCalkClick();
  window.bbDiagClick();
  saved = help.Save(window, QStringLiteral("10_Диаграмма"), QStringLiteral("cost_chart.png")) && saved;
  window.bbDiagClick();

  ovalto::TfGetKT coefficients(&window);
  coefficients.show();
  saved =
      help.Save(coefficients, QStringLiteral("09_Коэффициент_теплоотдачи"), QStringLiteral("coefficient_table.png")) &&
      saved;
  coefficients.close();
  ovalto::TfGetData user(userData, &window);
  user.show();
  saved = help.Save(user, QStringLiteral("11_Отчет_о_расчете"), QStringLiteral("user_data.png")) && saved;
  user.close();
  return saved && !messages.AnyShown();
}

}  // namespace shots
