#include "objects/detail_lines.h"

#include "number_format.h"
#include "objects/object_numbers.h"
#include "tree/field_text.h"

namespace ovalto {

namespace {

constexpr std::string_view kNotPositive = "Введите положительное вещественное значение !";

bool IsWholeNumber(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

const std::array<std::string_view, kDetailSlotCount> DetailCaptions = {
    "Отвод", "Фланец", "Арматура", "Тройник", "Переход концентрический", "Переход эксцентрический", "Торец"};

DetailOutcome ApplyDetailEntry(const DetailEntry& entry, MessageBoxes& messages) {
  DetailOutcome outcome;
  const auto refuse = [&messages](int slot, bool onSize, std::string_view text) {
    messages.ShowRaisedError(std::string(text));
    DetailOutcome refused;
    refused.FocusSlot = slot;
    refused.FocusOnSize = onSize;
    return refused;
  };
  for (int slot = 0; slot < kDetailSlotCount; ++slot) {
    const auto at = static_cast<std::size_t>(slot);
    const std::string count = TrimBlanks(BlankSeparators(entry.Counts[at]));
    if (count.empty()) continue;
    // Counts are whole: a re-edit reads them back as whole numbers.
    const double number = IsWholeNumber(count) ? ReadNumberOrZero(count) : 0;
    if (number <= 0) return refuse(slot, false, kNotPositive);
    if (number > kMaxDetailCount) {
      return refuse(slot, false, "Количество деталей не может превышать " + FormatGeneral(kMaxDetailCount) + " шт. !");
    }
    ++outcome.DetailCount;
    std::string size;
    if (IsReducerSlot(slot)) {
      size = TrimBlanks(BlankSeparators(entry.Sizes[at]));
      // Written as typed, and read back as a run of digits and commas:
      // "1E-7" would come back as 1.
      const double diameter = ExtractNumberText(size) == size ? ReadNumberOrZero(size) : 0;
      if (diameter <= 0) return refuse(slot, true, kNotPositive);
      if (diameter > kMaxSizeMm) {
        return refuse(slot, true, "Диаметр перехода не может превышать " + FormatGeneral(kMaxSizeMm) + " мм !");
      }
      ++outcome.DetailCount;
    }
    outcome.Slots[at] = DetailLineText(slot, count, size);
  }
  return outcome;
}

std::string DetailLineText(int slot, const std::string& count, const std::string& size) {
  std::string line(DetailCaptions[static_cast<std::size_t>(slot)]);
  line += "  [ " + count + " шт";
  if (IsReducerSlot(slot)) line += "; на " + size + " мм";
  return line + "]";
}

std::optional<DetailLineValues> ReadDetailLine(std::string_view line) {
  const std::size_t bracket = line.find('[');
  const std::string_view rest = bracket == std::string_view::npos ? line : line.substr(bracket + 1);
  const std::size_t semicolon = rest.find(';');
  DetailLineValues values;
  values.Count = ExtractNumberText(rest.substr(0, semicolon));
  if (!IsWholeNumber(values.Count)) return std::nullopt;
  values.Count = FormatGeneral(ReadNumberOrZero(values.Count));
  if (semicolon != std::string_view::npos) {
    const std::optional<double> size = ParseNumber(ExtractNumberText(rest.substr(semicolon + 1)));
    if (!size) return std::nullopt;
    if (*size != 0) values.Size = FormatGeneral(*size);
  }
  return values;
}

bool HasMetalSheetCovering(const std::vector<std::string>& objectLines) {
  for (const std::string& line : objectLines) {
    if (line.rfind("Тип покрытия", 0) != 0) continue;
    return line.find(" CT\"") != std::string::npos || line.find(" AL\"") != std::string::npos;
  }
  return false;
}

}  // namespace ovalto
