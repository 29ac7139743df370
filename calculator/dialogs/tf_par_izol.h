// The object dialog ("Ввод данных"): names an object of a project and either
// leaves its insulation to the calculation or takes its sizes, thickness,
// insulation, covering, purpose and location by hand. The rules live in
// object_entry.h; the dialog collects and shows.
#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/object_dialog_parts.h"
#include "message_box.h"
#include "objects/object_entry.h"
#include "objects/object_params.h"

namespace ovalto {

class TfParIzol : public QDialog {
 public:
  // params.Kind tells the kind; params receive the result (thickness -1
  // until "Применить" succeeds).
  TfParIzol(ObjectParams& params, MessageBoxes& messages, QWidget* parent = nullptr);

  // A re-edit: the fields from the object's lines, "Ввести вручную" chosen.
  // The calculation is not offered: it would drop the object's sizes.
  void PresetForReEdit(const ObjectEntry& entry);

  void bbOKClick();
  void R2Click();
  void cbDChange();
  ObjectEntry Entry() const;

  QLineEdit* edN;
  QRadioButton *R1, *R2;
  QLabel *L0, *LL, *Lhh, *L1, *L2, *L3;
  QComboBox* cbD;
  QLineEdit *edL, *edH, *ed1;
  QComboBox *cb2, *cb3;
  QButtonGroup *RGN, *RGR;
  ApplyCancelButtons buttons;

 private:
  void FormCreate();
  void ClearRadioGroup(QButtonGroup* group);

  ObjectParams& params_;
  MessageBoxes& messages_;
  QList<QWidget*> inputs_;  // everything R2 enables
};

}  // namespace ovalto
