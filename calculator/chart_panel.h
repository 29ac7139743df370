// The results chart panel pnDIAG: the program logo and the kind's name in a
// strip on the left, the chart DIAG on the right. It draws what the core's
// ChartData says; a click on the chart asks to close it.
#pragma once

#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QWidget>

#include <array>

#include "report/chart_data.h"

namespace ovalto {

class ChartPanel : public QWidget {
  Q_OBJECT

 public:
  explicit ChartPanel(QWidget* parent);

  // Clears and refills the three lines, the legend, the axes and the titles.
  void Draw(const ChartData& data, const QString& kindCaption);
  // DIAG's width; the chart keeps to the panel's right edge.
  void SetChartWidth(int width);
  // The chart as it is drawn now, at its own size.
  QImage GrabChart();

  QChartView* DIAG() const { return DIAG_; }
  const QLineSeries* Series(int line) const { return series_[line]; }

  int Tag = 0;  // 1 while the chart has been opened, 0 after it was closed

 signals:
  void ChartClicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetBottomLabels(const ChartData& data);
  void PlaceLegend();

  QLabel* ImLogo_ = nullptr;
  QLabel* LCC_ = nullptr;
  QChartView* DIAG_ = nullptr;
  QChart* chart_ = nullptr;
  std::array<QLineSeries*, 3> series_{};
  int chartWidth_ = 0;
};

}  // namespace ovalto
