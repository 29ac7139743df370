#include "project_tree_view.h"

#include <QCoreApplication>
#include <QHeaderView>

#include "message_box.h"
#include "project_tree_model.h"
#include "store/projects_file.h"
#include "tree/tree_editing.h"
#include "tree/tree_text.h"

namespace ovalto {

namespace {

constexpr int kImageSize = 38;
constexpr int kIndent = 41;

}  // namespace

ProjectTreeView::ProjectTreeView(QWidget* parent) : QTreeView(parent), model_(new ProjectTreeModel(tree_, this)) {
  setObjectName(QStringLiteral("TV"));
  setModel(model_);
  header()->hide();
  setIndentation(kIndent);
  setIconSize(QSize(kImageSize, kImageSize));
  setSelectionMode(QAbstractItemView::SingleSelection);
  // A double click re-edits an object's lines; renaming starts with F2 or a
  // click on the selected node.
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setExpandsOnDoubleClick(false);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { emit NodeSelected(ProjectTreeModel::NodeOf(current)); });
  connect(this, &QTreeView::doubleClicked, this,
          [this](const QModelIndex& index) { emit NodeDoubleClicked(ProjectTreeModel::NodeOf(index)); });
  // A node removed under the selection leaves a neighbour selected; the
  // buttons follow it even when the view reports no change.
  connect(model_, &QAbstractItemModel::rowsRemoved, this, [this] { emit NodeSelected(Selected()); });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] { emit NodeSelected(Selected()); });
}

ProjectTreeView::~ProjectTreeView() {
  // The model reads the tree, which goes before the view's children do.
  setModel(nullptr);
  delete model_;
}

TreeNode* ProjectTreeView::Selected() const { return ProjectTreeModel::NodeOf(currentIndex()); }

void ProjectTreeView::Select(const TreeNode* node) {
  if (!node) return;
  for (const TreeNode* up = node->Parent(); up; up = up->Parent()) expand(model_->IndexOf(up));
  const QModelIndex index = model_->IndexOf(node);
  setCurrentIndex(index);
  scrollTo(index);
}

void ProjectTreeView::NewProjectTree() {
  ResetTree(tree_, false);
  Select(tree_.Root());
  emit NodeSelected(Selected());
  bbADSClick();
}

std::string ProjectTreeView::LoadTreeText(const std::string& treeText, const std::string& folder) {
  WriteTreeScratchFile(folder, treeText);
  QCoreApplication::processEvents();
  ParsedTree parsed = ParseTreeText(treeText);
  tree_.Assign(std::move(parsed.TopLevel));
  if (tree_.Empty()) ResetTree(tree_, false);
  // From the last node to the first, as selecting opens the node's parents:
  // the root and the systems end up open and the root selected.
  const std::vector<TreeNode*> nodes = tree_.Nodes();
  for (auto it = nodes.rbegin(); it != nodes.rend(); ++it) {
    if ((*it)->Level() <= 2) Select(*it);
  }
  emit NodeSelected(Selected());
  return parsed.Error;
}

std::string ProjectTreeView::BuildTreeText() const { return ovalto::BuildTreeText(tree_); }

void ProjectTreeView::bbADSClick() {
  TreeNode* parent = Selected();
  if (!ButtonsFor(parent).bbADS) return;
  Select(&AddSystem(tree_, *parent));
}

void ProjectTreeView::bbDELClick(MessageBoxes& messages) {
  TreeNode* node = Selected();
  if (!node || !ButtonsFor(node).bbDEL) return;
  if (messages.Show(MessageType::Confirmation, DeleteQuestion(*node), kButtonYes | kButtonNo) != kButtonYes) return;
  tree_.Remove(*node);
}

}  // namespace ovalto
