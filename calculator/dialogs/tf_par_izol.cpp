#include "dialogs/tf_par_izol.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "number_format.h"

namespace ovalto {

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QLabel* Named(QLabel* label, const char* name) {
  label->setObjectName(QLatin1String(name));
  return label;
}

QGroupBox* RadioGroup(const QString& title, const auto& items, int columns, QButtonGroup*& group, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  auto* grid = new QGridLayout(box);
  group = new QButtonGroup(box);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    auto* button = new QRadioButton(Q(items[static_cast<std::size_t>(i)]), box);
    group->addButton(button, i);
    grid->addWidget(button, i % rows, i / rows);
  }
  return box;
}

}  // namespace

TfParIzol::TfParIzol(ObjectParams& params, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), params_(params), messages_(messages) {
  setObjectName(QStringLiteral("fParIzol"));
  setWindowTitle(QStringLiteral("Ввод данных"));
  const ObjectKindTexts& texts = TextsOfKind(params.Kind);
  auto* layout = new QVBoxLayout(this);

  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(new QLabel(QStringLiteral("Название"), this));
  edN = new QLineEdit(this);
  edN->setObjectName(QStringLiteral("edN"));
  nameRow->addWidget(edN, 1);
  layout->addLayout(nameRow);

  auto* group = new QGroupBox(QStringLiteral("Параметры изоляции "), this);
  auto* grid = new QGridLayout(group);
  R1 = new QRadioButton(QStringLiteral("Произвести расчет"), group);
  R1->setObjectName(QStringLiteral("R1"));
  R2 = new QRadioButton(QStringLiteral("Ввести вручную"), group);
  R2->setObjectName(QStringLiteral("R2"));
  grid->addWidget(R1, 0, 0, 1, 2);
  grid->addWidget(R2, 0, 2, 1, 2);

  cbD = new QComboBox(group);
  cbD->setObjectName(QStringLiteral("cbD"));
  cbD->setEditable(true);
  cbD->setInsertPolicy(QComboBox::NoInsert);
  const std::vector<double> sizes = ListedSizes(params.Kind);
  for (double size : sizes) cbD->addItem(Q(FormatGeneral(size)));
  // Only a pipeline's size is a drop-down list; the others are plain
  // entries, a cylindrical duct's still stepping through its series with
  // the arrow keys.
  if (params.Kind != kPipelineObject) {
    cbD->setStyleSheet(
        QStringLiteral("QComboBox { border: 1px solid palette(mid); border-radius: 2px; padding: 1px 2px; "
                       "background: palette(base); } QComboBox:disabled { background: palette(window); } "
                       "QComboBox::drop-down { width: 0px; border: none; }"));
  }
  cbD->setCurrentIndex(-1);
  edL = NumberField(QStringLiteral("edL"), group);
  edH = NumberField(QStringLiteral("edH"), group);
  ed1 = NumberField(QStringLiteral("ed1"), group);
  cb2 = new QComboBox(group);
  cb2->setObjectName(QStringLiteral("cb2"));
  cb3 = new QComboBox(group);
  cb3->setObjectName(QStringLiteral("cb3"));

  L0 = Named(new QLabel(Q(texts.SizeCaption), group), "L0");
  LL = Named(new QLabel(Q(texts.LengthCaption), group), "LL");
  Lhh = Named(new QLabel(QStringLiteral("Высота"), group), "Lhh");
  L1 = Named(new QLabel(QStringLiteral("Толщина изоляции"), group), "L1");
  L2 = Named(new QLabel(QStringLiteral("Тип изоляции"), group), "L2");
  L3 = Named(new QLabel(QStringLiteral("Тип покрытия"), group), "L3");
  struct Row {
    QLabel* Caption;
    QWidget* Field;
    const char* Unit;
    bool Shown;
  };
  const Row rows[] = {{L0, cbD, "мм", true},
                      {LL, edL, "м", !texts.LengthCaption.empty()},
                      {Lhh, edH, "мм", texts.HasHeight},
                      {L1, ed1, "мм", true},
                      {L2, cb2, nullptr, true},
                      {L3, cb3, nullptr, true}};
  int line = 1;
  for (const Row& row : rows) {
    auto* unit = row.Unit ? new QLabel(QString::fromUtf8(row.Unit), group) : nullptr;
    inputs_ << row.Caption << row.Field;
    if (unit) inputs_ << unit;
    if (!row.Shown) {
      row.Caption->hide();
      row.Field->hide();
      if (unit) unit->hide();
      continue;
    }
    grid->addWidget(row.Caption, line, 0);
    grid->addWidget(row.Field, line, 1, 1, unit ? 2 : 3);
    if (unit) grid->addWidget(unit, line, 3);
    ++line;
  }
  grid->setColumnMinimumWidth(1, 120);
  grid->setColumnStretch(1, 1);
  QGroupBox* purposes = RadioGroup(QStringLiteral("Назначение "), PurposeItems, 1, RGN, group);
  QGroupBox* locations = RadioGroup(QStringLiteral("Расположение "), LocationItems, 2, RGR, group);
  grid->addWidget(purposes, line++, 0, 1, 4);
  grid->addWidget(locations, line, 0, 1, 4);
  inputs_ << purposes << locations;
  layout->addWidget(group);

  buttons = AddApplyCancelButtons(this, layout);
  auto* filter = new NumberKeyFilter(NumberKeyFilter::Mode::Decimal, buttons, this);
  for (QWidget* field : {static_cast<QWidget*>(cbD), static_cast<QWidget*>(edL), static_cast<QWidget*>(edH),
                         static_cast<QWidget*>(ed1)}) {
    filter->Watch(field);
  }

  connect(edN, &QLineEdit::textChanged, this,
          [this](const QString& text) { buttons.bbOK->setEnabled(!text.isEmpty()); });
  connect(R1, &QRadioButton::toggled, this, [this] { R2Click(); });
  connect(cbD, &QComboBox::currentTextChanged, this, [this] { cbDChange(); });
  connect(ed1, &QLineEdit::textChanged, this, [this] { cbDChange(); });
  connect(buttons.bbOK, &QToolButton::clicked, this, &TfParIzol::bbOKClick);
  connect(buttons.bbOtm, &QToolButton::clicked, this, &QDialog::reject);

  FormCreate();
  setFixedSize(sizeHint());
}

