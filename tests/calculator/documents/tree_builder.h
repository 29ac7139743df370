// Builds project trees in the line wording of the object dialog (entered by
// hand) and of a sizing calculation, for the tests and the benchmark of the
// bill of materials.
#pragma once

#include <string>
#include <vector>

#include "materials/tree_node.h"
#include "number_format.h"

namespace ovalto::testing {

struct ObjectSpec {
  int Kind = 10;
  std::string Name = "ТРУБОПРОВОД";
  double SizeMm = 57;
  double HeightMm = 0;
  double LengthM = 10;
  double ThicknessMm = 20;
  std::string Insulation = "KALDERON Vardo";
  std::string Covering = "Без покрытия";
  std::string Purpose = "ЭЭ О";
};

class TreeBuilder {
 public:
  TreeBuilder() { nodes_.push_back({0, 0, "СИСТЕМЫ"}); }

  TreeBuilder& System(const std::string& name = "Новая система 1") {
    nodes_.push_back({1, 9, name});
    return *this;
  }

  // An object as the object dialog writes it (image 16 lines).
  TreeBuilder& Object(const ObjectSpec& o) {
    objectIndex_ = static_cast<int>(nodes_.size());
    nodes_.push_back({2, o.Kind, o.Name});
    const std::string d = FormatGeneral(o.SizeMm), h = FormatGeneral(o.HeightMm), l = FormatGeneral(o.LengthM);
    switch (o.Kind) {
      case 10:
        Line("Диаметр трубы = " + d + " мм");
        Line("Длина трубы = " + l + " м");
        break;
      case 11:
        Line("Наружний диаметр = " + d + " мм");
        Line("Высота ёмкости = " + h + " мм");
        break;
      case 12:
        Line("Ширина = " + d + " мм");
        Line("Высота = " + h + " мм");
        Line("Длина трубопровода = " + l + " м");
        break;
      default:
        Line("Диаметр = " + d + " мм");
        Line("Длина трубопровода = " + l + " м");
        break;
    }
    Line("Толщина изоляции = " + FormatGeneral(o.ThicknessMm) + " мм");
    Line("Тип изоляции : \"" + o.Insulation + "\"");
    Line("Тип покрытия : \"" + o.Covering + "\"");
    Line("Назначение и расположение : \"" + o.Purpose + "\"");
    if (o.Kind == 10) {
      nodes_.push_back({3, 15, "ДЕТАЛИ"});
      nodes_.push_back({4, 1, "Труба [ " + l + " м ]"});
    }
    return *this;
  }

  // A parameter line of the last object (image 16, or 14 as a calculation
  // writes it), placed before its details branch.
  TreeBuilder& Line(const std::string& text, int image = 16) {
    std::size_t at = nodes_.size();
    if (nodes_.back().Level == 4 || nodes_.back().Image == 15) {
      at = static_cast<std::size_t>(objectIndex_) + 1;
      while (at < nodes_.size() && nodes_[at].Level == 3 && nodes_[at].Image != 15) ++at;
    }
    nodes_.insert(nodes_.begin() + static_cast<std::ptrdiff_t>(at), FlatTreeNode{3, image, text});
    return *this;
  }

  // A fitting line under the last pipeline's "ДЕТАЛИ": image 2 bend … 8 end cap.
  TreeBuilder& Detail(int image, int count, double smallMm = 0) {
    static const char* const kCaptions[] = {
        "Отвод", "Фланец", "Арматура", "Тройник", "Переход концентрический", "Переход эксцентрический", "Торец"};
    std::string text = std::string(kCaptions[image - 2]) + "  [ " + std::to_string(count) + " шт";
    if (image == 6 || image == 7) text += "; на " + FormatGeneral(smallMm) + " мм";
    nodes_.push_back({4, image, text + "]"});
    return *this;
  }

  int LastObject() const { return objectIndex_; }
  const std::vector<FlatTreeNode>& Nodes() const { return nodes_; }

 private:
  std::vector<FlatTreeNode> nodes_;
  int objectIndex_ = -1;
};

}  // namespace ovalto::testing
