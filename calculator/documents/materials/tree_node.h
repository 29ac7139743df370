// One node of a project tree as the bill of materials reads it. A tree is
// the nodes in the tree view's order (a node, then its children, depth
// first), the root first at level 0. It is named apart from the project
// tree's own TreeNode: both live in one program.
#pragma once

#include <string>

namespace ovalto {

struct FlatTreeNode {
  int Level = 0;  // 0 root, 1 system, 2 object, 3 parameter line or "ДЕТАЛИ", 4 detail line
  int Image = 0;  // the node's role: 9 system, 10–13 objects, 14/16 lines, 15 "ДЕТАЛИ", 1–8 details
  std::string Text;
};

}  // namespace ovalto
