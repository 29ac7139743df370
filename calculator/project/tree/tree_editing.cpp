#include "tree/tree_editing.h"

#include "tree/field_text.h"

namespace ovalto {

TreeButtons ButtonsFor(const TreeNode* selected) {
  TreeButtons buttons;
  if (selected == nullptr) return buttons;
  const int level = selected->Level();
  const int image = selected->Image();
  buttons.bbADS = level == 0;
  // Parameter lines, "ДЕТАЛИ" and the pipe length go only with their object.
  buttons.bbDEL = level >= 1 && image != kImagePipeLength && image != kImageCalculatedLine && image != kImageDetails &&
                  image != kImageEnteredLine;
  buttons.bbADD = level == 3 && image == kImageDetails;
  buttons.bb1 = buttons.bb2 = buttons.bb3 = buttons.bb4 = level == 1;
  return buttons;
}

std::string NewSystemName(const ProjectTree& tree) {
  for (int n = 1;; ++n) {
    const std::string candidate = "Новая система " + std::to_string(n);
    bool taken = false;
    for (const TreeNode* node : tree.Nodes()) taken = taken || (node->Level() == 1 && node->Text() == candidate);
    if (!taken) return candidate;
  }
}

TreeNode& AddSystem(ProjectTree& tree, TreeNode& parent) {
  return tree.InsertNode(parent, {kImageSystem, NewSystemName(tree), {}});
}

bool CanRename(const TreeNode& node) { return node.Level() == 1 || node.Level() == 2; }

std::string EditedText(const std::string& typed) {
  std::string text = StorableText(typed);
  return TrimBlanks(text).empty() ? "...?" : text;
}

std::string DeleteQuestion(const TreeNode& node) { return "Удалить \"" + node.Text() + "\" со всеми вложениями ?"; }

void ResetTree(ProjectTree& tree, bool withFirstSystem) {
  std::vector<NodeSpec> root{{kImageRoot, kRootText, {}}};
  tree.Assign(std::move(root));
  if (withFirstSystem) AddSystem(tree, *tree.Root());
}

}  // namespace ovalto
