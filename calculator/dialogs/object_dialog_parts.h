// What the object and details dialogs share: their tool bar with
// "Применить" and "Отменить", and the key filters of their number fields.
#pragma once

#include <QObject>
#include <QToolButton>

class QBoxLayout;
class QLineEdit;

namespace ovalto {

struct ApplyCancelButtons {
  QToolButton* bbOK;
  QToolButton* bbOtm;
};

// Adds the two tool buttons, with their pictures, to the end of a layout.
ApplyCancelButtons AddApplyCancelButtons(QWidget* dialog, QBoxLayout* layout);

// A number field of the dialogs: the user types at most 7 characters into it.
QLineEdit* NumberField(const QString& name, QWidget* parent);

// Fills a number field from a tree line. The line's number is taken whole,
// however long; the 7 characters hold again once the user has shortened it.
void PresetNumberField(QLineEdit* field, const QString& text);

// Filters the keys typed into number fields. Decimal fields turn a full stop
// into the comma and take one comma; count fields take digits only, Escape
// clicks "Отменить" and Enter "Применить".
class NumberKeyFilter : public QObject {
 public:
  enum class Mode { Decimal, Count };
  NumberKeyFilter(Mode mode, ApplyCancelButtons buttons, QObject* parent);

  void Watch(QWidget* field);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Mode mode_;
  ApplyCancelButtons buttons_;
};

}  // namespace ovalto
