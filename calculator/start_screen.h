// The start screen (panel pnM): background, three picture buttons that light
// up under the mouse, the about text, the maker's credit and two web links.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace ovalto {

class StartScreen : public QWidget {
  Q_OBJECT

 public:
  explicit StartScreen(QWidget* parent = nullptr);

  // Start-up places the buttons first and the credit, links and about text
  // later.
  void PlaceButtons();
  void PlaceCreditAndAbout();

  // ImMain.Tag: the choice under the mouse, 0 none, 1..3 the buttons.
  int ChoiceUnderMouse() const { return choiceTag_; }
  // LRR1..LRR3.Tag: 1 while that button shows its highlighted face.
  int ButtonTag(int button) const { return LRR[button - 1]->property("Tag").toInt(); }

  // Nothing is under the mouse and every button shows its normal face, as
  // whenever the screen is shown again.
  void ResetChoice();

  void ImRRMouseMove(int button);
  void ImMainMouseMove();
  void ImMainMouseUp();

 signals:
  void ChoiceMade(int choice);
  void LinkClicked(const QString& address);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SetButtonFace(int button, bool highlighted);

  int choiceTag_ = 0;
  QLabel* ImMain;
  QLabel* ImRR[3];
  QLabel* LRR[3];
  QPixmap ImSS1;  // the normal face of a button
  QPixmap ImSS2;  // the highlighted face
  QLabel* Licen;
  QLabel* LDevCaption;
  QLabel* ImDevLogo;
  QLabel* LDevSite;
  QLabel* LDistSite;
};

}  // namespace ovalto
