// The project list, panel pnLST: the grid sgPRJ of all projects and the
// buttons to open, delete and go back.
#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>
#include <optional>

#include "store/project_record.h"

namespace ovalto {

class ProjectList : public QWidget {
  Q_OBJECT

 public:
  explicit ProjectList(QWidget* parent = nullptr);

  // FillProjectList: one row a project (one blank row when there are none),
  // `current` selected when given.
  void Fill(const ProjectTable& table, std::optional<size_t> current);
  // The project of the selected row; nothing on the blank row.
  std::optional<size_t> SelectedRow() const;

  QLabel* Llst;
  QTableWidget* sgPRJ;
  QToolButton* bbOpen;
  QToolButton* bbDelP;
  QToolButton* ToolButton5;

 signals:
  void OpenClicked();
  void DeleteClicked();
  void BackClicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // pnLSTResize: column widths from the grid's width.
  void pnLSTResize();
  void EnableButtons();

  size_t count_ = 0;
};

}  // namespace ovalto
