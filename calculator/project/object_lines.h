// The parameter lines of an object entered by hand, as the project tree
// holds them under the object's node, and the way back from those lines
// into the object dialog when the user re-edits them.
#pragma once

#include <string>
#include <vector>

#include "object_entry.h"
#include "object_params.h"

namespace ovalto {

// Tree images of the nodes below an object.
enum ObjectLineImage : int {
  kPipeLengthImage = 1,   // "Труба [ L м ]" under "ДЕТАЛИ"
  kFirstDetailImage = 2,  // detail lines 2 to 8
  kLastDetailImage = 8,
  kSizedLineImage = 14,  // a line written from a calculation
  kDetailsImage = 15,    // the "ДЕТАЛИ" branch of a pipeline
  kHandLineImage = 16,   // a line entered by hand
};

// One node below an object, with its own children.
struct ObjectLine {
  int Image = 0;
  std::string Text;
  std::vector<ObjectLine> Children;

  bool operator==(const ObjectLine&) const = default;
};

// The lines of an object entered by hand, in their order; a pipeline ends
// with its details branch.
std::vector<ObjectLine> HandObjectLines(const ObjectParams& params);

// The details branch of a pipeline of that length.
ObjectLine DetailsBranch(double lengthM);

// The new text of a hand-entered line after a re-edit, chosen by how the
// line begins; the line itself when no prefix of the kind matches it.
std::string RewrittenHandLine(const std::string& line, const ObjectParams& params);

// The dialog's inputs filled from an object's hand-entered lines, the way a
// re-edit opens the dialog ("Ввести вручную" chosen).
ObjectEntry EntryFromHandLines(int kind, const std::string& name, const std::vector<std::string>& lines);

}  // namespace ovalto
