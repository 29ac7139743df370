// The dialog that asks for the texts the report prints about its author and
// the work before a report is written, and keeps them for next time.
#pragma once

#include <QDialog>
#include <QTableWidget>
#include <QToolButton>

#include <optional>

#include "report/user_data_rows.h"

namespace ovalto {

class TfGetData : public QDialog {
 public:
  explicit TfGetData(UserDataStore& store, QWidget* parent = nullptr);

  void bbOKClick();
  void bbOtmClick();

  QTableWidget* SGD() const { return SGD_; }
  // 1 once the user applied; the caller reads it, and the grid, after the
  // dialog returns.
  int bbOKTag() const { return bbOKTag_; }
  // Column 1 of the six rows.
  UserDataValues Values() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();

  UserDataStore& store_;
  QTableWidget* SGD_ = nullptr;
  QToolButton* bbOK_ = nullptr;
  QToolButton* bbOtm_ = nullptr;
  int bbOKTag_ = 0;
};

// Shows the dialog modally; the six texts when the user applied, nothing
// when the user cancelled or closed it.
std::optional<UserDataValues> GetUserData(QWidget* parent, UserDataStore& store);

}  // namespace ovalto
