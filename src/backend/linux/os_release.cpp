#include "os_release.h"

#include <optional>

#include "text.h"

namespace tallowin::linux_backend {
namespace {

// Blanks within a line; a carriage return counts, so that files written
// with CR LF line ends read alike.
bool isLineBlank(char c) noexcept { return c == ' ' || c == '\t' || c == '\r'; }

bool isNameStart(char c) noexcept {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c) noexcept { return isNameStart(c) || (c >= '0' && c <= '9'); }

std::string_view skipSpaces(std::string_view text) noexcept {
    while (!text.empty() && isLineBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

// What may follow a value: nothing, or blanks and perhaps a comment.
bool endsTheLine(std::string_view tail) noexcept {
    if (tail.empty()) {
        return true;
    }
    if (!isLineBlank(tail.front())) {
        return false;
    }
    tail = skipSpaces(tail);
    return tail.empty() || tail.front() == '#';
}

std::optional<std::string> doubleQuoted(std::string_view text) {
    std::string value;
    for (std::size_t at = 1; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            return endsTheLine(text.substr(at + 1)) ? std::optional(value) : std::nullopt;
        }
        if (c == '\\' && at + 1 < text.size()) {
            const char next = text[at + 1];
            if (next == '"' || next == '\\' || next == '$' || next == '`') {
                value += next;
                ++at;
                continue;
            }
        }
        value += c;
    }
    return std::nullopt;
}

std::optional<std::string> singleQuoted(std::string_view text) {
    const auto close = text.find('\'', 1);
    if (close == std::string_view::npos || !endsTheLine(text.substr(close + 1))) {
        return std::nullopt;
    }
    return std::string(text.substr(1, close - 1));
}

std::optional<std::string> bare(std::string_view text) {
    std::string value;
    std::size_t at = 0;
    for (; at < text.size() && !isLineBlank(text[at]); ++at) {
        const char c = text[at];
        if (c == '"' || c == '\'') {
            return std::nullopt;
        }
        if (c == '\\') {
            if (++at == text.size()) {
                return std::nullopt;
            }
        }
        value += text[at];
    }
    return endsTheLine(text.substr(at)) ? std::optional(value) : std::nullopt;
}

std::optional<std::string> valueOf(std::string_view text) {
    if (!text.empty() && text.front() == '"') {
        return doubleQuoted(text);
    }
    if (!text.empty() && text.front() == '\'') {
        return singleQuoted(text);
    }
    return bare(text);
}

}  // namespace

std::map<std::string, std::string, std::less<>> parseOsRelease(std::string_view text) {
    std::map<std::string, std::string, std::less<>> fields;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = skipSpaces(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#' || !isNameStart(line.front())) {
            continue;
        }
        std::size_t nameEnd = 1;
        while (nameEnd < line.size() && isNameChar(line[nameEnd])) {
            ++nameEnd;
        }
        if (nameEnd == line.size() || line[nameEnd] != '=') {
            continue;
        }
        if (auto value = valueOf(line.substr(nameEnd + 1))) {
            fields.insert_or_assign(std::string(line.substr(0, nameEnd)), std::move(*value));
        }
    }
    return fields;
}

std::string operatingSystemCaption(const FileReader& read) {
    for (const std::string_view path : {"etc/os-release", "usr/lib/os-release"}) {
        const auto text = read(path);
        if (!text && meansMissing(text.error())) {
            continue;
        }
        if (text) {
            const auto fields = parseOsRelease(*text);
            for (const std::string_view name : {"PRETTY_NAME", "NAME"}) {
                const auto found = fields.find(name);
                if (found != fields.end() && !trimBlanks(found->second).empty()) {
                    return std::string(trimTrailingBlanks(found->second));
                }
            }
        }
        break;
    }
    return "Linux";
}

}  // namespace tallowin::linux_backend
