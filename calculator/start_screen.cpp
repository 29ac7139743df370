#include "start_screen.h"

#include <QEvent>
#include <QMouseEvent>

#include "about_text.h"
#include "pictures.h"
#include "web_links.h"

namespace ovalto {

namespace {

QLabel* WhiteBoldLabel(const QString& text, QWidget* parent, int pointSize) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSize(pointSize);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  return label;
}

QLabel* LinkLabel(const char* caption, const char* address, QWidget* parent) {
  QLabel* label = WhiteBoldLabel(QString::fromUtf8(caption), parent, 9);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  label->setCursor(Qt::PointingHandCursor);
  label->setProperty("Address", QString::fromUtf8(address));
  label->adjustSize();
  return label;
}

}  // namespace

StartScreen::StartScreen(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnM"));
  ImMain = new QLabel(this);
  ImMain->setObjectName(QStringLiteral("ImMain"));
  ImMain->setPixmap(LoadPicture(Picture::MainBackground));
  ImMain->setScaledContents(true);
  ImSS1 = LoadPicture(Picture::ButtonNormal);
  ImSS2 = LoadPicture(Picture::ButtonHighlighted);

  static const char* const kCaptions[3] = {"РАСЧЁТ", "СОЗДАТЬ ПРОЕКТ", "ОТКРЫТЬ ПРОЕКТ"};
  for (int i = 0; i < 3; ++i) {
    ImRR[i] = new QLabel(this);
    ImRR[i]->setObjectName(QStringLiteral("ImRR%1").arg(i + 1));
    ImRR[i]->setPixmap(ImSS1);
    ImRR[i]->resize(ImSS1.size());
    ImRR[i]->setCursor(Qt::PointingHandCursor);
    LRR[i] = WhiteBoldLabel(QString::fromUtf8(kCaptions[i]), this, 10);
    LRR[i]->setObjectName(QStringLiteral("LRR%1").arg(i + 1));
    LRR[i]->setCursor(Qt::PointingHandCursor);
    LRR[i]->setProperty("Tag", 0);
    LRR[i]->adjustSize();
  }

  Licen = WhiteBoldLabel(AboutText(), this, 8);
  Licen->setObjectName(QStringLiteral("Licen"));
  // Our bold sans is wider than the 8 pt face the text was set for; a pixel
  // less keeps all 24 lines inside the panel.
  QFont aboutFont = Licen->font();
  aboutFont.setPixelSize(10);
  Licen->setFont(aboutFont);
  Licen->setWordWrap(true);
  Licen->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The text lies over the background and must not swallow its hover.
  Licen->setAttribute(Qt::WA_TransparentForMouseEvents);

  LDevCaption = WhiteBoldLabel(QStringLiteral("РАЗРАБОТКА ПРОГРАММЫ ®"), this, 8);
  LDevCaption->setObjectName(QStringLiteral("LDevCaption"));
  LDevCaption->adjustSize();
  ImDevLogo = new QLabel(this);
  ImDevLogo->setObjectName(QStringLiteral("ImDevLogo"));
  ImDevLogo->setPixmap(LoadPicture(Picture::MakerLogo));
  ImDevLogo->adjustSize();
  LDevSite = LinkLabel(kMakerSiteCaption, kMakerSiteAddress, this);
  LDevSite->setObjectName(QStringLiteral("LDevSite"));
  LDistSite = LinkLabel(kDistributorSiteCaption, kDistributorSiteAddress, this);
  LDistSite->setObjectName(QStringLiteral("LDistSite"));

  for (QWidget* w :
       {static_cast<QWidget*>(ImMain), static_cast<QWidget*>(ImRR[0]), static_cast<QWidget*>(ImRR[1]),
        static_cast<QWidget*>(ImRR[2]), static_cast<QWidget*>(LRR[0]), static_cast<QWidget*>(LRR[1]),
        static_cast<QWidget*>(LRR[2]), static_cast<QWidget*>(LDevSite), static_cast<QWidget*>(LDistSite)}) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
}

void StartScreen::PlaceButtons() {
  for (int i = 0; i < 3; ++i) {
    ImRR[i]->move(44, 300 + 50 * i);
    LRR[i]->move(ImRR[i]->x() + 59, ImRR[i]->y() + 12);
    ImRR[i]->raise();
    LRR[i]->raise();
  }
}

void StartScreen::PlaceCreditAndAbout() {
  ImDevLogo->move(437, 682);
  LDevCaption->move(490, 683);
  LDevSite->move(490, 701);
  LDistSite->move(420, 264);
  Licen->setGeometry(338, 306, 630, 400);
}

void StartScreen::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ImMain->setGeometry(rect());
  ImMain->lower();
}

void StartScreen::SetButtonFace(int button, bool highlighted) {
  LRR[button - 1]->setProperty("Tag", highlighted ? 1 : 0);
  ImRR[button - 1]->setPixmap(highlighted ? ImSS2 : ImSS1);
}

void StartScreen::ImRRMouseMove(int button) {
  choiceTag_ = button;
  if (ButtonTag(button) != 0) return;
  SetButtonFace(button, true);
  for (int other = 1; other <= 3; ++other) {
    if (other != button && ButtonTag(other) == 1) SetButtonFace(other, false);
  }
}

void StartScreen::ResetChoice() {
  choiceTag_ = 0;
  for (int button = 1; button <= 3; ++button) {
    if (ButtonTag(button) == 1) SetButtonFace(button, false);
  }
}

void StartScreen::ImMainMouseMove() { ResetChoice(); }

void StartScreen::ImMainMouseUp() {
  if (choiceTag_ != 0) emit ChoiceMade(choiceTag_);
}

bool StartScreen::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LDevSite || watched == LDistSite) {
    if (event->type() == QEvent::MouseButtonRelease) emit LinkClicked(watched->property("Address").toString());
    return false;
  }
  if (event->type() == QEvent::MouseMove) {
    for (int i = 0; i < 3; ++i) {
      if (watched == ImRR[i] || watched == LRR[i]) {
        ImRRMouseMove(i + 1);
        return false;
      }
    }
    if (watched == ImMain) ImMainMouseMove();
  } else if (event->type() == QEvent::MouseButtonRelease) {
    ImMainMouseUp();
  }
  return false;
}

}  // namespace ovalto
