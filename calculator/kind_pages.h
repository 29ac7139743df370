// The kind picker on the four system pages: the pictures with their kind
// markers, the plain captions of their columns and rows, and one label per
// calculation kind, named after the kind ("L11110"). A thin view: hovering
// and picking are the core's; this shows the labels as the session holds
// them.
#pragma once

#include <QLabel>
#include <QObject>

#include <array>
#include <functional>
#include <vector>

#include "state/calc_session.h"

namespace ovalto {

class KindPages : public QObject {
  Q_OBJECT

 public:
  // Lays the picker onto the pages tsh1..tsh4. switchView shows the
  // parameter panel when a kind is picked, before its grid is laid out.
  KindPages(CalcSession& session, const std::array<QWidget*, 4>& pages, std::function<void()> switchView,
            QObject* parent);

  // Shows every kind label as the session holds it: bold, chosen, enabled.
  void Refresh();

  // The click of a kind label (and of a marker, for the kind under the mouse).
  void L11110Click(int code);

 signals:
  void KindPicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct PagePicture {
    QLabel* Label;
    QPoint Place;
  };

  void ShowHover();

  CalcSession& session_;
  std::function<void()> switchView_;
  std::array<QWidget*, 4> pages_;
  std::vector<QLabel*> kindLabels_;  // in the order of CalcKinds()
  std::vector<PagePicture> pictures_;
};

}  // namespace ovalto