void TfParIzol::FormCreate() {
  params_.ThicknessMm = kObjectCancelled;
  cbDChange();
  for (const std::string& name : CoveringTypeNames()) cb3->addItem(Q(name));
  cb3->setCurrentIndex(-1);
  buttons.bbOK->setEnabled(false);
  R1->setChecked(true);
  R2Click();
}

void TfParIzol::cbDChange() {
  // Only a pipeline's insulation lines depend on its size and thickness.
  if (params_.Kind != kPipelineObject && cb2->count() > 0) return;
  const QString chosen = cb2->currentText();
  cb2->clear();
  for (const std::string& name :
       InsulationTypesFor(params_.Kind, cbD->currentText().toStdString(), ed1->text().toStdString())) {
    cb2->addItem(Q(name));
  }
  cb2->setCurrentIndex(cb2->findText(chosen));
}

void TfParIzol::ClearRadioGroup(QButtonGroup* group) {
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

void TfParIzol::R2Click() {
  const bool byHand = R2->isChecked();
  for (QWidget* input : inputs_) input->setEnabled(byHand);
  if (byHand) return;
  ClearRadioGroup(RGN);
  ClearRadioGroup(RGR);
}

ObjectEntry TfParIzol::Entry() const {
  ObjectEntry entry;
  entry.Kind = params_.Kind;
  entry.Name = edN->text().toStdString();
  entry.Calculate = !R2->isChecked();
  entry.SizeText = cbD->currentText().toStdString();
  entry.LengthText = edL->text().toStdString();
  entry.HeightText = edH->text().toStdString();
  entry.ThicknessText = ed1->text().toStdString();
  entry.PurposeItem = RGN->checkedId();
  entry.LocationItem = RGR->checkedId();
  entry.InsulationType = cb2->currentIndex() >= 0 ? cb2->currentText().toStdString() : std::string();
  entry.CoveringType = cb3->currentIndex() >= 0 ? cb3->currentText().toStdString() : std::string();
  return entry;
}

void TfParIzol::bbOKClick() {
  const ObjectEntryOutcome outcome = ApplyObjectEntry(Entry(), params_, messages_);
  if (outcome.Accepted) {
    accept();
    return;
  }
  switch (outcome.Focus) {
    case ObjectField::Name:
      edN->setFocus();
      break;
    case ObjectField::Size:
      cbD->setFocus();
      break;
    case ObjectField::Length:
      edL->setFocus();
      break;
    case ObjectField::Height:
      edH->setFocus();
      break;
    case ObjectField::Thickness:
      ed1->setFocus();
      break;
    case ObjectField::None:
      break;
  }
}

void TfParIzol::PresetForReEdit(const ObjectEntry& entry) {
  edN->setText(QString::fromStdString(entry.Name));
  R2->setChecked(true);
  R1->setEnabled(false);
  R2Click();
  cbD->setCurrentText(QString::fromStdString(entry.SizeText));
  PresetNumberField(edL, QString::fromStdString(entry.LengthText));
  PresetNumberField(edH, QString::fromStdString(entry.HeightText));
  PresetNumberField(ed1, QString::fromStdString(entry.ThicknessText));
  cbDChange();
  cb2->setCurrentIndex(cb2->findText(QString::fromStdString(entry.InsulationType)));
  cb3->setCurrentIndex(cb3->findText(QString::fromStdString(entry.CoveringType)));
  if (QAbstractButton* purpose = RGN->button(entry.PurposeItem)) purpose->setChecked(true);
  if (QAbstractButton* location = RGR->button(entry.LocationItem)) location->setChecked(true);
}

}  // namespace ovalto
