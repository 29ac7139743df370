#include "dialogs/tf_detali.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace ovalto {

TfDetali::TfDetali(MessageBoxes& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
  setObjectName(QStringLiteral("fDetali"));
  setWindowTitle(QStringLiteral("Выбор детали трубопровода"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  buttons = AddApplyCancelButtons(this, layout);
  auto* filter = new NumberKeyFilter(NumberKeyFilter::Mode::Count, buttons, this);

  for (int slot = 0; slot < kDetailSlotCount; ++slot) {
    const auto at = static_cast<std::size_t>(slot);
    const std::string_view caption = DetailCaptions[at];
    captions[at] = new QLabel(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), this);
    captions[at]->setObjectName(QStringLiteral("Label%1").arg(slot + kDetailImageOffset));
    ed[at] = NumberField(QStringLiteral("ed%1").arg(slot + kDetailImageOffset), this);
    ed[at]->setFixedWidth(64);
    filter->Watch(ed[at]);
    units[at] = new QLabel(QStringLiteral("шт."), this);
    grid->addWidget(captions[at], slot, 0);
    grid->addWidget(ed[at], slot, 1);
    grid->addWidget(units[at], slot, 2);
    if (!IsReducerSlot(slot)) continue;
    em[at] = NumberField(QStringLiteral("em%1").arg(slot + kDetailImageOffset), this);
    em[at]->setFixedWidth(64);
    em[at]->setEnabled(false);
    grid->addWidget(new QLabel(QStringLiteral("на"), this), slot, 3);
    grid->addWidget(em[at], slot, 4);
    grid->addWidget(new QLabel(QStringLiteral("мм"), this), slot, 5);
    // A reducer's size means something only while it has a count.
    connect(ed[at], &QLineEdit::textChanged, this, [this, at](const QString& text) {
      em[at]->setEnabled(!text.isEmpty());
      if (text.isEmpty()) em[at]->clear();
    });
  }
  connect(buttons.bbOK, &QToolButton::clicked, this, &TfDetali::bbOKClick);
  connect(buttons.bbOtm, &QToolButton::clicked, this, &TfDetali::bbOtmClick);
  setFixedSize(sizeHint());
}

void TfDetali::DisableFlangesAndValves() {
  for (int slot = 0; slot < kDetailSlotCount; ++slot) {
    if (!IsFlangeOrValveSlot(slot)) continue;
    const auto at = static_cast<std::size_t>(slot);
    ed[at]->clear();
    ed[at]->setEnabled(false);
    captions[at]->setEnabled(false);
    units[at]->setEnabled(false);
  }
}

void TfDetali::Preset(int slot, const DetailLineValues& values) {
  const auto at = static_cast<std::size_t>(slot);
  PresetNumberField(ed[at], QString::fromStdString(values.Count));
  if (em[at]) PresetNumberField(em[at], QString::fromStdString(values.Size));
}

void TfDetali::bbOKClick() {
  DetailEntry entry;
  for (std::size_t at = 0; at < ed.size(); ++at) {
    entry.Counts[at] = ed[at]->text().toStdString();
    if (em[at]) entry.Sizes[at] = em[at]->text().toStdString();
  }
  const DetailOutcome outcome = ApplyDetailEntry(entry, messages_);
  DetailCount = outcome.DetailCount;
  if (outcome.FocusSlot >= 0) {
    const auto at = static_cast<std::size_t>(outcome.FocusSlot);
    (outcome.FocusOnSize ? em[at] : ed[at])->setFocus();
    return;
  }
  Slots = outcome.Slots;
  accept();
}

void TfDetali::bbOtmClick() {
  DetailCount = 0;
  reject();
}

}  // namespace ovalto
