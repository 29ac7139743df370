#include "tree/project_tree.h"

#include <algorithm>

#include "tree/field_text.h"

namespace ovalto {

namespace {

void Collect(const TreeNode& node, std::vector<TreeNode*>& out) {
  for (const auto& child : node.Children()) {
    out.push_back(child.get());
    Collect(*child, out);
  }
}

}  // namespace

TreeNode::TreeNode(int image, std::string_view text) : image_(image), text_(BlankSeparators(text)) {}

int TreeNode::Level() const {
  int level = -1;
  for (const TreeNode* up = parent_; up != nullptr; up = up->parent_) ++level;
  return level;
}

TreeNode* TreeNode::Parent() const { return parent_ != nullptr && parent_->parent_ != nullptr ? parent_ : nullptr; }

int TreeNode::Row() const {
  const auto& siblings = parent_->children_;
  const auto it =
      std::find_if(siblings.begin(), siblings.end(), [this](const auto& sibling) { return sibling.get() == this; });
  return static_cast<int>(it - siblings.begin());
}

ProjectTree::ProjectTree() = default;
ProjectTree::~ProjectTree() = default;

std::vector<TreeNode*> ProjectTree::Nodes() const {
  std::vector<TreeNode*> nodes;
  Collect(holder_, nodes);
  return nodes;
}

void ProjectTree::Clear() { Assign({}); }

void ProjectTree::Assign(std::vector<NodeSpec> topLevel) {
  TreeObserver* observer = observer_;
  if (observer) observer->BeginReset();
  observer_ = nullptr;  // the view learns the new tree from the reset
  holder_.children_.clear();
  for (NodeSpec& node : topLevel) InsertNode(holder_, std::move(node));
  observer_ = observer;
  if (observer) observer->EndReset();
}

TreeNode& ProjectTree::AddTopLevel(NodeSpec node) { return InsertNode(holder_, std::move(node)); }

TreeNode& ProjectTree::InsertNode(TreeNode& parent, NodeSpec node) {
  const int row = parent.ChildCount();
  if (observer_) observer_->BeginInsert(&parent == &holder_ ? nullptr : &parent, row, row);
  auto built = std::make_unique<TreeNode>(node.Image, std::move(node.Text));
  built->parent_ = &parent;
  TreeNode& added = *parent.children_.emplace_back(std::move(built));
  {
    TreeObserver* quiet = observer_;
    observer_ = nullptr;  // the view learns the whole subtree with its top node
    for (NodeSpec& child : node.Children) InsertNode(added, std::move(child));
    observer_ = quiet;
  }
  if (observer_) observer_->EndInsert();
  return added;
}

std::vector<TreeNode*> ProjectTree::ReplaceLines(TreeNode& node, std::vector<NodeSpec> lines) {
  return ReplaceLines(node, std::move(lines), [](const TreeNode&) { return true; });
}

void ProjectTree::SetText(TreeNode& node, std::string text) {
  node.text_ = BlankSeparators(text);
  if (observer_) observer_->TextChanged(&node);
}

void ProjectTree::Remove(TreeNode& node) {
  TreeNode& parent = *node.parent_;
  const int row = node.Row();
  if (observer_) observer_->BeginRemove(&parent == &holder_ ? nullptr : &parent, row, row);
  parent.children_.erase(parent.children_.begin() + row);
  if (observer_) observer_->EndRemove();
}

NodeSpec SpecOf(const TreeNode& node) {
  NodeSpec spec{node.Image(), node.Text(), {}};
  for (const auto& child : node.Children()) spec.Children.push_back(SpecOf(*child));
  return spec;
}

bool operator==(const NodeSpec& a, const NodeSpec& b) {
  return a.Image == b.Image && a.Text == b.Text && a.Children == b.Children;
}

}  // namespace ovalto
