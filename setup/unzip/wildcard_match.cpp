#include <algorithm>
#include <string>

#include "zip_names.h"

namespace unzip {

namespace {

// Stars in both texts make the recursion branch at every one of them; names made of stars
// could keep it busy for ages. Past this much work the texts are taken as not matching.
constexpr std::size_t kWorkLimit = 50'000'000;

bool AllStars(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '*'; });
}

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The dot rule, applied to one text in the light of the other.
void AdjustDots(std::string& text, const std::string& other) {
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    } else if (text.find('.') == std::string::npos && other.find(".*") != std::string::npos) {
        text += ".*";
    }
}

std::string_view NamePart(std::string_view text) {
    const std::size_t cut = text.find_last_of("/\\:");
    return cut == std::string_view::npos ? text : text.substr(cut + 1);
}

class Matcher {
public:
    explicit Matcher(bool namesOnly) : namesOnly_(namesOnly) {}

    bool Match(std::string_view patternView, std::string_view nameView) {
        work_ += patternView.size() + nameView.size() + 1;
        if (work_ > kWorkLimit) return false;
        if (namesOnly_) {
            patternView = NamePart(patternView);
            nameView = NamePart(nameView);
        }
        std::string a(patternView);
        std::string b(nameView);
        AdjustDots(a, b);
        AdjustDots(b, a);
        if (a.empty()) return AllStars(b);
        if (b.empty()) return AllStars(a);

        std::size_t i = 0;
        std::size_t j = 0;
        while (i < a.size() && j < b.size()) {
            if (a[i] == '?' || b[j] == '?') {
                ++i;
                ++j;
            } else if (a[i] == '*') {
                return MatchRest(std::string_view(a).substr(i + 1), std::string_view(b).substr(j));
            } else if (b[j] == '*') {
                return MatchRest(std::string_view(b).substr(j + 1), std::string_view(a).substr(i));
            } else if (FoldCase(a[i]) == FoldCase(b[j])) {
                ++i;
                ++j;
            } else {
                return false;
            }
        }
        if (i == a.size() && !AllStars(std::string_view(b).substr(j))) return false;
        return j < b.size() || AllStars(std::string_view(a).substr(i));
    }

private:
    // After a star: the rest of the starred text against every tail of the other text.
    bool MatchRest(std::string_view afterStar, std::string_view other) {
        if (afterStar.empty()) return true;
        for (std::size_t k = 0; k <= other.size(); ++k) {
            if (Match(afterStar, other.substr(k))) return true;
        }
        return false;
    }

    bool namesOnly_;
    std::size_t work_ = 0;
};

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name, bool namesOnly) {
    return Matcher(namesOnly).Match(pattern, name);
}

}  // namespace unzip
