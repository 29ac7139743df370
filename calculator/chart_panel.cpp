#include "chart_panel.h"

#include <QCategoryAxis>
#include <QEvent>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLinearGradient>
#include <QLocale>
#include <QMouseEvent>
#include <QValueAxis>

#include <algorithm>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "pictures.h"

namespace ovalto {

namespace {

constexpr int kStripWidth = 127;  // the logo and the kind's name, left of the chart
constexpr int kLegendTop = 8;
const QColor kLineColours[3] = {Qt::red, Qt::blue, QColor(0, 128, 0)};
const QColor kNavy(0, 0, 128);

QFont ArialBold(int pointSize) {
  QFont font(QStringLiteral("Arial"), pointSize);
  font.setBold(true);
  return font;
}

}  // namespace

ChartPanel::ChartPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnDIAG"));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);

  ImLogo_ = new QLabel(this);
  ImLogo_->setObjectName(QStringLiteral("ImLogo"));
  ImLogo_->setGeometry(17, 19, 92, 88);
  ImLogo_->setScaledContents(true);
  ImLogo_->setPixmap(LoadPicture(Picture::ProgramLogo));

  LCC_ = new QLabel(this);
  LCC_->setObjectName(QStringLiteral("LCC"));
  LCC_->setGeometry(3, 126, 122, 141);
  LCC_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  LCC_->setWordWrap(true);
  // The name's long words ("Кондиционирование") fit the strip only in a
  // face as narrow as the one it was laid out for.
  QFont bold = LCC_->font();
  bold.setPixelSize(10);
  bold.setBold(true);
  LCC_->setFont(bold);

  chart_ = new QChart;
  chart_->setBackgroundRoundness(0);
  // The right margin leaves room for the half of the last thickness label.
  chart_->setMargins(QMargins(2, 2, 12, 2));
  chart_->layout()->setContentsMargins(0, 0, 0, 0);
  chart_->setPlotAreaBackgroundBrush(Qt::white);
  chart_->setPlotAreaBackgroundVisible(true);
  chart_->setTitleFont(ArialBold(10));
  chart_->setTitleBrush(kNavy);
  chart_->setAnimationOptions(QChart::NoAnimation);
  // Values in the program's own number format, whatever the system's locale.
  QLocale decimalComma(QLocale::Russian, QLocale::Russia);
  decimalComma.setNumberOptions(QLocale::OmitGroupSeparator);
  chart_->setLocale(decimalComma);
  chart_->setLocalizeNumbers(true);

  auto* bottom = new QCategoryAxis(chart_);
  bottom->setTitleText(QString::fromUtf8(kBottomAxisTitle));
  bottom->setTitleFont(ArialBold(8));
  bottom->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  auto* left = new QValueAxis(chart_);
  left->setTitleFont(ArialBold(8));
  left->setLabelFormat(QStringLiteral("%.10g"));
  chart_->addAxis(bottom, Qt::AlignBottom);
  chart_->addAxis(left, Qt::AlignLeft);
  for (int line = 0; line < 3; ++line) {
    series_[line] = new QLineSeries(chart_);
    series_[line]->setObjectName(QStringLiteral("Series%1").arg(line + 1));
    series_[line]->setPen(QPen(kLineColours[line], 2));
    chart_->addSeries(series_[line]);
    series_[line]->attachAxis(bottom);
    series_[line]->attachAxis(left);
  }
  // The legend lies over the plot instead of shrinking it.
  chart_->legend()->detachFromChart();
  chart_->legend()->setBackgroundVisible(true);
  chart_->legend()->setBrush(QColor(255, 255, 255, 230));
  chart_->legend()->setPen(QPen(Qt::gray));
  chart_->legend()->setAlignment(Qt::AlignRight);  // a detached legend lists its lines one under another

  DIAG_ = new QChartView(chart_, this);
  DIAG_->setObjectName(QStringLiteral("DIAG"));
  DIAG_->setRenderHint(QPainter::Antialiasing);
  DIAG_->setCursor(Qt::PointingHandCursor);
  // The view passes hints on to its scene, so the chart carries it too.
  DIAG_->setToolTip(QStringLiteral("Закрыть диаграмму"));
  chart_->setToolTip(DIAG_->toolTip());
  DIAG_->setFrameShape(QFrame::NoFrame);
  // A click closes the chart and leaves the keyboard where it was: taking the
  // focus would leave the grid, whose exit locks the report again.
  DIAG_->setFocusPolicy(Qt::NoFocus);
  DIAG_->viewport()->installEventFilter(this);
  hide();
}

void ChartPanel::SetChartWidth(int width) {
  chartWidth_ = std::max(0, width);
  DIAG_->setGeometry(this->width() - chartWidth_, 0, chartWidth_, height());
}

void ChartPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  SetChartWidth(chartWidth_ > 0 ? chartWidth_ : width() - kStripWidth);
  // The background shades from the right edge to the left.
  QLinearGradient shade(DIAG_->width(), 0, 0, 0);
  shade.setColorAt(0, Qt::white);
  shade.setColorAt(1, QColor(222, 230, 240));
  chart_->setBackgroundBrush(shade);
  PlaceLegend();
}

bool ChartPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DIAG_->viewport() && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit ChartClicked();
  }
  return QWidget::eventFilter(watched, event);
}

void ChartPanel::Draw(const ChartData& data, const QString& kindCaption) {
  LCC_->setText(kindCaption);
  double low = std::numeric_limits<double>::max();
  double high = std::numeric_limits<double>::lowest();
  for (int line = 0; line < 3; ++line) {
    const ChartSeriesData& source = data.Series[line];
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(source.Points.size()));
    for (const ChartPoint& point : source.Points) {
      points.append(QPointF(point.X, point.Y));
      if (source.Active) {
        low = std::min(low, point.Y);
        high = std::max(high, point.Y);
      }
    }
    series_[line]->replace(points);
    series_[line]->setVisible(source.Active);
    if (source.Title) series_[line]->setName(QString::fromStdString(*source.Title));
    for (QLegendMarker* marker : chart_->legend()->markers(series_[line])) marker->setVisible(source.Active);
  }
  chart_->setTitle(QString::fromStdString(data.Title));
  auto* left = static_cast<QValueAxis*>(chart_->axes(Qt::Vertical).constFirst());
  left->setTitleText(QString::fromStdString(data.LeftAxisTitle));
  if (low > high) low = 0, high = 1;
  if (low == high) low -= 1, high += 1;
  left->setRange(low, high);
  left->applyNiceNumbers();
  SetBottomLabels(data);
  chart_->legend()->setVisible(data.LegendVisible);
  PlaceLegend();
}

// The points' own texts stand under their thicknesses; where two would
// crowd each other, the later one is left out.
void ChartPanel::SetBottomLabels(const ChartData& data) {
  auto* bottom = static_cast<QCategoryAxis*>(chart_->axes(Qt::Horizontal).constFirst());
  for (const QString& label : bottom->categoriesLabels()) bottom->remove(label);
  std::map<double, QString> labels;
  for (const ChartSeriesData& series : data.Series) {
    if (!series.Active) continue;
    for (const ChartPoint& point : series.Points) {
      if (!point.Text.empty()) labels.emplace(point.X, QString::fromStdString(point.Text));
    }
  }
  const double end = labels.empty() ? 1 : std::max(1.0, labels.rbegin()->first);
  const QFontMetrics metrics(bottom->labelsFont());
  const double pixelsPerUnit = std::max(1, DIAG_->width() - 80) / end;
  bottom->setStartValue(-end / 1000);
  // From the thickest step down, so that the axis always ends labelled; the
  // axis shortens a label to "..." well before labels touch.
  std::vector<std::pair<double, QString>> kept;
  for (auto it = labels.rbegin(); it != labels.rend(); ++it) {
    const auto& [x, text] = *it;
    const double gap = kept.empty() ? end : kept.back().first - x;
    if (gap * pixelsPerUnit >= 1.5 * metrics.horizontalAdvance(kept.empty() ? text : kept.back().second) + 4) {
      kept.emplace_back(x, text);
    }
  }
  for (auto it = kept.rbegin(); it != kept.rend(); ++it) bottom->append(it->second, it->first);
  bottom->setRange(0, end);
}

// One line a shown series, near the top of the plot.
void ChartPanel::PlaceLegend() {
  QLegend* legend = chart_->legend();
  const QFontMetrics metrics(legend->font());
  int lines = 0;
  int widest = 0;
  for (const QLineSeries* series : series_) {
    if (!series->isVisible()) continue;
    ++lines;
    widest = std::max(widest, metrics.horizontalAdvance(series->name()));
  }
  const QRectF plot = chart_->plotArea();
  const QSizeF hint = legend->effectiveSizeHint(Qt::PreferredSize);
  const QSizeF size(std::min<qreal>(std::max<qreal>(widest + 48, hint.width()), plot.width()),
                    std::max<qreal>(lines * (metrics.height() + 12) + 12, hint.height()));
  legend->setGeometry(
      QRectF(plot.center().x() - size.width() / 2, plot.top() + kLegendTop, size.width(), size.height()));
  legend->update();
}

QImage ChartPanel::GrabChart() {
  // On a high-density screen the grab has more pixels than the page gives
  // the picture.
  QImage image = DIAG_->grab().toImage();
  if (image.size() != DIAG_->size()) {
    image = image.scaled(DIAG_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return image;
}

}  // namespace ovalto
