// The fittings of a pipeline (bends, flanges, valves, tees, reducers, end
// caps) as the details dialog takes them and the "ДЕТАЛИ" branch of the
// project tree holds them: one line per kind, "Отвод  [ 4 шт]" or, for a
// reducer, "Переход концентрический  [ 2 шт; на 57 мм]".
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "message_box.h"

namespace ovalto {

constexpr int kDetailSlotCount = 7;
// Slot i becomes a tree line with image i + 2.
constexpr int kDetailImageOffset = 2;

extern const std::array<std::string_view, kDetailSlotCount> DetailCaptions;

// Concentric and eccentric reducers carry the diameter they lead to.
constexpr bool IsReducerSlot(int slot) { return slot == 4 || slot == 5; }
// Flanges and valves, which a metal-sheet covering does not take.
constexpr bool IsFlangeOrValveSlot(int slot) { return slot == 1 || slot == 2; }

using DetailSlots = std::array<std::string, kDetailSlotCount>;

// The dialog's fields: a count per slot, a size for the two reducers.
struct DetailEntry {
  DetailSlots Counts;
  DetailSlots Sizes;  // read only for the reducer slots
};

struct DetailOutcome {
  int DetailCount = 0;  // values accepted; 0 when refused or nothing entered
  DetailSlots Slots;    // the line of each slot; empty: none of that kind
  int FocusSlot = -1;   // a refused entry: the slot concerned
  bool FocusOnSize = false;
};

// Checks the fields slot by slot; a refusal is shown as an error and
// gives a DetailCount of 0.
DetailOutcome ApplyDetailEntry(const DetailEntry& entry, MessageBoxes& messages);

std::string DetailLineText(int slot, const std::string& count, const std::string& size);

// A detail line read back for a re-edit: the count, and for a reducer the
// size as the size field shows it (empty for 0). Nothing when the count is
// not a whole number.
struct DetailLineValues {
  std::string Count;
  std::string Size;
};
std::optional<DetailLineValues> ReadDetailLine(std::string_view line);

// Whether the object whose lines these are is covered with metal sheet
// (PELLORIT CT or AL): its first covering line decides.
bool HasMetalSheetCovering(const std::vector<std::string>& objectLines);

}  // namespace ovalto
