// The editing rules of the project tree: which tool buttons the selected node
// allows, the name of a new system, renaming and deleting.
#pragma once

#include <string>

#include "tree/project_tree.h"

namespace ovalto {

struct TreeButtons {
  bool bbADS = false;  // "Система"
  bool bbDEL = false;  // "Удалить"
  bool bbADD = false;  // "Добавить" a detail
  bool bb1 = false;    // the four objects: pipeline, tank, rectangular and cylindrical duct
  bool bb2 = false;
  bool bb3 = false;
  bool bb4 = false;
};

// For the selected node; nothing is enabled without one.
TreeButtons ButtonsFor(const TreeNode* selected);

// "Новая система " and the lowest N that no system of the tree is named.
std::string NewSystemName(const ProjectTree& tree);

// Adds a system with the new name as the last child of `parent`.
TreeNode& AddSystem(ProjectTree& tree, TreeNode& parent);

// Only systems and objects are renamed in place.
bool CanRename(const TreeNode& node);

// The text a finished edit stores: as the file will hold it, and "...?"
// for a text that is blank.
std::string EditedText(const std::string& typed);

// "Удалить "…" со всеми вложениями ?"
std::string DeleteQuestion(const TreeNode& node);

// A new tree: the root alone, or with its first system for a new project.
void ResetTree(ProjectTree& tree, bool withFirstSystem);

}  // namespace ovalto
