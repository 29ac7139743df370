#include <algorithm>
#include <unordered_map>

#include "zip_names.h"

namespace unzip {

namespace {

// Names made of stars would make the search branch at every star; answers are remembered per
// pair of tails, and past this much work the texts are taken as not matching.
constexpr std::size_t kWorkLimit = 100'000'000;

constexpr std::string_view kDotStar = ".*";

// A text of the match: a view into the pattern or the name (or into ".*"), possibly followed
// by the ".*" that the dot rule appends. Tails stay views, so equal tails compare equal.
struct Text {
  std::string_view base;
  bool dotStar = false;

  std::size_t size() const { return base.size() + (dotStar ? kDotStar.size() : 0); }
  char operator[](std::size_t i) const { return i < base.size() ? base[i] : kDotStar[i - base.size()]; }
  Text Tail(std::size_t from) const {
    if (from <= base.size()) return {base.substr(from), dotStar};
    return {kDotStar.substr(from - base.size()), false};
  }
  bool HasDot() const { return dotStar || base.find('.') != std::string_view::npos; }
  bool HasDotStar() const { return dotStar || base.find(kDotStar) != std::string_view::npos; }
  bool AllStars() const {
    return !dotStar && std::all_of(base.begin(), base.end(), [](char c) { return c == '*'; });
  }
};

// The dot rule, applied to one text in the light of the other.
void AdjustDots(Text& text, const Text& other) {
  if (text.size() > 0 && text[text.size() - 1] == '.') {
    text.base.remove_suffix(1);  // a text ending in '.' has no ".*" appended
  } else if (!text.HasDot() && other.HasDotStar()) {
    text.dotStar = true;
  }
}

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view NamePart(std::string_view text) {
  const std::size_t cut = text.find_last_of("/\\:");
  return cut == std::string_view::npos ? text : text.substr(cut + 1);
}

struct PairKey {
  const char* a;
  std::size_t aSize;
  bool aDotStar;
  const char* b;
  std::size_t bSize;
  bool bDotStar;
  bool operator==(const PairKey&) const = default;
};

struct PairKeyHash {
  std::size_t operator()(const PairKey& k) const {
    std::size_t h = std::hash<const char*>()(k.a);
    for (std::size_t part : {k.aSize * 2 + k.aDotStar, std::hash<const char*>()(k.b), k.bSize * 2 + k.bDotStar}) {
      h = h * 1000003u ^ part;
    }
    return h;
  }
};

class Matcher {
 public:
  bool Match(Text a, Text b) {
    const PairKey key{a.base.data(), a.base.size(), a.dotStar, b.base.data(), b.base.size(), b.dotStar};
    if (const auto known = memo_.find(key); known != memo_.end()) return known->second;
    work_ += a.size() + b.size() + 1;
    const bool result = work_ <= kWorkLimit && Walk(a, b);
    memo_.emplace(key, result);
    return result;
  }

 private:
  bool Walk(Text a, Text b) {
    AdjustDots(a, b);
    AdjustDots(b, a);
    if (a.size() == 0) return b.AllStars();
    if (b.size() == 0) return a.AllStars();

    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
      if (a[i] == '?' || b[j] == '?') {
        ++i;
        ++j;
      } else if (a[i] == '*') {
        return MatchAfterStar(a.Tail(i + 1), b.Tail(j));
      } else if (b[j] == '*') {
        return MatchAfterStar(b.Tail(j + 1), a.Tail(i));
      } else if (FoldCase(a[i]) == FoldCase(b[j])) {
        ++i;
        ++j;
      } else {
        return false;
      }
    }
    if (i == a.size() && !b.Tail(j).AllStars()) return false;
    return j < b.size() || a.Tail(i).AllStars();
  }

  // The rest of the starred text against every tail of the other text.
  bool MatchAfterStar(Text afterStar, Text other) {
    if (afterStar.size() == 0) return true;
    for (std::size_t k = 0; k <= other.size(); ++k) {
      if (Match(afterStar, other.Tail(k))) return true;
    }
    return false;
  }

  std::unordered_map<PairKey, bool, PairKeyHash> memo_;
  std::size_t work_ = 0;
};

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name, bool namesOnly) {
  if (namesOnly) {
    pattern = NamePart(pattern);
    name = NamePart(name);
  }
  return Matcher().Match({pattern}, {name});
}

}  // namespace unzip
