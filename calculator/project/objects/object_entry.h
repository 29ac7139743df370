// What the object dialog checks and stores when the user presses
// "Применить": the rules of the dialog without its widgets.
#pragma once

#include <string>
#include <vector>

#include "message_box.h"
#include "objects/object_params.h"

namespace ovalto {

enum class ObjectField { None, Name, Size, Length, Height, Thickness };

// The dialog's inputs as the user left them.
struct ObjectEntry {
  int Kind = kPipelineObject;
  std::string Name;
  bool Calculate = true;  // "Произвести расчет"; false: "Ввести вручную"
  std::string SizeText, LengthText, HeightText, ThicknessText;
  int PurposeItem = -1;  // -1: nothing chosen
  int LocationItem = -1;
  std::string InsulationType;  // empty: nothing chosen
  std::string CoveringType;
};

struct ObjectEntryOutcome {
  bool Accepted = false;
  ObjectField Focus = ObjectField::None;  // the field a refused entry points at
};

// Checks the entry in the dialog's order; a refusal is shown as an error
// (or, for the standard-diameter question, answered Cancel) and leaves
// params as they were. Accepted: params hold the object; to be calculated,
// only its name and a thickness and sizes of 0, the rest kept.
ObjectEntryOutcome ApplyObjectEntry(const ObjectEntry& entry, ObjectParams& params, MessageBoxes& messages);

// The insulation lines the dialog offers for the kind; a pipeline's depend
// on its size and thickness texts (a text that is not a number counts 64).
std::vector<std::string> InsulationTypesFor(int kind, const std::string& sizeText, const std::string& thicknessText);

// The covering names in table order.
std::vector<std::string> CoveringTypeNames();

// The sizes the size field lists: the pipe series for a pipeline, the duct
// series for a cylindrical duct, nothing for the others.
std::vector<double> ListedSizes(int kind);

}  // namespace ovalto
