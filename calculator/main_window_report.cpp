// The chart and the report of the calculation screen: the output buttons
// follow the engine's rules after every call, the chart stands in the place
// of the kind pages, and the report takes the chart as it was last drawn.
#include <QCoreApplication>

#include "chart_panel.h"
#include "dialogs/tf_get_data.h"
#include "main_window.h"
#include "pictures.h"
#include "qt_jpeg.h"
#include "report/chart_data.h"
#include "report/html_report.h"

namespace ovalto {

void TfMain::ShowOutputs() {
  const OutputControls& outputs = engine_.State.Outputs;
  pnDIAG->DIAG()->setEnabled(outputs.Chart);
  bbDiag->setEnabled(outputs.ChartButton);
  bbPrnt->setEnabled(outputs.Print);
  bbExcel->setEnabled(outputs.Excel);
}

void TfMain::WindowEngine::CalculateScheme(const std::string& derivedName) {
  window_.engine_.CalculateScheme(derivedName);
  window_.ShowOutputs();
}

int TfMain::WindowEngine::ValidateInputs(bool showMessages) {
  const int valid = window_.engine_.ValidateInputs(showMessages);
  window_.ShowOutputs();
  return valid;
}

void TfMain::bbDiagClick() {
  QCoreApplication::processEvents();
  if (!pnDIAG->isHidden()) {
    DIAGClick();
    return;
  }
  pcM->hide();
  pnDIAG->resize(pcM->width() - 1, ClientArea()->height());
  // The strip on the left keeps the logo and the kind's name.
  pnDIAG->SetChartWidth(pnDIAG->width() - 127);
  pnDIAG->show();
  pnDIAG->raise();
  pnDIAG->Tag = 1;
  DrawResultChart();
  pnDIAG->resize(pcM->width(), ClientArea()->height());
  update();
  FormResize();
  pnDIAG->DIAG()->update();
}

void TfMain::DIAGClick() {
  pnDIAG->hide();
  pnDIAG->Tag = 0;
  pcM->show();
  bbDiag->setEnabled(true);
  update();
  FormResize();
}

void TfMain::DrawResultChart() {
  QString caption = QString::fromStdString(session_.KindCaption);
  pnDIAG->Draw(MakeChartData(session_, engine_.State), caption.replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void TfMain::WriteHtmlReport(bool forSpreadsheet) {
  ReportRequest request;
  request.ProgramFolder = programFolder_.toStdString();
  request.ForSpreadsheet = forSpreadsheet;
  const QByteArray logo = PictureFile(Picture::ProgramLogo);
  request.LogoJpeg.assign(logo.begin(), logo.end());
  if (pnDIAG->Tag > 0) {
    DrawResultChart();
    request.Chart = FromQImage(pnDIAG->GrabChart());
  }
  ovalto::WriteHtmlReport(
      session_, request, [this] { return GetUserData(this, services_.UserData); }, services_.Desktop);
}

}  // namespace ovalto
