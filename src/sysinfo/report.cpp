#include "report.h"

#include <functional>

#include "one_line.h"
#include "uptime.h"
#include "wmi_names.h"

namespace tallowin {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kUptimeSeparator = ", ";

// Reads one property as text into `value`; a failed read leaves it as it was.
void readInto(auto& object, std::string_view property, std::string& value) {
    if (auto text = andThen(object.property(property), toText)) value = std::move(*text);
}

// Runs a query and hands each item to `visit`, in the order the service
// yields them, until the items run out, moving on fails, or `visit` answers
// false. A query or walk that fails visits nothing.
void forEachItem(WmiService& service, std::string_view wql,
                 const std::function<bool(WmiItem&)>& visit) {
    auto collection = service.execQuery(wql);
    if (!collection) return;
    auto walk = (*collection)->walk();
    if (!walk) return;
    for (;;) {
        auto item = (*walk)->next();
        if (!item || !*item) return;
        if (!visit(**item)) return;
    }
}

void readBios(WmiService& service, ReportFacts& facts) {
    forEachItem(service, wmi::kBiosQuery, [&](WmiItem& bios) {
        readInto(bios, "SerialNumber", facts.serialNumber);
        return true;
    });
}

// The service pack is the major version, ".", the minor version; a Null
// version joins as empty text. Should either read fail, the item's service
// pack is not set at all.
HostResult<std::string> readServicePack(WmiItem& system) {
    auto major = andThen(system.property("ServicePackMajorVersion"), joinText);
    if (!major) return major;
    auto minor = andThen(system.property("ServicePackMinorVersion"), joinText);
    if (!minor) return minor;
    return *major + "." + *minor;
}

void readOperatingSystem(WmiService& service, ReportFacts& facts) {
    forEachItem(service, wmi::kOperatingSystemQuery, [&](WmiItem& system) {
        readInto(system, "Caption", facts.operatingSystem);
        if (auto servicePack = readServicePack(system)) facts.servicePack = std::move(*servicePack);
        return true;
    });
}

void readComputerSystem(WmiService& service, ReportFacts& facts) {
    forEachItem(service, wmi::kComputerSystemQuery, [&](WmiItem& computer) {
        readInto(computer, "Name", facts.systemName);
        readInto(computer, "Manufacturer", facts.manufacturer);
        readInto(computer, "Model", facts.model);
        return true;
    });
}

// The first address of the first adapter whose addresses are not Null. An
// adapter whose Null test fails counts as having addresses; the walk ends
// at the first adapter that does, whether or not its address can be read.
void readFirstAddress(WmiService& service, ReportFacts& facts) {
    forEachItem(service, wmi::kAdapterAddressesQuery, [&](WmiItem& adapter) {
        auto addresses = adapter.property("IPAddress");
        if (addresses && isNull(*addresses)) return true;
        if (auto first = andThen(adapter.element("IPAddress", 0), toText)) {
            facts.ipAddress = std::move(*first);
        }
        return false;
    });
}

}  // namespace

std::string composeReport(const ReportFacts& facts) {
    std::string report = "Computer Information";
    report += kCrLf;
    report += kCrLf;
    // Each fact on its own line: host text can neither break it nor add one.
    const auto line = [&](std::string_view label, const std::string& value) {
        report += label;
        report += oneLine(value);
        report += kCrLf;
    };
    line("System Manufacture:  ", facts.manufacturer);
    line("System Model:  ", facts.model);
    line("System Name:  ", facts.systemName);
    line("Domain Name:  ", facts.domain);
    line("Serial Number:  ", facts.serialNumber);
    line("OS Version:  ", facts.operatingSystem);
    line("Service Pack:  ", facts.servicePack);
    line("IP Address:  ", facts.ipAddress);
    report += kCrLf;
    report += "System Uptime:  ";
    report += oneLine(facts.uptime);
    return report;
}

void showSystemReport(Host& host) {
    ReportFacts facts;
    std::string computerName;
    if (auto network = host.createNetworkIdentity()) {
        readInto(**network, "ComputerName", computerName);
        readInto(**network, "UserDomain", facts.domain);
    }  // the network identity object is released here
    if (computerName.empty()) return;

    auto service = host.bindWmi(wmi::monikerFor(computerName));
    if (!service) {
        (void)host.messageBox(kNoResponseNotice, message_box::kOkOnly, std::nullopt);
        return;
    }
    readBios(**service, facts);
    readOperatingSystem(**service, facts);
    readComputerSystem(**service, facts);
    readFirstAddress(**service, facts);

    auto uptime = readUptime(host, kUptimeSeparator);
    if (!uptime) return;
    facts.uptime = std::move(*uptime);
    (void)host.messageBox(composeReport(facts), kReportStyle, kReportTitle);
}  // the management service is released here, after the box is dismissed

}  // namespace tallowin
