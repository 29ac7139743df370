#include "kind_tables.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "engine/engine.h"
#include "kind_picker.h"
#include "kinds/calc_kinds.h"
#include "message_box.h"
#include "report/report_page.h"
#include "state/calc_session.h"
#include "tree/field_text.h"

namespace help {

namespace {

// The grids are laid out with nobody at the screen: a box would tell of a fault in a kind, and
// the help must not be built over it.
class NoMessages : public ovalto::MessageBoxes {
 public:
  ovalto::MessageButton Show(ovalto::MessageType, const std::string& text, unsigned) override {
    throw std::runtime_error(text);
  }
  void ShowRaisedError(const std::string& text) override { throw std::runtime_error(text); }
};

bool OfSystem(const ovalto::CalcKind& kind, int system) { return system == 0 || kind.Code / 10000 == system; }

// A full name runs from the system to the task: "Водоснабжение холодное, трубопровод, на
// открытом воздухе, тепловой поток". The object and its place lie between; a system that names
// its substance ("холодное") hands the word on to the object, as the process kinds name theirs.
std::string ObjectOf(const std::vector<std::string>& parts) {
  std::string object;
  for (std::size_t at = 1; at + 1 < parts.size(); ++at) object += (object.empty() ? "" : ", ") + parts[at];
  const std::size_t blank = parts.front().find(' ');
  if (blank != std::string::npos) object += ", " + parts.front().substr(blank + 1);
  return object;
}

// The kind picked as the user picks it, and the grid it shows.
std::string RowOf(const ovalto::CalcKind& kind) {
  NoMessages messages;
  ovalto::CalcSession session(messages);
  ovalto::CalculationEngine engine(session);
  session.Engine = &engine;
  session.PageTag = ovalto::PageOfKind(kind.Code);
  ovalto::PickCalcKind(session, kind.Code, [] {});

  const auto& captions = session.Grid.Captions;
  const int sought = session.Variables.VariableRow(session.SoughtVariable);
  std::string rows;
  // The table's order is the grid's.
  for (const ovalto::VariableRecord& record : session.Variables.Records()) {
    if (record.GridRow < 0 || record.GridRow == sought || record.Name == "Wiz") continue;
    rows += (rows.empty() ? "" : "; ") + captions.at(static_cast<std::size_t>(record.GridRow));
  }
  const std::vector<std::string> parts = ovalto::SplitPieces(std::string(kind.FullName), ", ");
  return "<tr><td>" + ovalto::EscapeHtml(ObjectOf(parts)) + "</td><td>" + ovalto::EscapeHtml(parts.back()) +
         "</td><td>" + ovalto::EscapeHtml(captions.at(static_cast<std::size_t>(sought))) + "</td><td class=\"rows\">" +
         ovalto::EscapeHtml(rows) + "</td></tr>";
}

}  // namespace

std::string KindCountText(int system) {
  const auto kinds = ovalto::CalcKinds();
  const auto count =
      std::count_if(kinds.begin(), kinds.end(), [system](const auto& kind) { return OfSystem(kind, system); });
  const auto last = count % 10, tens = count % 100;
  const char* word = last == 1 && tens != 11                              ? "вид"
                     : last >= 2 && last <= 4 && (tens < 12 || tens > 14) ? "вида"
                                                                          : "видов";
  return std::to_string(count) + " " + word + " расчёта";
}

std::string KindRowsHtml(int system) {
  std::string rows;
  for (const ovalto::CalcKind& kind : ovalto::CalcKinds()) {
    if (OfSystem(kind, system)) rows += (rows.empty() ? "" : "\n  ") + RowOf(kind);
  }
  return rows;
}

}  // namespace help
