#include "dialogs/tf_get_kt.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <functional>

namespace ovalto {

namespace {

// Column edges of the table: row captions, two indoor and three outdoor columns.
constexpr int kColumnLeft[] = {140, 236, 332, 378, 425};
constexpr int kColumnWidth[] = {96, 96, 46, 47, 47};
constexpr int kHeaderHeight = 78;
constexpr int kRowTop[] = {78, 112};
constexpr int kRowHeight[] = {34, 56};

struct Place {
  int Left, Top, Width, Height;
};

// Where each caption of the table stands.
Place CaptionPlace(std::string_view name) {
  if (name == "LU11") return {0, 0, 140, kHeaderHeight};
  if (name == "LU21") return {140, 0, 192, 26};
  if (name == "LU22") return {140, 26, 96, 52};
  if (name == "LU23") return {236, 26, 96, 52};
  if (name == "LU31") return {332, 0, 140, 52};
  if (name == "pnU31") return {332, 52, 46, 26};
  if (name == "pnU32") return {378, 52, 47, 26};
  if (name == "pnU33") return {425, 52, 47, 26};
  if (name == "LC11") return {0, kRowTop[0], 140, kRowHeight[0]};
  return {0, kRowTop[1], 140, kRowHeight[1]};  // LD11
}

// A raised panel of the table; a value panel reports a click.
class Panel : public QLabel {
 public:
  Panel(QWidget* parent, std::string_view name, Place place) : QLabel(parent) {
    setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    setGeometry(place.Left, place.Top, place.Width, place.Height);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
  }

  std::function<void()> Clicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (Clicked && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      Clicked();
    }
    QLabel::mouseReleaseEvent(event);
  }
};

QString CaptionText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace('\r', '\n');
}

}  // namespace

TfGetKT::TfGetKT(QWidget* parent) : QDialog(parent, Qt::Tool) {
  setWindowTitle(CaptionText(kCoefficientDialogCaption));
  setFixedSize(472, 168);
  // The table's cells are sized for a narrow 8 pt face; our sans needs a
  // pixel less to keep every caption line inside its cell.
  QFont small = font();
  small.setPixelSize(10);
  setFont(small);

  for (const CoefficientCaption& caption : CoefficientCaptions) {
    new Panel(this, caption.Name, CaptionPlace(caption.Name));
  }
  QFont bold = small;
  bold.setBold(true);
  for (const CoefficientCell& cell : CoefficientCells) {
    auto* panel =
        new Panel(this, cell.Name,
                  {kColumnLeft[cell.Column], kRowTop[cell.Row], kColumnWidth[cell.Column], kRowHeight[cell.Row]});
    panel->setAutoFillBackground(true);
    panel->setStyleSheet(QStringLiteral("background: white;"));
    panel->setFont(bold);
    panel->setText(QString::number(cell.Value));
    panel->setCursor(Qt::PointingHandCursor);
    const double value = cell.Value;
    panel->Clicked = [this, value] { Choose(value); };
  }
}

void TfGetKT::showEvent(QShowEvent* event) {
  ChosenCoefficient = kNoCoefficientChosen;
  for (const CoefficientCaption& caption : CoefficientCaptions) {
    if (auto* label = findChild<QLabel*>(CaptionText(caption.Name))) {
      label->setText(CaptionText(caption.Text));
    }
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  QDialog::showEvent(event);
}

void TfGetKT::Choose(double value) {
  ChosenCoefficient = value;
  accept();
}

void bbGetKTClick(QWidget* window, VariableTable& variables, QWidget* grid) {
  double chosen = kNoCoefficientChosen;
  {
    TfGetKT dialog(window);
    dialog.exec();
    chosen = dialog.ChosenCoefficient;
  }
  if (TakeChosenCoefficient(variables, chosen) && grid) grid->setFocus();
}

}  // namespace ovalto
