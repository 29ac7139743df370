// Objects and details in a project's tree: adding an object under a system
// (entered by hand or sized), adding fittings under "ДЕТАЛИ", and reading a
// double-clicked line back into its dialog and writing the answer in place.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "objects/detail_lines.h"
#include "objects/object_entry.h"
#include "objects/object_params.h"
#include "objects/sizing_lines.h"
#include "tree/project_tree.h"

namespace ovalto {

// The object node with its lines, as the last child of the system.
TreeNode& AddHandObject(ProjectTree& tree, TreeNode& system, const ObjectParams& params);
TreeNode& AddSizedObject(ProjectTree& tree, TreeNode& system, const SizedObject& object);

// The node a new object selects last before the object itself: the pipe
// length line of a pipeline, the last line of any other object.
TreeNode* LastLineToSelect(TreeNode& object);

// The texts of an object's parameter lines (entered by hand or sized).
std::vector<std::string> ParameterLineTexts(const TreeNode& object);

// The details branch's object covered with metal sheet (no flanges, valves).
bool DetailsTakeNoFlanges(const TreeNode& details);

// The non-empty slots as detail lines after the branch's existing lines.
std::vector<TreeNode*> AddDetailLines(ProjectTree& tree, TreeNode& details, const DetailSlots& slots);

// What a double click on a node re-edits.
enum class ReEditKind { None, Details, Object };
ReEditKind ReEditOf(const TreeNode* node);

// The details dialog's fields from the branch's lines (the last line of a
// kind wins); nothing when a line does not read.
using DetailPreset = std::array<std::optional<DetailLineValues>, kDetailSlotCount>;
std::optional<DetailPreset> DetailPresetOf(const TreeNode& details);

// The branch's detail lines replaced by the slots; the pipe length line stays.
std::vector<TreeNode*> ReplaceDetailLines(ProjectTree& tree, TreeNode& details, const DetailSlots& slots);

// The object dialog's fields from a hand-entered object's lines.
ObjectEntry ReEditEntryOf(const TreeNode& object);

// Every hand-entered line rewritten from params by how it begins; the object's
// name and its pipe length line stay.
void RewriteHandLines(ProjectTree& tree, TreeNode& object, const ObjectParams& params);

}  // namespace ovalto
