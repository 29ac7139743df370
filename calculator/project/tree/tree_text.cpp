#include "tree/tree_text.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "tree/field_text.h"

namespace ovalto {

namespace {

void AppendPieces(const TreeNode& node, std::string& text) {
  text.append(static_cast<size_t>(node.Level()), '\t');
  if (node.Image() >= 0 && node.Image() <= 9) text += '0';
  text += std::to_string(node.Image());
  text += node.Text();
  text += kPilcrow;
  for (const auto& child : node.Children()) AppendPieces(*child, text);
}

// The image index as the first two characters of a line give it; a line of
// one character (the end of a cut text) is that one digit.
std::optional<int> ImageOf(const std::string& line) {
  std::string_view digits(line.data(), std::min<size_t>(line.size(), 2));
  if (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  int image = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), image);
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  return image;
}

size_t IndentOf(const std::string& line) { return std::min(line.find_first_not_of("\t "), line.size()); }

}  // namespace

std::string BuildTreeText(const ProjectTree& tree) {
  std::string text;
  for (int row = 0; row < tree.TopLevelCount(); ++row) AppendPieces(*tree.TopLevel(row), text);
  return text;
}

std::vector<std::string> SplitAtPilcrows(const std::string& text) { return SplitPieces(text, kPilcrow); }

ParsedTree ParseTreeText(const std::string& treeText) {
  ParsedTree parsed;
  const std::vector<std::string> lines = SplitAtPilcrows(treeText);
  // The levels of all lines are checked before any image is read: the tree
  // is laid out first and its images read after.
  std::vector<int> levels;
  for (const std::string& line : lines) {
    const int indent = static_cast<int>(IndentOf(line));
    const int level = levels.empty() ? 0 : indent;  // the first line is a root whatever its indent
    if (!levels.empty() && level > levels.back() + 1) {
      parsed.Error =
          "Неверный уровень (" + std::to_string(level) + ") для элемента \"" + line.substr(IndentOf(line)) + "\"";
      break;
    }
    levels.push_back(level);
  }
  // The open path from a top-level node down to the node read last.
  std::vector<NodeSpec*> path;
  for (size_t i = 0; i < levels.size(); ++i) {
    const std::string rest = lines[i].substr(IndentOf(lines[i]));
    const std::optional<int> image = ImageOf(rest);
    if (!image) {
      // Appended piece by piece: a concatenation here sets off a false
      // overlap warning of g++ 12 in optimised builds.
      if (parsed.Complete()) {
        std::string error = "Неверный номер изображения (";
        error.append(rest, 0, 2).append(") для элемента \"").append(rest).append("\"");
        parsed.Error = std::move(error);
      }
      break;
    }
    NodeSpec node{*image, BlankSeparators(rest.substr(std::min<size_t>(rest.size(), 2))), {}};
    path.resize(static_cast<size_t>(levels[i]));
    std::vector<NodeSpec>& siblings = path.empty() ? parsed.TopLevel : path.back()->Children;
    siblings.push_back(std::move(node));
    path.push_back(&siblings.back());
  }
  return parsed;
}

}  // namespace ovalto
