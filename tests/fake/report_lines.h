// The system report read by its facts, as a test checks it. A report is
// twelve lines joined by CR LF: the heading "Computer Information", a blank
// line, eight facts, a blank line and the uptime, each fact and the uptime
// written "<label>:  <value>".
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowin::fake {

// Each fact's value, by the name of the fact ("systemName", as the report
// composes it from ReportFacts::systemName).
using ReportValues = std::map<std::string, std::string, std::less<>>;

// The report's twelve lines, spelt out apart from the product: the heading,
// the blank lines, and each fact's label with the name of the fact.
struct ReportLine {
    std::string_view text;  // the heading, a blank line, or a fact's label
    std::string_view fact;  // none for the heading and the blank lines
};
inline constexpr std::array<ReportLine, 12> kReportLayout = {
    {{"Computer Information", ""},
     {"", ""},
     {"System Manufacture", "manufacturer"},
     {"System Model", "model"},
     {"System Name", "systemName"},
     {"Domain Name", "domain"},
     {"Serial Number", "serialNumber"},
     {"OS Version", "operatingSystem"},
     {"Service Pack", "servicePack"},
     {"IP Address", "ipAddress"},
     {"", ""},
     {"System Uptime", "uptime"}}};

// The value after each label, by its fact, when the text is a report: its
// twelve lines in place, no other line break in any of them. Nothing
// otherwise.
[[nodiscard]] inline std::optional<ReportValues> readReport(std::string_view text) {
    const auto& kLayout = kReportLayout;
    std::vector<std::string_view> lines;
    for (std::size_t at; (at = text.find("\r\n")) != std::string_view::npos;) {
        lines.push_back(text.substr(0, at));
        text.remove_prefix(at + 2);
    }
    lines.push_back(text);
    if (lines.size() != kLayout.size()) return std::nullopt;

    ReportValues values;
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
        if (kLayout[i].fact.empty()) {
            if (line != kLayout[i].text) return std::nullopt;
            continue;
        }
        const std::string prefix = std::string(kLayout[i].text) + ":  ";
        if (!line.starts_with(prefix)) return std::nullopt;
        values.emplace(kLayout[i].fact, line.substr(prefix.size()));
    }
    return values;
}

}  // namespace tallowin::fake
