// The record that carries one insulated object between the object dialog,
// the project tree and the calculation screen, with what tells the four
// object kinds apart and the object's purpose code.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "tree/project_tree.h"

namespace ovalto {

// Also the image of the object's node in the project tree.
enum ObjectKind : int {
  kNoObject = 0,
  kPipelineObject = kImagePipeline,
  kTankObject = kImageTank,
  kRectangularDuctObject = kImageRectangularDuct,
  kCylindricalDuctObject = kImageCylindricalDuct,
};

constexpr bool IsObjectKind(int kind) { return kind >= kPipelineObject && kind <= kCylindricalDuctObject; }

// Thickness of a dialog that was left without "Применить".
constexpr double kObjectCancelled = -1;

struct ObjectParams {
  int Kind = kNoObject;
  double LengthM = 0;      // pipelines and ducts
  double SizeMm = 0;       // outer diameter, duct width or duct diameter
  double HeightMm = 0;     // tanks and rectangular ducts
  double ThicknessMm = 0;  // -1 cancelled, 0 to be calculated, above 0 given
  std::string ObjectName;
  std::string InsulationType;
  std::string CoveringType;
  std::string Purpose;  // the PurposeCode
};

// What the object dialog shows for a kind.
struct ObjectKindTexts {
  std::string_view DefaultName;    // the name the add button offers
  std::string_view SizeCaption;    // L0
  std::string_view LengthCaption;  // LL; empty when the kind has no length
  bool HasHeight;
};

// kind must be one of the four object kinds.
const ObjectKindTexts& TextsOfKind(int kind);

// The purposes (RGN) and locations (RGR) the dialog offers, in their order.
extern const std::array<std::string_view, 6> PurposeItems;
extern const std::array<std::string_view, 6> PurposeCodes;
extern const std::array<std::string_view, 2> LocationItems;
extern const std::array<std::string_view, 2> LocationLetters;

// The code of a purpose item, a blank and the letter of a location item.
std::string PurposeCode(int purposeItem, int locationItem);

// Where the purpose and location of a stored code stand among the items;
// -1 for a code the dialog does not know.
int PurposeItemOf(std::string_view purposeCode);
int LocationItemOf(std::string_view purposeCode);

}  // namespace ovalto
