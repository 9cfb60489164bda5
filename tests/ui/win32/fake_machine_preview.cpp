// The Windows program's windows on a scripted machine, for looking at them
// where the host has no computer name to give (Wine): the computer name and
// the addresses come from the command line, the rest of the report from
// fixed facts, and the message boxes are Windows' own.
//
//   fake_machine_preview.exe NAME [ADDRESS...]
#include <windows.h>
// Build on <windows.h>.
#include <shellapi.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fake_host.h"
#include "message_box.h"
#include "sysinfo/wmi_names.h"
#include "ui/shared_sysinfo.h"
#include "ui/win32/program_loop.h"
#include "win32/wide_text.h"

namespace {

using namespace tallowin;

// The scripted machine, with MessageBoxW for its boxes.
class PreviewHost final : public Host {
  public:
    explicit PreviewHost(fake::FakeHost& facts) : facts_(facts) {}

    HostResult<std::unique_ptr<NetworkIdentity>> createNetworkIdentity() override {
        return facts_.createNetworkIdentity();
    }
    HostResult<std::unique_ptr<WmiService>> bindWmi(std::string_view moniker) override {
        return facts_.bindWmi(moniker);
    }
    HostResult<std::uint64_t> tickCount() override { return facts_.tickCount(); }
    HostResult<int> messageBox(std::string_view prompt, std::int32_t style,
                               std::optional<std::string_view> title) override {
        return windows_backend::showMessageBox(prompt, style, title);
    }
    HostResult<std::string> shortDate(std::chrono::year_month_day date) override {
        return facts_.shortDate(date);
    }

  private:
    fake::FakeHost& facts_;
};

std::vector<std::string> arguments() {
    int count = 0;
    wchar_t** values = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> texts;
    for (int i = 1; i < count; ++i) texts.push_back(win32::toUtf8(values[i]));
    LocalFree(values);
    return texts;
}

void script(fake::FakeHost& facts, const std::vector<std::string>& args) {
    const std::string name = args.empty() ? "PC7" : args.front();
    facts.identity()["ComputerName"] = name;
    facts.identity()["UserDomain"] = std::string{"WORKGROUP"};
    TextArray addresses(args.size() > 1 ? args.begin() + 1 : args.end(), args.end());
    facts.query(std::string{wmi::kAdapterAddressesQuery}) = {{{"IPAddress", addresses}}};
    facts.query(std::string{wmi::kBiosQuery}) = {{{"SerialNumber", std::string{"CZ1234567"}}}};
    facts.query(std::string{wmi::kOperatingSystemQuery}) = {
        {{"Caption", std::string{"Microsoft Windows 10 Pro"}},
         {"ServicePackMajorVersion", std::int64_t{0}},
         {"ServicePackMinorVersion", std::int64_t{0}}}};
    facts.query(std::string{wmi::kComputerSystemQuery}) = {
        {{"Name", name},
         {"Manufacturer", std::string{"Contoso"}},
         {"Model", std::string{"Desktop 7"}}}};
    facts.setTickCount(93'784'000);  // 1 day, 2 hours, 3 minutes, 4 seconds
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    fake::FakeHost facts;
    script(facts, arguments());
    PreviewHost host(facts);
    ui::SharedSysInfo service(host);
    return ui::win32::runMainWindow(service, showCommand);
}
