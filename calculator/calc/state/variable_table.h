// The calculator's one store of calculation data: 47 named variables with
// their group, caption, grid row, number, text and remembered text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "message_box.h"
#include "state/grid_model.h"

namespace ovalto {

struct VariableRecord {
  std::int16_t Group;
  std::int16_t InputKind;    // 0 typed; otherwise the code of the in-place combo
  std::string_view Caption;  // a fixed text of the table
  std::string Name;
  char ValueType;            // 'F' a number, 'S' a text (a list choice)
  std::int16_t GridRow = 0;  // -1 when not shown
  double Value = 0;
  std::string Text;
  std::uint8_t Mark = 0;
  std::string RememberedText;
};

struct GroupHeaderRecord {
  std::int16_t HeaderRow = -1;
  std::string Caption;
};

constexpr int kVariableCount = 47;

// A variable's name as a number: every name has one to four characters, so
// names are matched by comparing numbers. A longer name packs to 0, which no
// variable has.
constexpr std::uint32_t PackedName(std::string_view name) {
  if (name.empty() || name.size() > 4) return 0;
  std::uint32_t key = 0;
  for (const char c : name) key = key << 8 | static_cast<unsigned char>(c);
  return key;
}
constexpr int kGroupCount = 7;

class VariableTable {
 public:
  // The grid receives shown values; messages report unknown names.
  VariableTable(GridModel& grid, MessageBoxes& messages);

  // Writes one variable by name. A text starting with "!" is forced: it also
  // reaches hidden variables and rows above the one the user last left. A
  // non-empty text (after the "!") is stored as text; an empty one stores
  // number. "An" is locked while a coefficient chosen in its dialog holds.
  void SetVariable(std::string_view name, std::string_view text, double number);

  // The number of the first variable of that name; an unknown name is
  // reported ("Не найдена переменая ...") and reads as 0.
  double GetVariable(std::string_view name);

  // The number of a variable as the grid writes it.
  const std::string& NumberText(const VariableRecord& record) {
    return TextOfNumber(static_cast<std::size_t>(&record - records_.data()), record.Value);
  }

  // Grid row of the variable (-1 hidden); 0 for a name that no record has.
  std::int16_t VariableRow(std::string_view name) const;
  // Grid row of the first variable edited by that in-place combo; 0 if none.
  std::int16_t RowOfInputKind(std::int16_t kind) const;

  // The first record of that name, or null. The names are a fixed table,
  // so a name is matched by a number rather than by its text.
  VariableRecord* Find(std::string_view name);
  const VariableRecord* Find(std::string_view name) const;

  std::array<VariableRecord, kVariableCount>& Records() { return records_; }
  const std::array<VariableRecord, kVariableCount>& Records() const { return records_; }
  std::array<GroupHeaderRecord, kGroupCount>& GroupHeaders() { return groups_; }
  const std::array<GroupHeaderRecord, kGroupCount>& GroupHeaders() const { return groups_; }

  GridModel& Grid() { return grid_; }
  MessageBoxes& Messages() { return messages_; }

 private:
  // The texts last shown for each variable's numbers: the same numbers are
  // written again and again (each row left derives the inputs below it, and
  // the conductivity comes from two rules in turn), and a number's text
  // needs writing only once.
  struct ShownNumber {
    double Value = 0;
    std::string Text;
  };
  using ShownNumbers = std::array<ShownNumber, 2>;
  const std::string& TextOfNumber(std::size_t index, double number);

  std::array<VariableRecord, kVariableCount> records_;
  std::array<ShownNumbers, kVariableCount> shownNumbers_;
  std::array<GroupHeaderRecord, kGroupCount> groups_;
  GridModel& grid_;
  MessageBoxes& messages_;
};

}  // namespace ovalto
