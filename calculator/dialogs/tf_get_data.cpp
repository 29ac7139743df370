#include "dialogs/tf_get_data.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QToolBar>

#include "pictures.h"
#include "qt_user_data_grid.h"

namespace ovalto {

namespace {

constexpr int kRowHeight = 19;

QToolButton* AddButton(QToolBar* bar, const char* name, const QString& text, Picture picture) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QLatin1String(name));
  button->setText(text);
  button->setToolTip(text);
  button->setIcon(QIcon(LoadPicture(picture)));
  button->setIconSize(QSize(24, 24));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  bar->addWidget(button);
  return button;
}

}  // namespace

TfGetData::TfGetData(UserDataStore& store, QWidget* parent) : QDialog(parent), store_(store) {
  setObjectName(QStringLiteral("fGetData"));
  setWindowTitle(QStringLiteral("Введите данные для печати"));
  setFixedSize(451, 124);
  // The captions' third of the grid holds "Наименование объекта" only in a
  // face as narrow as the one the dialog was laid out for.
  QFont narrow = font();
  narrow.setPixelSize(10);
  narrow.setStretch(88);
  setFont(narrow);

  SGD_ = new QTableWidget(this);
  SGD_->setObjectName(QStringLiteral("SGD"));
  SetUpUserDataGrid(*SGD_, kUserDataFields, kRowHeight);
  SGD_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  auto* bar = new QToolBar(this);
  bar->setOrientation(Qt::Vertical);
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bbOK_ = AddButton(bar, "bbOK", QStringLiteral("Применить"), Picture::ButtonApply);
  bbOtm_ = AddButton(bar, "bbOtm", QStringLiteral("Отменить"), Picture::ButtonCancel);
  connect(bbOK_, &QToolButton::clicked, this, &TfGetData::bbOKClick);
  connect(bbOtm_, &QToolButton::clicked, this, &TfGetData::bbOtmClick);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(SGD_, 1);
  layout->addWidget(bar);
}

void TfGetData::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  QDialog::showEvent(event);
  FormShow();
}

void TfGetData::FormShow() {
  layout()->activate();
  const int width = SGD_->viewport()->width();
  SGD_->setColumnWidth(0, width / 3);
  SGD_->setColumnWidth(1, width - width / 3 - 6);
  const UserDataValues values = ReadUserDataValues(store_);
  for (int row = 0; row < kUserDataRowCount; ++row) SGD_->item(row, 1)->setText(QString::fromStdString(values[row]));
  SGD_->setFocus();
  SGD_->setCurrentCell(0, 1);
}

UserDataValues TfGetData::Values() const {
  UserDataValues values;
  for (int row = 0; row < kUserDataRowCount; ++row) values[row] = SGD_->item(row, 1)->text().toStdString();
  return values;
}

void TfGetData::bbOKClick() {
  // Leaving the cell hands a text still being typed to the grid.
  SGD_->setCurrentIndex(QModelIndex());
  WriteUserDataValues(store_, Values());
  bbOKTag_ = 1;
  accept();
}

void TfGetData::bbOtmClick() { reject(); }

std::optional<UserDataValues> GetUserData(QWidget* parent, UserDataStore& store) {
  TfGetData dialog(store, parent);
  dialog.exec();
  if (dialog.bbOKTag() <= 0) return std::nullopt;
  return dialog.Values();
}

}  // namespace ovalto
