// The Qt item model over a ProjectTree: it shows the core tree and follows
// each of its changes, whoever makes them (the tree view, the object and
// detail dialogs), and it turns in-place edits into the tree's renaming rule.
#pragma once

#include <QAbstractItemModel>

#include "tree/project_tree.h"

namespace ovalto {

class ProjectTreeModel : public QAbstractItemModel, private TreeObserver {
  Q_OBJECT

 public:
  explicit ProjectTreeModel(ProjectTree& tree, QObject* parent = nullptr);
  ~ProjectTreeModel() override;

  QModelIndex IndexOf(const TreeNode* node) const;
  static TreeNode* NodeOf(const QModelIndex& index);

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 private:
  void BeginInsert(TreeNode* parent, int first, int last) override;
  void EndInsert() override;
  void BeginRemove(TreeNode* parent, int first, int last) override;
  void EndRemove() override;
  void TextChanged(TreeNode* node) override;
  void BeginReset() override;
  void EndReset() override;

  ProjectTree& tree_;
};

}  // namespace ovalto
