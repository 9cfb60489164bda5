// Prints what the windows show and where, as the program's own code composes
// it, for the scripts that drive the real program (screen_reader_test.py,
// the shell harnesses): the designs' captions, sizes and control centres,
// and the texts composed for a scripted machine named "{name}" whose
// addresses are "{address}" and "{other}". One "key=value" line each; a key
// that repeats lists its values in order.
#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>

#include "fake_host.h"
#include "sysinfo/clsSysInfo.h"
#include "sysinfo/report.h"
#include "sysinfo/wmi_names.h"
#include "ui/ip_list_window_logic.h"
#include "ui/main_window_logic.h"
#include "ui/twips.h"
#include "ui/window_designs.h"

namespace {

using namespace tallowin;
namespace design = ui::design;

void print(std::string_view key, std::string_view value) {
    std::cout << key << '=' << value << '\n';
}

// A window's client size and each control's centre, in pixels at the
// standard DPI, and each button's caption: "main.size=241 157",
// "main.centre.cmdOK=188 120", "main.caption.cmdOK=&OK".
void printPlaces(std::string_view form, const design::Window& window) {
    const auto pixels = [](int twips) { return ui::twipsToPixels(twips, ui::kStandardDpi); };
    std::cout << form << ".size=" << pixels(window.clientWidth) << ' '
              << pixels(window.clientHeight) << '\n';
    for (const design::Control& control : window.controls) {
        const ui::PixelRect place = ui::toPixels(control.place, ui::kStandardDpi);
        std::cout << form << ".centre." << control.name << '=' << place.left + place.width / 2
                  << ' ' << place.top + place.height / 2 << '\n';
        if (!control.textBox) {
            std::cout << form << ".caption." << control.name << '=' << control.caption << '\n';
        }
    }
}

// Each report line's label and number by the fact it shows:
// "report.label.systemName=System Name:  " and "report.number.systemName=5".
void printReportLabels() {
    struct Fact {
        std::string_view key;
        std::string ReportFacts::* member;
    };
    static constexpr Fact kFacts[] = {
        {"manufacturer", &ReportFacts::manufacturer},
        {"model", &ReportFacts::model},
        {"systemName", &ReportFacts::systemName},
        {"domain", &ReportFacts::domain},
        {"serialNumber", &ReportFacts::serialNumber},
        {"operatingSystem", &ReportFacts::operatingSystem},
        {"servicePack", &ReportFacts::servicePack},
        {"ipAddress", &ReportFacts::ipAddress},
        {"uptime", &ReportFacts::uptime},
    };
    constexpr std::string_view kMark = "{fact}";  // shown as it is, as host text is
    for (const Fact& fact : kFacts) {
        ReportFacts facts;
        facts.*fact.member = kMark;
        const std::string report = composeReport(facts);
        const std::size_t at = report.find(kMark);
        if (at == std::string::npos) continue;  // a fact the report does not show
        const std::size_t lineStart = report.rfind('\n', at) + 1;  // npos + 1 is 0
        print(std::string{"report.label."} + std::string{fact.key},
              std::string_view{report}.substr(lineStart, at - lineStart));
        const auto number =
            std::count(report.begin(), report.begin() + static_cast<long>(at), '\n') + 1;
        print(std::string{"report.number."} + std::string{fact.key}, std::to_string(number));
    }
}

}  // namespace

int main() {
    fake::FakeHost host;
    host.identity()["ComputerName"] = std::string{"{name}"};
    host.query(std::string{wmi::kAdapterAddressesQuery})
        .push_back({{"IPAddress", TextArray{"{address}", "{other}"}}});
    clsSysInfo service(host);

    print("main.caption", design::form1::kWindow.caption);
    print("main.box", design::form1::kText1.accessibleName);
    print("main.box", design::form1::kText1.accessibleDescription);
    print("list.box", design::form2::kText1.accessibleName);
    print("main.text", ui::loadMainWindow(service).text);
    for (const design::Control& control : design::form1::kWindow.controls) {
        if (!control.textBox) print("main.button", control.caption);
    }
    print("list.caption", ui::loadIpListWindow(service, ui::kIpListDesignCaption).caption);
    print("report.title", kReportTitle);
    printPlaces("main", design::form1::kWindow);
    printPlaces("list", design::form2::kWindow);
    ReportFacts facts;
    facts.systemName = "{name}";
    facts.ipAddress = "{address}";
    std::string report = composeReport(facts);  // a key to each line
    for (auto at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at)) {
        report.replace(at, 2, "\nreport.line=");
    }
    print("report.line", report);
    printReportLabels();
    return 0;
}
