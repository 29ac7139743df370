#include "catalogues/catalogues.h"

#include <array>
#include <optional>
#include <string_view>

#include "cp1251.h"
#include "number_format.h"
#include "text_case.h"

namespace ovalto {

namespace {

constexpr std::size_t kFieldChars = 64;
constexpr std::size_t kRestChars = 255;
constexpr std::size_t kUnitChars = 5;

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

// Cuts up to N fields from the front of a line; a field counts only when a
// TAB follows it, so the text after a line's last TAB is never read. Only
// what follows a cut is held to 255 characters, so a long first column
// leaves the others whole.
template <std::size_t N>
std::array<std::string, N> CutFields(std::string_view line) {
  std::array<std::string, N> fields;
  std::string_view rest = line;
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t tab = rest.find('\t');
    if (tab == std::string_view::npos) break;
    fields[i] = std::string(FirstChars(rest.substr(0, tab), kFieldChars));
    rest = FirstChars(rest.substr(tab + 1), kRestChars);
  }
  return fields;
}

std::string StoredUnit(const std::string& unit) {
  std::string cut(FirstChars(unit, kUnitChars));
  return cut == "м2" ? "кв.м." : cut;
}

template <std::size_t N>
void FillZeros(std::array<std::string, N>& fields, std::size_t from) {
  for (std::size_t i = from; i < N; ++i) {
    if (fields[i].empty()) fields[i].push_back('0');
  }
}

// Reads every row of a resource with the program's decimal comma, whatever
// the desktop's locale; false when a number does not read.
template <std::size_t N, typename Record, typename Fill>
bool ParseCatalogue(const std::string& cp1251, std::size_t firstZeroFilled, std::vector<Record>& out, Fill fill) {
  out.clear();
  const std::string text = Cp1251ToUtf8(cp1251);
  const std::vector<std::string_view> lines = SplitLines(text);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::array<std::string, N> fields = CutFields<N>(lines[i]);
    if (fields[1].empty()) break;  // a row without a second column ends the catalogue
    FillZeros(fields, firstZeroFilled);
    Record record;
    if (!fill(fields, record)) {
      out.clear();
      return false;
    }
    out.push_back(std::move(record));
  }
  return true;
}

bool ReadNumber(const std::string& text, double& value) {
  const std::optional<double> number = ParseNumber(text);
  if (!number) return false;
  value = *number;
  return true;
}

}  // namespace

bool ParseInsulationCatalogue(const std::string& cp1251, std::vector<InsulationProduct>& out) {
  return ParseCatalogue<7>(cp1251, 3, out, [](const std::array<std::string, 7>& f, InsulationProduct& p) {
    p.Mark = f[0];
    p.Name = f[1];
    p.Unit = StoredUnit(f[2]);
    return ReadNumber(f[3], p.InnerDiameterMm) && ReadNumber(f[4], p.ThicknessMm) && ReadNumber(f[5], p.WidthM) &&
           ReadNumber(f[6], p.LengthM);
  });
}

bool ParseCoveringCatalogue(const std::string& cp1251, std::vector<CoveringItem>& out) {
  return ParseCatalogue<8>(cp1251, 1, out, [](const std::array<std::string, 8>& f, CoveringItem& c) {
    c.FittingKind = f[0];
    c.Mark = f[1];
    c.Name = f[2];
    c.Unit = StoredUnit(f[3]);
    return ReadNumber(f[4], c.OuterDiameterMm) && ReadNumber(f[5], c.SmallDiameterMm) &&
           ReadNumber(f[6], c.BendDiameterMm) && ReadNumber(f[7], c.BendThicknessMm);
  });
}

Catalogues LoadPrices(const std::string& kalderon, const std::string& pellorit, MessageBoxes& messages) {
  Catalogues catalogues;
  auto report = [&](const char* resource) {
    messages.Show(MessageType::Error, std::string("Ошибка ресурса \"") + resource + "\" ! ", kButtonCancel);
  };
  if (!ParseInsulationCatalogue(kalderon, catalogues.Insulation)) report("kalderon");
  if (!ParseCoveringCatalogue(pellorit, catalogues.Coverings)) report("pellorit");
  return catalogues;
}

Catalogues LoadPrices(MessageBoxes& messages) { return LoadPrices(KalderonResource(), PelloritResource(), messages); }

bool DocumentButtonsVisible(const Catalogues& catalogues) {
  return !catalogues.Insulation.empty() && !catalogues.Coverings.empty();
}

}  // namespace ovalto
