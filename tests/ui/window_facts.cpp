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
#include "report_lines.h"
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

// Each report line's label as the product writes it, and its number, by
// the fact it shows (named as the tests' layout names it):
// "report.label.systemName=System Name:  " and "report.number.systemName=5".
void printReportLabels() {
    const std::string report = composeReport(ReportFacts{});  // each fact empty
    std::size_t start = 0;
    for (std::size_t number = 1; const fake::ReportLine& line : fake::kReportLayout) {
        const std::size_t end = std::min(report.find("\r\n", start), report.size());
        if (!line.fact.empty()) {
            const std::string key{line.fact};
            print("report.label." + key, std::string_view{report}.substr(start, end - start));
            print("report.number." + key, std::to_string(number));
        }
        start = end + 2;
        ++number;
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
