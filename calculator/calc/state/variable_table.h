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

// The variables' names in table order: the order the grid shows them, the
// input check walks them and a lookup finds them.
inline constexpr std::array<std::string_view, kVariableCount> kVariableNames = {
    "Zn_", "Ms_", "Dn", "Dv",  "Lv",  "De",  "Hv", "He", "L",  "Wst", "Lst", "Kdp", "Vv_",  "Z",   "Tb",  "Zt",
    "Tz",  "Rb",  "Kz", "Pb",  "Cp",  "Gm",  "T1", "T2", "Zv", "Wb",  "Vlv", "Ab",  "Trv",  "Rg_", "Np_", "Tn",
    "W",   "Vla", "Tr", "Ti_", "Liz", "Tp_", "An", "Tp", "Be", "Ktr", "Zpl", "Wiz", "Egod", "QL",  "Qf"};

// A variable's name as a number: every name has one to four characters, so
// names are matched by comparing numbers. A longer name packs to 0, which no
// variable has.
constexpr std::uint32_t PackedName(std::string_view name) {
  if (name.empty() || name.size() > 4) return 0;
  std::uint32_t key = 0;
  for (const char c : name) key = key << 8 | static_cast<unsigned char>(c);
  return key;
}

namespace variable_lookup {

// The packed names hashed into a table of record indices, built at compile
// time: a lookup costs a multiplication and a probe or two, and a name
// written in the code is resolved by the compiler.
inline constexpr std::size_t kSlotCount = 128;
constexpr std::size_t SlotOf(std::uint32_t key) { return (key * 2654435761u) >> 25; }
constexpr std::size_t NextSlot(std::size_t slot) { return (slot + 1) % kSlotCount; }

inline constexpr std::array<std::uint32_t, kVariableCount> kKeys = [] {
  std::array<std::uint32_t, kVariableCount> keys{};
  for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = PackedName(kVariableNames[i]);
  return keys;
}();

inline constexpr std::array<std::int8_t, kSlotCount> kSlots = [] {
  // Not "slots": the window's library claims that word.
  std::array<std::int8_t, kSlotCount> table{};
  for (auto& entry : table) entry = -1;
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    std::size_t slot = SlotOf(kKeys[i]);
    while (table[slot] >= 0) slot = NextSlot(slot);
    table[slot] = static_cast<std::int8_t>(i);
  }
  return table;
}();

}  // namespace variable_lookup

// The table index of the variable of that name; -1 for a name no variable has.
constexpr int VariableIndex(std::string_view name) {
  using namespace variable_lookup;
  const std::uint32_t key = PackedName(name);
  if (key == 0) return -1;
  for (std::size_t slot = SlotOf(key);; slot = NextSlot(slot)) {
    const int index = kSlots[slot];
    if (index < 0 || kKeys[static_cast<std::size_t>(index)] == key) return index;
  }
}

static_assert(VariableIndex("Zn_") == 0 && VariableIndex("Qf") == kVariableCount - 1 && VariableIndex("X") == -1);

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
  double GetVariable(std::string_view name) {
    if (const VariableRecord* record = Find(name)) return record->Value;
    return UnknownVariable(name);
  }

  // The number of a variable as the grid writes it.
  const std::string& NumberText(const VariableRecord& record) {
    return TextOfNumber(static_cast<std::size_t>(&record - records_.data()), record.Value);
  }

  // Grid row of the variable (-1 hidden); 0 for a name that no record has.
  std::int16_t VariableRow(std::string_view name) const {
    const VariableRecord* record = Find(name);
    return record ? record->GridRow : 0;
  }
  // Grid row of the first variable edited by that in-place combo; 0 if none.
  std::int16_t RowOfInputKind(std::int16_t kind) const;

  // The first record of that name, or null. The names are a fixed table,
  // so a name is matched by a number rather than by its text.
  VariableRecord* Find(std::string_view name) {
    const int index = VariableIndex(name);
    return index < 0 ? nullptr : &records_[static_cast<std::size_t>(index)];
  }
  const VariableRecord* Find(std::string_view name) const { return const_cast<VariableTable*>(this)->Find(name); }

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
  // Reports a name that no variable has; it reads as 0.
  double UnknownVariable(std::string_view name);

  std::array<VariableRecord, kVariableCount> records_;
  std::array<ShownNumbers, kVariableCount> shownNumbers_;
  std::array<GroupHeaderRecord, kGroupCount> groups_;
  GridModel& grid_;
  MessageBoxes& messages_;
};

}  // namespace ovalto
