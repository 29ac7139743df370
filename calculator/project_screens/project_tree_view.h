// The project tree view TV: shows the project's ProjectTree with the node
// pictures, keeps the selection, and carries the tree's own actions (a new
// system, deleting, loading and storing the text form). The object and
// detail dialogs change Tree() through its InsertNode and ReplaceLines and
// then Select() what the user should see.
#pragma once

#include <QTreeView>
#include <string>

#include "tree/project_tree.h"

namespace ovalto {

class MessageBoxes;
class ProjectTreeModel;

class ProjectTreeView : public QTreeView {
  Q_OBJECT

 public:
  explicit ProjectTreeView(QWidget* parent = nullptr);
  ~ProjectTreeView() override;

  ProjectTree& Tree() { return tree_; }
  const ProjectTree& Tree() const { return tree_; }
  ProjectTreeModel& Model() const { return *model_; }

  TreeNode* Selected() const;
  // Selects the node and opens every node above it.
  void Select(const TreeNode* node);

  // A new project: the root with its first system.
  void NewProjectTree();
  // Rebuilds the tree from a stored text, through the scratch file in
  // `folder`. Returns the reading error (empty when the whole text was
  // read); the tree then holds what was read before it. The root and the
  // systems end up open, the root selected.
  std::string LoadTreeText(const std::string& treeText, const std::string& folder);
  std::string BuildTreeText() const;

  // bbADS: a new system under the selected node, the root.
  void bbADSClick();
  // bbDEL: the selected node with everything below it, when the user agrees.
  void bbDELClick(MessageBoxes& messages);

 signals:
  // TVChange: the selected node changed (nullptr: none).
  void NodeSelected(const TreeNode* node);
  // TVDblClick: a double click on a node.
  void NodeDoubleClicked(TreeNode* node);

 private:
  ProjectTree tree_;
  ProjectTreeModel* model_;
};

}  // namespace ovalto
