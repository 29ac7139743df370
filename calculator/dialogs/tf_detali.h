// The details dialog ("Выбор детали трубопровода"): counts of a pipeline's
// fittings, and the diameter each reducer leads to. The rules live in
// detail_lines.h; the dialog collects and shows.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <array>

#include "dialogs/object_dialog_parts.h"
#include "message_box.h"
#include "objects/detail_lines.h"

namespace ovalto {

class TfDetali : public QDialog {
 public:
  explicit TfDetali(MessageBoxes& messages, QWidget* parent = nullptr);

  // A pipeline covered with metal sheet takes no flanges and valves.
  void DisableFlangesAndValves();
  // A re-edit: the slot's count and, for a reducer, its size.
  void Preset(int slot, const DetailLineValues& values);

  void bbOKClick();
  void bbOtmClick();

  // The result, read by the caller after the dialog closed.
  int DetailCount = 0;
  DetailSlots Slots;

  std::array<QLineEdit*, kDetailSlotCount> ed{};  // ed2 .. ed8
  std::array<QLineEdit*, kDetailSlotCount> em{};  // em6, em7 in the reducer slots only
  std::array<QLabel*, kDetailSlotCount> captions{};
  std::array<QLabel*, kDetailSlotCount> units{};
  ApplyCancelButtons buttons;

 private:
  MessageBoxes& messages_;
};

}  // namespace ovalto
