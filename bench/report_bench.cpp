// Time from "Диаграмма" to the chart drawn and from "Применить" to the page
// written, on the calculation screen offscreen: the median of 20 of each,
// after a run of one kind of each of the seven tasks. With a folder as its
// argument it also saves the window with each chart, the dialog and the
// page's files there, for a look at what was timed.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

#include "chart_panel.h"
#include "dialogs/tf_get_data.h"
#include "headless_run.h"
#include "main_window.h"
#include "recording_message_boxes.h"
#include "recording_shell.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRepetitions = 20;

class TimedShell : public ovalto::Shell {
 public:
  Clock::time_point OpenedAt;
  bool Open(const std::string&) override {
    OpenedAt = Clock::now();
    return true;
  }
};

ovalto::HeadlessInputs Pipe(int kind, std::map<std::string, std::string> more) {
  ovalto::HeadlessInputs in;
  in.KindCode = kind;
  in.Texts = {{"Ms_", "Сталь"}, {"Dn", "60"}, {"Wst", "3,5"}, {"Tb", "90"}, {"Tn", "20"}, {"W", "0"}};
  for (auto& [name, text] : more) in.Texts[name] = text;
  return in;
}

// One kind of each task: energy efficiency, heat flow, surface temperature,
// condensation outside, temperature change, freeze protection, condensation
// inside.
std::vector<ovalto::HeadlessInputs> SevenTasks() {
  ovalto::HeadlessInputs inside;
  inside.KindCode = 31226;
  inside.Texts = {{"Vv_", "воздух"}, {"Dv", "250"}, {"Tb", "20"}, {"Tn", "-10"},
                  {"W", "5"},        {"Vlv", "60"}, {"Wb", "5"}};
  return {
      Pipe(11110, {{"Z", "4560"}, {"Be", "500"}, {"Ktr", "5"}, {"Zpl", "30000"}}),
      Pipe(11111, {{"QL", "40"}}),
      Pipe(11112, {{"Zn_", "рабочая и обслуживаемая"}}),
      Pipe(21123, {{"Dn", "48"}, {"Tb", "5"}, {"Vla", "60"}}),
      Pipe(11114, {{"L", "500"}, {"Vv_", "вода"}, {"Gm", "2000"}, {"T1", "90"}, {"T2", "85"}}),
      Pipe(21215, {{"Vv_", "вода"}, {"Tb", "5"}, {"Zt", "4"}, {"Tn", "-20"}, {"W", "3"}, {"Kz", "25"}}),
      inside,
  };
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return (values[kRepetitions / 2 - 1] + values[kRepetitions / 2]) / 2;
}

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

void PickKind(ovalto::TfMain& window, int kind) {
  window.ImMainMouseUp(1);
  const int system = kind / 10000;
  window.findChild<QTabWidget*>("pcM")->setCurrentIndex(system == 5 ? 3 : system - 1);
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(window.findChild<QLabel*>(QStringLiteral("L%1").arg(kind)), &click);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QFont font = QApplication::font();  // as the program sets it
  font.setPointSize(8);
  QApplication::setFont(font);
  const QString pictures = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  if (!pictures.isEmpty()) QDir().mkpath(pictures);

  ovalto::testing::RecordingMessageBoxes messages;
  TimedShell shell;
  ovalto::testing::MemoryUserData store;
  // Typed texts with markup characters, as a user may well have them.
  store.Values = {
      {"Компания", "ООО \"Тепло & Холод\""}, {"Фамилия", "Иванов И.И."},     {"Должность", "ГИП"},
      {"Телефон", "+7 (495) 000-00-00"},     {"Название", "Котельная <№2>"}, {"Наименование", "Теплотрасса Т1"}};
  ovalto::TfMain window({messages, shell, store});
  window.show();
  QApplication::processEvents();

  std::vector<double> chartTimes;
  std::vector<double> pageTimes;
  for (const ovalto::HeadlessInputs& inputs : SevenTasks()) {
    PickKind(window, inputs.KindCode);
    ovalto::FillGrid(window.Session(), inputs);
    messages.Shown.clear();
    window.bbCalkClick();
    for (const auto& shown : messages.Shown) std::printf("%d: %s\n", inputs.KindCode, shown.Text.c_str());

    std::vector<double> chart;
    for (int i = 0; i < kRepetitions; ++i) {
      const auto start = Clock::now();
      window.bbDiagClick();
      window.ChartPanelWidget()->DIAG()->repaint();
      chart.push_back(Milliseconds(start, Clock::now()));
      if (i + 1 < kRepetitions) window.DIAGClick();
    }
    std::vector<double> page;
    for (int i = 0; i < kRepetitions; ++i) {
      Clock::time_point applied;
      QTimer::singleShot(0, [&] {
        auto* dialog = static_cast<ovalto::TfGetData*>(QApplication::activeModalWidget());
        if (i == 0 && !pictures.isEmpty()) dialog->grab().save(pictures + "/dialog.png");
        applied = Clock::now();
        dialog->bbOKClick();
      });
      window.WriteHtmlReport(i % 2 == 1);
      page.push_back(Milliseconds(applied, shell.OpenedAt));
    }
    std::printf("%d: chart %.2f ms, page %.2f ms (median of %d)\n", inputs.KindCode, Median(chart), Median(page),
                kRepetitions);
    chartTimes.push_back(Median(chart));
    pageTimes.push_back(Median(page));
    if (!pictures.isEmpty()) window.grab().save(pictures + QStringLiteral("/chart_%1.png").arg(inputs.KindCode));
    window.DIAGClick();
  }
  std::printf("all kinds: chart %.2f ms, page %.2f ms (largest median)\n",
              *std::max_element(chartTimes.begin(), chartTimes.end()),
              *std::max_element(pageTimes.begin(), pageTimes.end()));
  if (!pictures.isEmpty()) {
    for (const char* name : {"report4.htm", "report4.xls", "diagram4.jpg", "ovalto4.jpg"}) {
      QFile::remove(pictures + "/" + name);
      QFile::copy(window.ProgramFolder() + name, pictures + "/" + name);
    }
  }
  return 0;
}
