// The project editor's work on objects: the four add buttons, "Добавить" for
// details, the double click that re-edits a line, and the sizing of an
// object on the calculation screen, which ends by adding the object under
// the system it was started from.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "message_box.h"
#include "objects/object_params.h"
#include "objects/sizing_lines.h"
#include "state/calc_session.h"
#include "tree/project_tree.h"

namespace ovalto {

class ObjectEditing {
 public:
  // How the editor's tree view is asked for its selected node and told to
  // select one (selecting expands the node's ancestors).
  struct TreeView {
    std::function<TreeNode*()> Selected;
    std::function<void(TreeNode*)> Select;
  };

  ObjectEditing(ProjectTree& tree, TreeView view, MessageBoxes& messages, QWidget* window);

  // bb1Click .. bb4Click on a selected system. True when the user chose
  // "Произвести расчет": the caller opens the calculation screen.
  bool AddObject(int kind);
  // "Добавить" on a selected "ДЕТАЛИ".
  void bbADDClick();
  // A double click: details or a hand-entered object are re-edited in place.
  void TVDblClick();

  // A run of the sizing finished; only a completed one sizes the object.
  void RunFinished(bool completed, CalcSession& session);
  // Another kind or page: the earlier run no longer stands.
  void KindChanged() { sized_.reset(); }
  // Back in the editor: adds the sized object, if a run completed.
  void SizingEnded();

  // The exchange record of the dialogs and the sizing.
  ObjectParams Params;

 private:
  bool InTree(const TreeNode* node) const;

  ProjectTree& tree_;
  TreeView view_;
  MessageBoxes& messages_;
  QWidget* window_;
  TreeNode* sizingSystem_ = nullptr;
  std::optional<SizedObject> sized_;
};

}  // namespace ovalto
