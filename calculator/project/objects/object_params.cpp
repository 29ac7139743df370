#include "objects/object_params.h"

namespace ovalto {

namespace {

constexpr ObjectKindTexts kKindTexts[] = {
    {"ТРУБОПРОВОД", "Диаметр трубы", "Длина трубы", false},
    {"ЁМКОСТЬ", "Наружний диаметр", "", true},
    {"ВОЗДУХОВОД ПРЯМОУГОЛЬНЫЙ", "Ширина", "Длина воздуховода", true},
    {"ВОЗДУХОВОД ЦИЛИНДРИЧЕСКИЙ", "Диаметр", "Длина воздуховода", false},
};

}  // namespace

// The Latin c of "вязкоcти" is the original's own spelling.
const std::array<std::string_view, 6> PurposeItems = {
    "энергоэффективность применения изоляции", "соблюдение норм плотности теплопого потока",
    "соблюдение требований безопасности",      "сохранение заданной температуры",
    "предотвращение конденсации влаги",        "предотвращение замерзания или увеличения вязкоcти вещества",
};
const std::array<std::string_view, 6> PurposeCodes = {"ЭЭ", "СН", "ТВ", "СТ", "ПК", "З"};
const std::array<std::string_view, 2> LocationItems = {"на открытом воздухе", "в помещении"};
const std::array<std::string_view, 2> LocationLetters = {"О", "П"};

const ObjectKindTexts& TextsOfKind(int kind) { return kKindTexts[kind - kPipelineObject]; }

std::string PurposeCode(int purposeItem, int locationItem) {
  std::string code(PurposeCodes[static_cast<std::size_t>(purposeItem)]);
  return code.append(" ").append(LocationLetters[static_cast<std::size_t>(locationItem)]);
}

int PurposeItemOf(std::string_view purposeCode) {
  // "З" is one letter: it counts only when the blank follows it.
  for (std::size_t item = 0; item < PurposeCodes.size(); ++item) {
    const std::string_view code = PurposeCodes[item];
    const std::string_view head = purposeCode.substr(0, code.size());
    if (head != code) continue;
    if (item == 5 && purposeCode.substr(code.size(), 1) != " ") continue;
    return static_cast<int>(item);
  }
  return -1;
}

int LocationItemOf(std::string_view purposeCode) { return purposeCode.find(" П") != std::string_view::npos ? 1 : 0; }

}  // namespace ovalto
