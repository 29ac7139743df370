#include "objects/object_tree.h"

#include "objects/object_lines.h"

namespace ovalto {

namespace {

TreeNode& AddObject(ProjectTree& tree, TreeNode& system, int kind, const std::string& name,
                    std::vector<NodeSpec> lines) {
  return tree.InsertNode(system, NodeSpec{kind, name, std::move(lines)});
}

bool IsParameterLine(const TreeNode& node) {
  return node.Image() == kImageEnteredLine || node.Image() == kImageCalculatedLine;
}

bool IsDetailLine(const TreeNode& node) {
  return node.Image() >= kImageFirstDetail && node.Image() <= kImageLastDetail;
}

std::vector<NodeSpec> DetailLineSpecs(const DetailSlots& slots) {
  std::vector<NodeSpec> lines;
  for (int slot = 0; slot < kDetailSlotCount; ++slot) {
    const std::string& text = slots[static_cast<std::size_t>(slot)];
    if (!text.empty()) lines.push_back({slot + kDetailImageOffset, text, {}});
  }
  return lines;
}

}  // namespace

TreeNode& AddHandObject(ProjectTree& tree, TreeNode& system, const ObjectParams& params) {
  return AddObject(tree, system, params.Kind, params.ObjectName, HandObjectLines(params));
}

TreeNode& AddSizedObject(ProjectTree& tree, TreeNode& system, const SizedObject& object) {
  return AddObject(tree, system, object.Params.Kind, object.Params.ObjectName, SizedObjectLines(object));
}

TreeNode* LastLineToSelect(TreeNode& object) {
  if (object.ChildCount() == 0) return nullptr;
  TreeNode* last = object.Child(object.ChildCount() - 1);
  if (last->Image() == kImageDetails && last->ChildCount() > 0) return last->Child(0);
  return last;
}

std::vector<std::string> ParameterLineTexts(const TreeNode& object) {
  std::vector<std::string> texts;
  for (const auto& child : object.Children()) {
    if (IsParameterLine(*child)) texts.push_back(child->Text());
  }
  return texts;
}

bool DetailsTakeNoFlanges(const TreeNode& details) {
  const TreeNode* object = details.Parent();
  return object != nullptr && HasMetalSheetCovering(ParameterLineTexts(*object));
}

std::vector<TreeNode*> AddDetailLines(ProjectTree& tree, TreeNode& details, const DetailSlots& slots) {
  std::vector<TreeNode*> added;
  for (NodeSpec& line : DetailLineSpecs(slots)) added.push_back(&tree.InsertNode(details, std::move(line)));
  return added;
}

ReEditKind ReEditOf(const TreeNode* node) {
  if (node == nullptr) return ReEditKind::None;
  const TreeNode* parent = node->Parent();
  if (parent != nullptr && parent->Level() == 3 && parent->Image() == kImageDetails) return ReEditKind::Details;
  if (node->Level() == 3 && node->Image() == kImageEnteredLine && parent != nullptr && IsObjectKind(parent->Image())) {
    return ReEditKind::Object;
  }
  return ReEditKind::None;
}

std::optional<DetailPreset> DetailPresetOf(const TreeNode& details) {
  DetailPreset preset;
  for (const auto& child : details.Children()) {
    if (!IsDetailLine(*child)) continue;
    std::optional<DetailLineValues> values = ReadDetailLine(child->Text());
    if (!values) return std::nullopt;
    preset[static_cast<std::size_t>(child->Image() - kDetailImageOffset)] = std::move(values);
  }
  return preset;
}

std::vector<TreeNode*> ReplaceDetailLines(ProjectTree& tree, TreeNode& details, const DetailSlots& slots) {
  return tree.ReplaceLines(details, DetailLineSpecs(slots),
                           [](const TreeNode& line) { return line.Image() > kImagePipeLength; });
}

ObjectEntry ReEditEntryOf(const TreeNode& object) {
  std::vector<std::string> lines;
  for (const auto& child : object.Children()) {
    if (child->Image() == kImageEnteredLine) lines.push_back(child->Text());
  }
  return EntryFromHandLines(object.Image(), object.Text(), lines);
}

void RewriteHandLines(ProjectTree& tree, TreeNode& object, const ObjectParams& params) {
  for (const auto& child : object.Children()) {
    if (child->Image() == kImageEnteredLine) tree.SetText(*child, RewrittenHandLine(child->Text(), params));
  }
}

}  // namespace ovalto
