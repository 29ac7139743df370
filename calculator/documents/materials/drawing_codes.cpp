#include "materials/drawing_codes.h"

#include <array>
#include <cstdio>
#include <vector>

#include "text_case.h"

namespace ovalto {

namespace {

struct DrawingCodeRecord {
  int Category;
  int LayerVariant;  // 1 single layer, 2 two or more
  std::string_view InsulationLine;
  std::string_view CoveringType;
  int Number;  // NN of "5.904.9-78.08.0-NN"
};

constexpr std::string_view kVardo = "KALDERON Vardo";
constexpr std::string_view kCodePrefix = "5.904.9-78.08.0-";

// The album numbers its sheets by covering in this column order; the metal
// sheets (AL and CT) share one drawing.
constexpr std::array<std::string_view, 5> kCoverings = {"Без покрытия", "PELLORIT TK CK", "PELLORIT TK", "PELLORIT AL",
                                                        "PELLORIT CT"};
// The two-layer reducer sheet names its coverings with the Cyrillic brand.
constexpr std::array<std::string_view, 5> kCyrillicCoverings = {"Без покрытия", "Пеллорит TK CK", "Пеллорит TK",
                                                                "Пеллорит AL", "Пеллорит CT"};

std::vector<DrawingCodeRecord> BuildTable() {
  std::vector<DrawingCodeRecord> table;
  struct Block {
    int Category, Layers, First;  // numbers First … First + 4, the fourth skipped
  };
  // Pipelines, bends, tees, reducers: five columns numbered from the first,
  // the AL and CT columns both taking the fifth number.
  constexpr Block kBlocks[] = {{10, 1, 1}, {10, 2, 6}, {2, 1, 11}, {2, 2, 16},
                               {5, 1, 21}, {5, 2, 26}, {6, 1, 31}, {6, 2, 36}};
  constexpr int kColumnOffsets[] = {0, 1, 2, 4, 4};
  for (const Block& block : kBlocks) {
    const auto& coverings = block.Category == 6 && block.Layers == 2 ? kCyrillicCoverings : kCoverings;
    for (std::size_t column = 0; column < coverings.size(); ++column) {
      table.push_back({block.Category, block.Layers, kVardo, coverings[column], block.First + kColumnOffsets[column]});
    }
  }
  table.push_back({12, 1, "KALDERON Corvane DUCT AL", "Без покрытия", 41});
  table.push_back({12, 1, "KALDERON Corvane DUCT", "Без покрытия", 42});
  table.push_back({12, 1, "KALDERON Corvane DUCT", "PELLORIT TK CK", 43});
  table.push_back({12, 1, "KALDERON Corvane DUCT", "PELLORIT TK", 44});
  table.push_back({3, 1, kVardo, "Без покрытия", 45});
  table.push_back({3, 2, kVardo, "Без покрытия", 46});
  table.push_back({4, 1, kVardo, "Без покрытия", 50});
  table.push_back({4, 1, kVardo, "PELLORIT TK CK", 51});
  table.push_back({11, 1, "KALDERON Vardo AL", "Без покрытия", 54});
  table.push_back({11, 1, kVardo, "PELLORIT TK CK", 55});
  table.push_back({11, 1, kVardo, "Без покрытия", 56});
  return table;
}

}  // namespace

std::string FindDrawingCode(int category, std::size_t layerCount, std::string_view insulation,
                            std::string_view covering) {
  static const std::vector<DrawingCodeRecord> kTable = BuildTable();
  if (category == 7) category = 6;  // an eccentric reducer is drawn as a concentric one
  const int variant = layerCount > 1 ? 2 : static_cast<int>(layerCount);
  for (const DrawingCodeRecord& record : kTable) {
    if (record.Category == category && record.LayerVariant == variant && SameText(record.InsulationLine, insulation) &&
        SameText(record.CoveringType, covering)) {
      char number[4];
      std::snprintf(number, sizeof number, "%02d", record.Number);
      return std::string(kCodePrefix).append(number);
    }
  }
  return {};
}

}  // namespace ovalto
