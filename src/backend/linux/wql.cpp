#include "wql.h"

#include <array>

#include "text.h"

namespace tallowin::linux_backend {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) { return isLetter(c) || (c >= '0' && c <= '9'); }

// Splits the text into words (names and keywords) and the marks , * =.
class Words {
  public:
    explicit Words(std::string_view text) : text_(text) {}

    // The next word or mark; empty at the end, or when the next character
    // belongs to neither (then `bad()` is true).
    std::string_view next() {
        while (at_ < text_.size() && isBlank(text_[at_])) {
            ++at_;
        }
        if (at_ == text_.size()) {
            return {};
        }
        const std::size_t start = at_;
        const char first = text_[at_];
        if (first == ',' || first == '*' || first == '=') {
            ++at_;
        } else if (isLetter(first)) {
            while (at_ < text_.size() && isNameChar(text_[at_])) {
                ++at_;
            }
        } else {
            bad_ = true;
            return {};
        }
        return text_.substr(start, at_ - start);
    }

    [[nodiscard]] bool bad() const { return bad_; }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
    bool bad_ = false;
};

bool isKeyword(std::string_view word) {
    constexpr std::array<std::string_view, 3> kKeywords = {"SELECT", "FROM", "WHERE"};
    for (const std::string_view keyword : kKeywords) {
        if (equalsIgnoringCase(word, keyword)) {
            return true;
        }
    }
    return false;
}

bool isName(std::string_view word) {
    return !word.empty() && isLetter(word[0]) && !isKeyword(word);
}

}  // namespace

std::optional<WqlQuery> parseWql(std::string_view text) {
    Words words(text);
    if (!equalsIgnoringCase(words.next(), "SELECT")) {
        return std::nullopt;
    }
    WqlQuery query;
    std::string_view word = words.next();
    if (word != "*") {
        for (;;) {
            if (!isName(word)) {
                return std::nullopt;
            }
            query.properties.emplace_back(word);
            word = words.next();
            if (word != ",") {
                break;
            }
            word = words.next();
        }
    } else {
        word = words.next();
    }
    if (!equalsIgnoringCase(word, "FROM")) {
        return std::nullopt;
    }
    word = words.next();
    if (!isName(word)) {
        return std::nullopt;
    }
    query.className = word;
    word = words.next();
    if (equalsIgnoringCase(word, "WHERE")) {
        word = words.next();
        if (!isName(word) || words.next() != "=" || !equalsIgnoringCase(words.next(), "TRUE")) {
            return std::nullopt;
        }
        query.whereTrue = word;
        word = words.next();
    }
    if (!word.empty() || words.bad()) {
        return std::nullopt;
    }
    return query;
}

}  // namespace tallowin::linux_backend
