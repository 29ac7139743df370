// The tree's text form, TreeText, kept in a project record: for each node in
// the tree's order, one TAB per level, the image index as two digits, the
// node text and a pilcrow. Nothing else separates the pieces.
#pragma once

#include <string>
#include <vector>

#include "tree/project_tree.h"

namespace ovalto {

std::string BuildTreeText(const ProjectTree& tree);

struct ParsedTree {
  std::vector<NodeSpec> TopLevel;  // everything read up to the first error
  std::string Error;               // empty when the whole text was read
  bool Complete() const { return Error.empty(); }
};

// Reads a TreeText. A line's level is the count of TABs and blanks before it.
// A line more than one level below the previous node stops the reading with
// the level error, whatever lines before it hold; else the first line whose
// first two characters are not a number stops it with the image error. Text
// after the last pilcrow is read as one more line, so nothing stored is
// dropped.
ParsedTree ParseTreeText(const std::string& treeText);

// The pieces of a pilcrow-separated text (a note, a tree), in order; text
// after the last pilcrow is the last piece.
std::vector<std::string> SplitAtPilcrows(const std::string& text);

}  // namespace ovalto
