#include "project_screens/object_editing.h"

#include "dialogs/tf_detali.h"
#include "dialogs/tf_par_izol.h"
#include "objects/object_tree.h"

namespace ovalto {

ObjectEditing::ObjectEditing(ProjectTree& tree, TreeView view, MessageBoxes& messages, QWidget* window)
    : tree_(tree), view_(std::move(view)), messages_(messages), window_(window) {}

bool ObjectEditing::InTree(const TreeNode* node) const {
  if (node == nullptr) return false;
  for (const TreeNode* known : tree_.Nodes()) {
    if (known == node) return true;
  }
  return false;
}

bool ObjectEditing::AddObject(int kind) {
  TreeNode* system = view_.Selected();
  if (system == nullptr || system->Level() != 1) return false;
  Params.Kind = kind;
  {
    TfParIzol dialog(Params, messages_, window_);
    const std::string_view name = TextsOfKind(kind).DefaultName;
    dialog.edN->setText(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    dialog.exec();
  }
  if (Params.ThicknessMm < 0) return false;
  if (Params.ThicknessMm == 0) {
    sizingSystem_ = system;
    sized_.reset();
    return true;
  }
  TreeNode& object = AddHandObject(tree_, *system, Params);
  if (TreeNode* last = LastLineToSelect(object)) view_.Select(last);
  view_.Select(&object);
  return false;
}

void ObjectEditing::bbADDClick() {
  TreeNode* details = view_.Selected();
  if (details == nullptr || details->Image() != kImageDetails) return;
  TfDetali dialog(messages_, window_);
  if (DetailsTakeNoFlanges(*details)) dialog.DisableFlangesAndValves();
  dialog.exec();
  if (dialog.DetailCount <= 0) return;
  for (TreeNode* line : AddDetailLines(tree_, *details, dialog.Slots)) view_.Select(line);
  view_.Select(details);
}

void ObjectEditing::TVDblClick() {
  TreeNode* node = view_.Selected();
  switch (ReEditOf(node)) {
    case ReEditKind::Details: {
      TreeNode& details = *node->Parent();
      const std::optional<DetailPreset> preset = DetailPresetOf(details);
      if (!preset) return;  // a line that does not read leaves the branch alone
      TfDetali dialog(messages_, window_);
      for (int slot = 0; slot < kDetailSlotCount; ++slot) {
        if (const auto& values = (*preset)[static_cast<std::size_t>(slot)]) dialog.Preset(slot, *values);
      }
      dialog.ed[0]->setFocus();
      dialog.exec();
      if (dialog.DetailCount <= 0) return;
      for (TreeNode* line : ReplaceDetailLines(tree_, details, dialog.Slots)) view_.Select(line);
      return;
    }
    case ReEditKind::Object: {
      TreeNode& object = *node->Parent();
      Params.Kind = object.Image();
      {
        TfParIzol dialog(Params, messages_, window_);
        dialog.PresetForReEdit(ReEditEntryOf(object));
        dialog.exec();
      }
      if (Params.ThicknessMm > 0) RewriteHandLines(tree_, object, Params);
      return;
    }
    case ReEditKind::None:
      return;
  }
}

void ObjectEditing::RunFinished(bool completed, CalcSession& session) {
  sized_.reset();
  if (completed) sized_ = SizedObjectFrom(session, Params.Kind, Params.ObjectName);
}

void ObjectEditing::SizingEnded() {
  TreeNode* system = sizingSystem_;
  sizingSystem_ = nullptr;
  std::optional<SizedObject> sized = std::move(sized_);
  sized_.reset();
  if (!sized || !InTree(system)) return;
  Params = sized->Params;
  TreeNode& object = AddSizedObject(tree_, *system, *sized);
  if (object.Image() == kImagePipeline) view_.Select(LastLineToSelect(object));
  view_.Select(object.Child(object.ChildCount() - 1));
  view_.Select(&object);
}

}  // namespace ovalto
