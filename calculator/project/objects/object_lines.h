// The parameter lines of an object entered by hand, as the project tree
// holds them under the object's node, and the way back from those lines
// into the object dialog when the user re-edits them.
#pragma once

#include <string>
#include <vector>

#include "objects/object_entry.h"
#include "objects/object_params.h"
#include "tree/project_tree.h"

namespace ovalto {

// The lines of an object entered by hand, in their order; a pipeline ends
// with its details branch.
std::vector<NodeSpec> HandObjectLines(const ObjectParams& params);

// The details branch of a pipeline of that length.
NodeSpec DetailsBranch(double lengthM);

// The new text of a hand-entered line after a re-edit, chosen by how the
// line begins; the line itself when no prefix of the kind matches it.
std::string RewrittenHandLine(const std::string& line, const ObjectParams& params);

// The dialog's inputs filled from an object's hand-entered lines, the way a
// re-edit opens the dialog ("Ввести вручную" chosen).
ObjectEntry EntryFromHandLines(int kind, const std::string& name, const std::vector<std::string>& lines);

}  // namespace ovalto
