#include "dialogs/object_dialog_parts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "objects/object_numbers.h"
#include "pictures.h"

namespace ovalto {

namespace {

constexpr int kTypedNumberLength = 7;

QToolButton* DialogButton(QWidget* dialog, const char* name, const QString& text, Picture picture) {
  auto* button = new QToolButton(dialog);
  button->setObjectName(QLatin1String(name));
  button->setText(text);
  button->setIcon(QIcon(LoadPicture(picture)));
  button->setIconSize(QSize(24, 24));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setMinimumWidth(84);
  return button;
}

QLineEdit* EditOf(QObject* watched) {
  if (auto* edit = qobject_cast<QLineEdit*>(watched)) return edit;
  return nullptr;
}

}  // namespace

ApplyCancelButtons AddApplyCancelButtons(QWidget* dialog, QBoxLayout* layout) {
  ApplyCancelButtons buttons{DialogButton(dialog, "bbOK", QStringLiteral("Применить"), Picture::ButtonApply),
                             DialogButton(dialog, "bbOtm", QStringLiteral("Отменить"), Picture::ButtonCancel)};
  auto* bar = new QHBoxLayout;
  bar->addStretch(1);
  bar->addWidget(buttons.bbOK);
  bar->addWidget(buttons.bbOtm);
  layout->addLayout(bar);
  return buttons;
}

QLineEdit* NumberField(const QString& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMaxLength(kTypedNumberLength);
  // A longer preset number keeps its length as the limit only until
  // characters are taken away.
  QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
    field->setMaxLength(std::max(kTypedNumberLength, static_cast<int>(text.size())));
  });
  return field;
}

void PresetNumberField(QLineEdit* field, const QString& text) {
  // QLineEdit cuts a set text to the limit, which is there for typing only.
  field->setMaxLength(std::max(kTypedNumberLength, static_cast<int>(text.size())));
  field->setText(text);
}

NumberKeyFilter::NumberKeyFilter(Mode mode, ApplyCancelButtons buttons, QObject* parent)
    : QObject(parent), mode_(mode), buttons_(buttons) {}

void NumberKeyFilter::Watch(QWidget* field) {
  // An editable combo box types into its line edit.
  if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) field = combo->lineEdit();
  field->installEventFilter(this);
}

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  QLineEdit* edit = EditOf(watched);
  if (mode_ == Mode::Count) {
    if (key->key() == Qt::Key_Escape) {
      buttons_.bbOtm->click();
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      buttons_.bbOK->click();
      return true;
    }
  }
  // Keys without a character (arrows, Delete, Home) move and delete as usual.
  const QString text = key->text();
  if (text.isEmpty() || edit == nullptr) return QObject::eventFilter(watched, event);
  if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return QObject::eventFilter(watched, event);
  if (mode_ == Mode::Decimal && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    return QObject::eventFilter(watched, event);
  }
  const QChar typed = text.at(0);
  const char ascii = typed.unicode() < 128 ? static_cast<char>(typed.unicode()) : '\0';
  if (mode_ == Mode::Count) return !CountKeyAccepted(ascii);
  const std::optional<char> accepted = FilterNumberKey(ascii, edit->text().toStdString());
  if (!accepted) return true;
  if (*accepted == ',' && ascii == '.') {
    edit->insert(QStringLiteral(","));
    return true;
  }
  return false;
}

}  // namespace ovalto
