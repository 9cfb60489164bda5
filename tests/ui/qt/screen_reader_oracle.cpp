// Prints what the windows show, for screen_reader_test.py to compare with
// what a screen reader is told: the designs' captions, and the texts that the
// program's own code composes for a scripted machine named "{name}" whose
// addresses are "{address}" and "{other}". One "key=value" line each; a key
// that repeats lists its values in order.
#include <iostream>
#include <string>
#include <string_view>

#include "fake_host.h"
#include "sysinfo/clsSysInfo.h"
#include "sysinfo/report.h"
#include "sysinfo/wmi_names.h"
#include "ui/ip_list_window_logic.h"
#include "ui/main_window_logic.h"
#include "ui/window_designs.h"

namespace {

void print(std::string_view key, std::string_view value) {
    std::cout << key << '=' << value << '\n';
}

}  // namespace

int main() {
    using namespace tallowin;
    namespace design = ui::design;

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
    ReportFacts facts;
    facts.systemName = "{name}";
    facts.ipAddress = "{address}";
    std::string report = composeReport(facts);  // a key to each line
    for (auto at = report.find("\r\n"); at != std::string::npos; at = report.find("\r\n", at)) {
        report.replace(at, 2, "\nreport.line=");
    }
    print("report.line", report);
    return 0;
}
