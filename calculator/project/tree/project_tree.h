// A project's tree of systems, objects and their lines, as plain data.
//
// How the tree is modelled:
// - A node is an image index and a text (UTF-8). Its level is its depth: the
//   top-level nodes (normally the one root "СИСТЕМЫ") are level 0, systems 1,
//   objects 2, an object's lines and its "ДЕТАЛИ" branch 3, the pipe length and
//   detail lines under "ДЕТАЛИ" 4. Levels are never stored, only derived, so a
//   subtree moved or inserted anywhere keeps consistent levels.
// - The image index tells a node's role (TreeImage below); it is also the
//   picture the tree view shows for it, and an object's image equals its
//   object kind (10..13).
// - ProjectTree owns an invisible holder whose children are the top-level
//   nodes, so a tree read from a file with several level-0 lines is kept as
//   it is. Children are owned through unique_ptr: a TreeNode's address stays
//   valid until the node is removed, so callers and views may hold pointers.
// - Every change goes through ProjectTree, which tells its observer (the Qt
//   tree view's model) before and after, so dialogs change the core tree and
//   the view follows.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ovalto {

enum TreeImage : int {
  kImageRoot = 0,
  kImagePipeLength = 1,
  kImageFirstDetail = 2,  // 2..8: bends, flanges, valves, tees, concentric and eccentric reducers, end caps
  kImageLastDetail = 8,
  kImageSystem = 9,
  kImagePipeline = 10,
  kImageTank = 11,
  kImageRectangularDuct = 12,
  kImageCylindricalDuct = 13,
  kImageCalculatedLine = 14,
  kImageDetails = 15,
  kImageEnteredLine = 16,
};
constexpr int kTreeImageCount = 17;

inline constexpr const char* kRootText = "СИСТЕМЫ";

class TreeNode {
 public:
  // Separators in the text become blanks: a node text can never split the
  // tree's text form or the projects file.
  TreeNode(int image, std::string_view text);

  int Image() const { return image_; }
  const std::string& Text() const { return text_; }
  // 0 for a top-level node.
  int Level() const;
  // nullptr for a top-level node.
  TreeNode* Parent() const;
  const std::vector<std::unique_ptr<TreeNode>>& Children() const { return children_; }
  int ChildCount() const { return static_cast<int>(children_.size()); }
  TreeNode* Child(int row) const { return children_[static_cast<size_t>(row)].get(); }
  // Place among the parent's children (or among the top-level nodes).
  int Row() const;

 private:
  friend class ProjectTree;
  int image_;
  std::string text_;
  TreeNode* parent_ = nullptr;  // the holder for top-level nodes
  std::vector<std::unique_ptr<TreeNode>> children_;
};

// A node to be inserted together with its lines (its children).
struct NodeSpec {
  int Image = 0;
  std::string Text;
  std::vector<NodeSpec> Children;
};

// Told about every change so that a view can follow. Rows are places among
// `parent`'s children; a null parent means the top level.
class TreeObserver {
 public:
  virtual ~TreeObserver() = default;
  virtual void BeginInsert(TreeNode* parent, int first, int last) = 0;
  virtual void EndInsert() = 0;
  virtual void BeginRemove(TreeNode* parent, int first, int last) = 0;
  virtual void EndRemove() = 0;
  virtual void TextChanged(TreeNode* node) = 0;
  virtual void BeginReset() = 0;
  virtual void EndReset() = 0;
};

class ProjectTree {
 public:
  ProjectTree();
  ~ProjectTree();
  ProjectTree(const ProjectTree&) = delete;
  ProjectTree& operator=(const ProjectTree&) = delete;

  void SetObserver(TreeObserver* observer) { observer_ = observer; }

  bool Empty() const { return holder_.children_.empty(); }
  int TopLevelCount() const { return holder_.ChildCount(); }
  TreeNode* TopLevel(int row) const { return holder_.Child(row); }
  // The first top-level node, or nullptr when the tree is empty.
  TreeNode* Root() const { return Empty() ? nullptr : TopLevel(0); }

  // Every node in the tree's order: a node, then its children, depth first.
  std::vector<TreeNode*> Nodes() const;
  int NodeCount() const { return static_cast<int>(Nodes().size()); }

  void Clear();
  // Replaces the whole tree by `topLevel` (one reset for the view).
  void Assign(std::vector<NodeSpec> topLevel);
  // Adds a top-level node.
  TreeNode& AddTopLevel(NodeSpec node);

  // The one place where a node enters the tree under another: `node` with
  // all its lines becomes the last child of `parent` (a system for an object,
  // "ДЕТАЛИ" for a detail line). Returns the inserted node.
  TreeNode& InsertNode(TreeNode& parent, NodeSpec node);

  // The one place where a node's lines are replaced: the children of `node`
  // for which `replaced` holds are removed, the others keep their places, and
  // `lines` are appended after them, in order. Returns the appended nodes.
  template <typename Predicate>
  std::vector<TreeNode*> ReplaceLines(TreeNode& node, std::vector<NodeSpec> lines, Predicate replaced) {
    for (int row = node.ChildCount() - 1; row >= 0; --row) {
      if (replaced(static_cast<const TreeNode&>(*node.Child(row)))) Remove(*node.Child(row));
    }
    std::vector<TreeNode*> added;
    for (NodeSpec& line : lines) added.push_back(&InsertNode(node, std::move(line)));
    return added;
  }
  // All children replaced.
  std::vector<TreeNode*> ReplaceLines(TreeNode& node, std::vector<NodeSpec> lines);

  // A new text for one node (renaming, a rewritten parameter line); its
  // separators become blanks as in a new node.
  void SetText(TreeNode& node, std::string text);

  // Removes the node with everything below it.
  void Remove(TreeNode& node);

 private:
  TreeNode holder_{-1, {}};
  TreeObserver* observer_ = nullptr;
};

// A node with its whole subtree as plain data, for copies and comparisons.
NodeSpec SpecOf(const TreeNode& node);
bool operator==(const NodeSpec& a, const NodeSpec& b);

}  // namespace ovalto
