#include "project_tree_model.h"

#include "tree/tree_editing.h"
#include "tree_images.h"

namespace ovalto {

ProjectTreeModel::ProjectTreeModel(ProjectTree& tree, QObject* parent) : QAbstractItemModel(parent), tree_(tree) {
  tree_.SetObserver(this);
}

ProjectTreeModel::~ProjectTreeModel() { tree_.SetObserver(nullptr); }

QModelIndex ProjectTreeModel::IndexOf(const TreeNode* node) const {
  return node ? createIndex(node->Row(), 0, const_cast<TreeNode*>(node)) : QModelIndex();
}

TreeNode* ProjectTreeModel::NodeOf(const QModelIndex& index) {
  return index.isValid() ? static_cast<TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex ProjectTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (!hasIndex(row, column, parent)) return {};
  const TreeNode* up = NodeOf(parent);
  return createIndex(row, column, up ? up->Child(row) : tree_.TopLevel(row));
}

QModelIndex ProjectTreeModel::parent(const QModelIndex& child) const {
  const TreeNode* node = NodeOf(child);
  return node ? IndexOf(node->Parent()) : QModelIndex();
}

int ProjectTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.column() > 0) return 0;
  const TreeNode* node = NodeOf(parent);
  return node ? node->ChildCount() : tree_.TopLevelCount();
}

int ProjectTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant ProjectTreeModel::data(const QModelIndex& index, int role) const {
  const TreeNode* node = NodeOf(index);
  if (!node) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(node->Text());
    case Qt::DecorationRole:
      return TreeImage(node->Image());
    default:
      return {};
  }
}

Qt::ItemFlags ProjectTreeModel::flags(const QModelIndex& index) const {
  const TreeNode* node = NodeOf(index);
  if (!node) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (CanRename(*node)) flags |= Qt::ItemIsEditable;
  return flags;
}

bool ProjectTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  TreeNode* node = NodeOf(index);
  if (!node || role != Qt::EditRole || !CanRename(*node)) return false;
  tree_.SetText(*node, EditedText(value.toString().toStdString()));
  return true;
}

void ProjectTreeModel::BeginInsert(TreeNode* parent, int first, int last) {
  beginInsertRows(IndexOf(parent), first, last);
}

void ProjectTreeModel::EndInsert() { endInsertRows(); }

void ProjectTreeModel::BeginRemove(TreeNode* parent, int first, int last) {
  beginRemoveRows(IndexOf(parent), first, last);
}

void ProjectTreeModel::EndRemove() { endRemoveRows(); }

void ProjectTreeModel::TextChanged(TreeNode* node) {
  const QModelIndex index = IndexOf(node);
  emit dataChanged(index, index);
}

void ProjectTreeModel::BeginReset() { beginResetModel(); }

void ProjectTreeModel::EndReset() { endResetModel(); }

}  // namespace ovalto
