// Fills the marked places of the help pages from the calculation kinds' own set-up, so that the
// pages cannot drift from the program:
//   ovalto_help_kind_tables <help folder>
// "<!--kind-rows N-->" becomes the table rows of the kinds of system N, "<!--kind-count N-->"
// their count ("15 видов расчёта") and "<!--kind-count-->" the count of all kinds. The pages
// are in code page 1251, as the help is.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "cp1251.h"
#include "files.h"
#include "kind_tables.h"

namespace {

constexpr std::string_view kOpen = "<!--kind-", kClose = "-->";

// What a marker ("rows 3", "count") stands for; nothing for a marker this tool does not know.
std::optional<std::string> Expansion(std::string_view marker) {
  const std::size_t blank = marker.find(' ');
  const std::string_view what = marker.substr(0, blank);
  const std::string_view digits = blank == std::string_view::npos ? "" : marker.substr(blank + 1);
  const bool system = digits.size() == 1 && digits[0] >= '1' && digits[0] <= '9';
  if (!digits.empty() && !system) return std::nullopt;
  const int code = system ? digits[0] - '0' : 0;
  if (what == "count") return help::KindCountText(code);
  if (what == "rows" && system) return help::KindRowsHtml(code);
  return std::nullopt;
}

// The page with its markers filled; nothing (and a line on stderr) when one can't be.
std::optional<std::string> Filled(const std::string& page, const std::string& name) {
  std::string filled;
  std::size_t from = 0;
  for (std::size_t at = page.find(kOpen); at != std::string::npos; at = page.find(kOpen, from)) {
    const std::size_t end = page.find(kClose, at);
    const std::string marker = page.substr(at + kOpen.size(), end - at - kOpen.size());
    const std::optional<std::string> text = end == std::string::npos ? std::nullopt : Expansion(marker);
    if (!text || text->empty()) {
      std::fprintf(stderr, "%s: no kinds for the marker \"%s\"\n", name.c_str(), marker.c_str());
      return std::nullopt;
    }
    filled += page.substr(from, at - from) + ovalto::Utf8ToCp1251(*text);
    from = end + kClose.size();
  }
  return filled + page.substr(from);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ovalto_help_kind_tables <help folder>\n");
    return 2;
  }
  try {
    bool done = true;
    for (const auto& item : std::filesystem::directory_iterator(argv[1])) {
      if (item.path().extension() != ".htm") continue;
      const std::string path = item.path().string();
      const std::optional<std::string> page = ovalto::ReadWholeFile(path);
      if (!page) std::fprintf(stderr, "cannot read %s\n", path.c_str());
      const std::optional<std::string> filled = page ? Filled(*page, path) : std::nullopt;
      if (!filled) {
        done = false;
      } else if (*filled != *page) {
        if (const auto failure = ovalto::ReplaceFileAtomically(path, *filled)) {
          std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), failure->c_str());
          done = false;
        }
      }
    }
    return done ? 0 : 1;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "the kinds could not be laid out: %s\n", failure.what());
    return 1;
  }
}
