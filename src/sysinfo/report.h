// The one-page system report: gathered from the network identity object, the
// management service and the tick counter, and shown in a message box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host.h"

namespace tallowin {

inline constexpr std::string_view kReportTitle = "System Information";
inline constexpr std::string_view kNoResponseNotice = "The computer did not respond";
// OK alone with no icon, and every bit from 0x0100 to 0x8000 set: the
// default-button field, system- and task-modal, Help and no-focus. Hosts show
// what they can of it; the report needs the text, the title and OK.
inline constexpr std::int32_t kReportStyle = 0xFF00;

// The facts one report shows; all empty until the host fills them.
struct ReportFacts {
    std::string manufacturer;
    std::string model;
    std::string systemName;
    std::string domain;
    std::string serialNumber;
    std::string operatingSystem;
    std::string servicePack;
    std::string ipAddress;
    std::string uptime;
};

// The twelve-line report text, lines joined by CR LF, none after the last.
[[nodiscard]] std::string composeReport(const ReportFacts& facts);

// Gathers the facts and shows the report. Silent when the computer name is
// empty or the tick counter cannot be read; shows kNoResponseNotice when the
// management service cannot be bound. Every other failure is stepped over.
void showSystemReport(Host& host);

}  // namespace tallowin
