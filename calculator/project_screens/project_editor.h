// The project editor, panel pnPRJ: the project's fields above its tree and
// the tree's tool bar. The window decides what "Сохранить" and "Назад" do;
// the object, detail and document buttons are wired by their own screens.
#pragma once

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>
#include <optional>

#include "project_tree_view.h"
#include "store/project_record.h"
#include "store/project_save.h"

namespace ovalto {

class MessageBoxes;

class ProjectEditor : public QWidget {
  Q_OBJECT

 public:
  ProjectEditor(MessageBoxes& messages, QWidget* parent = nullptr);

  // LoadProjectIntoEditor: empties the fields and the tree, then shows the
  // record, or a new project (the root with its first system) when there is
  // none. Returns the tree's reading error, empty when it was read whole.
  std::string LoadProject(const ProjectRecord* record, const std::string& folder);

  // The fields as the user left them, with the tree's text form.
  ProjectForm Form();
  // Whether the fields or the tree differ from what LoadProject showed.
  bool Changed();
  // The tree text to store once the checks passed: the tree's text form, or
  // the stored text when the stored tree could not be read whole and the
  // user does not want the part read to replace it.
  std::string TreeTextToStore();
  // Shows the fields as a save check left them (trimmed) and focuses the
  // one it names.
  void ShowChecked(const ProjectForm& form, FormField focus);

  ProjectTreeView* TV;
  QLabel* Lprj;
  QLineEdit* Edit1;       // "Проект №"
  QDateEdit* Date1;       // "Дата"
  QLineEdit* Edit3;       // "Наименование"
  QLineEdit* Edit2;       // "Разработчик"
  QPlainTextEdit* Memo1;  // "Примечание"
  QToolBar* TreeBar;
  QToolButton* bbADS;
  QToolButton* bbDEL;
  QToolButton* bbADD;
  QToolButton* bb1;
  QToolButton* bb2;
  QToolButton* bb3;
  QToolButton* bb4;
  QToolButton* bbVDM;  // "Ведомость"
  QToolButton* bbCLK;  // "Специфи..."
  QToolButton* bbSave;
  QToolButton* bbOtm;

 signals:
  void SaveClicked();
  void BackClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TVChange(const TreeNode* node);
  std::string ShowRecord(const ProjectRecord* record, const std::string& folder);
  void CleanMemo();
  // The memo's lines joined by line feeds, exactly as typed.
  QString MemoText() const;

  MessageBoxes& messages_;
  // The stored tree text while the shown tree is only the part of it that
  // could be read.
  std::optional<std::string> unreadTree_;
  ProjectForm loaded_;
};

}  // namespace ovalto
