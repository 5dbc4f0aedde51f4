#include "LWildcardMatch.h"

#include <vector>

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(const std::string& text) {
    std::string result = text;
    for (char& c : result) {
        c = Lower(c);
    }
    return result;
}

// Backtracking over the '*'s, remembering which (star, position) pairs already failed so that
// a pattern full of stars costs polynomial, not exponential, time.
class Matcher {
public:
    Matcher(const std::string& patternText, const std::string& nameText)
        : pattern(Lowered(patternText)),
          name(Lowered(nameText)),
          failed((pattern.size() + 1) * (name.size() + 1), false) {}

    bool Match(size_t p, size_t n) {
        while (n < name.size()) {
            if (p < pattern.size() && pattern[p] == '*') {
                return MatchStar(p, n);
            }
            if (p >= pattern.size() || (pattern[p] != '?' && pattern[p] != name[n])) {
                return false;
            }
            ++p;
            ++n;
        }
        return p == pattern.size();
    }

private:
    // pattern[p] is a '*' and name[n] exists.
    bool MatchStar(size_t p, size_t n) {
        if (p + 1 == pattern.size()) {
            return true;
        }
        size_t key = p * (name.size() + 1) + n;
        if (failed[key]) {
            return false;
        }
        for (size_t rest = n; rest < name.size(); ++rest) {
            if (Match(p + 1, rest)) {
                return true;
            }
        }
        failed[key] = true;
        return false;
    }

    std::string pattern;
    std::string name;
    std::vector<bool> failed;
};

}  // namespace

bool LWildcardMatch(const std::string& pattern, const std::string& name) {
    return Matcher(pattern, name).Match(0, 0);
}
