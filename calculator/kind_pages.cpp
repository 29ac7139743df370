#include "kind_pages.h"

#include <QMouseEvent>

#include "kind_picker.h"
#include "kinds/calc_kinds.h"
#include "kinds/kind_markers.h"
#include "qt_jpeg.h"

namespace ovalto {

namespace {

constexpr int kLabelFontPixels = 10;

// The places were laid out for a narrower font: a label widens until its
// longest word fits in bold (the hover bolds it), away from its marker.
QRect LabelGeometry(const QLabel& label, const KindLabelPlace& place) {
  QFont bold = label.font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  int width = place.Width;
  for (const QString& word : label.text().split(QLatin1Char(' ')))
    width = std::max(width, metrics.horizontalAdvance(word) + 2);
  const bool markerRight = MarkerOf(place).X > place.Left;
  const int left = markerRight ? place.Left + place.Width - width : place.Left;
  return QRect(left, place.Top, width, kKindLabelHeight);
}

QLabel* PlainLabel(const QString& text, QWidget* page) {
  auto* label = new QLabel(text, page);
  QFont font = label->font();
  font.setPixelSize(kLabelFontPixels);
  label->setFont(font);
  return label;
}

}  // namespace

KindPages::KindPages(CalcSession& session, const std::array<QWidget*, 4>& pages, std::function<void()> switchView,
                     QObject* parent)
    : QObject(parent), session_(session), switchView_(std::move(switchView)), pages_(pages) {
  std::array<int, 4> picturesOnPage{};
  for (const auto& picture : kPagePictures) {
    QWidget* page = pages_[static_cast<std::size_t>(picture.Page - 1)];
    auto* label = new QLabel(page);
    const int number = ++picturesOnPage[static_cast<std::size_t>(picture.Page - 1)];
    label->setObjectName(QStringLiteral("Im%1%2").arg(picture.Page).arg(number));
    label->setPixmap(QPixmap::fromImage(LoadJpegResource(QStringLiteral(":/pictures/") + picture.FileName)));
    label->setGeometry(picture.Left, picture.Top, picture.Width, picture.Height);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    pictures_.push_back({label, QPoint(picture.Left, picture.Top)});
  }
  for (const auto& caption : kPageCaptions) {
    QLabel* label = PlainLabel(QString::fromUtf8(caption.Text), pages_[static_cast<std::size_t>(caption.Page - 1)]);
    label->move(caption.Left, caption.Top);
    label->adjustSize();
  }
  for (const CalcKind& kind : CalcKinds()) {
    const KindLabelPlace* place = nullptr;
    for (const KindLabelPlace& candidate : kKindLabelPlaces) {
      if (candidate.Code == kind.Code) place = &candidate;
    }
    QLabel* label = PlainLabel(QString::fromUtf8(kind.Caption.data(), static_cast<qsizetype>(kind.Caption.size())),
                               pages_[static_cast<std::size_t>(place->Page - 1)]);
    label->setObjectName(QStringLiteral("L%1").arg(kind.Code));
    label->setGeometry(LabelGeometry(*label, *place));
    label->setWordWrap(true);
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    kindLabels_.push_back(label);
  }
  for (QWidget* page : pages_) {
    page->setMouseTracking(true);
    page->installEventFilter(this);
  }
  Refresh();
}

void KindPages::Refresh() {
  for (std::size_t i = 0; i < kindLabels_.size(); ++i) {
    QLabel* label = kindLabels_[i];
    const KindLabelState& state = session_.KindLabels[i];
    QFont font = label->font();
    font.setBold(state.Bold);
    label->setFont(font);
    QPalette palette = label->palette();
    const QColor chosen = palette.color(QPalette::Active, QPalette::Highlight);
    palette.setColor(QPalette::Active, QPalette::WindowText, state.Tag == -2 ? chosen : QColor(Qt::black));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, state.Tag == -2 ? chosen : QColor(Qt::black));
    label->setPalette(palette);
    label->setEnabled(state.Enabled);
  }
}

void KindPages::ShowHover() {
  Refresh();
  for (const PagePicture& picture : pictures_) {
    if (session_.HoveredKindCode != 0) {
      picture.Label->setCursor(Qt::PointingHandCursor);
    } else {
      picture.Label->unsetCursor();
    }
  }
}

void KindPages::L11110Click(int code) {
  PickCalcKind(session_, code, switchView_);
  Refresh();
  emit KindPicked();
}

bool KindPages::eventFilter(QObject* watched, QEvent* event) {
  const bool move = event->type() == QEvent::MouseMove;
  const bool click =
      event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
  if (!move && !click) return QObject::eventFilter(watched, event);

  for (std::size_t i = 0; i < kindLabels_.size(); ++i) {
    if (watched != kindLabels_[i]) continue;
    if (!kindLabels_[i]->isEnabled()) return false;  // a kind that does not fit the sized object
    const int code = CalcKinds()[i].Code;
    if (click) {
      L11110Click(code);
    } else {
      HoverKindLabel(session_, code);
      ShowHover();
    }
    return true;  // not on to the page, which would take it for a move off the labels
  }
  for (const PagePicture& picture : pictures_) {
    if (watched != picture.Label) continue;
    if (click) {
      if (session_.HoveredKindCode > 0) L11110Click(session_.HoveredKindCode);
    } else {
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint() + picture.Place;
      HitTestKindLabels(session_, at.x(), at.y());
      ShowHover();
    }
    return true;
  }
  if (move) {  // over a page, outside its pictures and labels
    HitTestKindLabels(session_, -1, -1);
    ShowHover();
  }
  return false;
}

}  // namespace ovalto
