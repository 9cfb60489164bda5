// Looks at the Windows desktop from outside the program under test, for
// gui_test.sh: what the host's network object answers, and the texts that a
// window's controls hold (read with WM_GETTEXT, which reaches controls of
// other processes where GetWindowText does not).
//
//   desktop_probe.exe network PROPERTY
//       What the network object answers for PROPERTY (ComputerName,
//       UserDomain), read as the program reads it: "value TEXT", or
//       "error NUMBER DESCRIPTION" when the read fails.
//   desktop_probe.exe texts CAPTION
//       One line for each visible control of the visible top-level window
//       with that caption: its class, a tab, and its text with backslash,
//       CR, LF and tab written \\, \r, \n and \t. Exits 1 when no such
//       window is up.
#include <windows.h>
// Build on <windows.h>.
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "com_apartment.h"
#include "network_identity.h"
#include "win32/wide_text.h"

namespace {

using namespace tallowin;

// A control that does not answer within this time has its text left empty:
// a hung program must not hang the test.
constexpr UINT kAnswerMilliseconds = 5000;

std::vector<std::wstring> arguments() {
    int count = 0;
    wchar_t** values = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> texts;
    for (int i = 1; i < count; ++i) texts.emplace_back(values[i]);
    LocalFree(values);
    return texts;
}

void writeLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int networkProperty(const std::string& property) {
    const windows_backend::ComApartment apartment;
    auto network = windows_backend::createNetworkIdentity();
    auto text = andThen(network, [&](const std::unique_ptr<NetworkIdentity>& object) {
        return andThen(object->property(property), toText);
    });
    if (text) {
        writeLine("value " + *text);
    } else {
        writeLine("error " + std::to_string(text.error().number) + " " + text.error().description);
    }
    return 0;
}

std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds,
                            &length) == 0) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, kAnswerMilliseconds, &copied) == 0) {
        return {};
    }
    text.resize(copied);
    return text;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out;
}

int texts(const std::wstring& caption) {
    const HWND window = FindWindowW(nullptr, caption.c_str());
    if (window == nullptr || IsWindowVisible(window) == FALSE) return 1;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM) -> BOOL {
            if (IsWindowVisible(child) == FALSE) return TRUE;
            wchar_t className[64] = {};
            GetClassNameW(child, className, static_cast<int>(std::size(className)));
            writeLine(win32::toUtf8(className) + "\t" + escaped(win32::toUtf8(textOf(child))));
            return TRUE;
        },
        0);
    return 0;
}

}  // namespace

int wmain() {
    const std::vector<std::wstring> args = arguments();
    if (args.size() == 2 && args[0] == L"network") return networkProperty(win32::toUtf8(args[1]));
    if (args.size() == 2 && args[0] == L"texts") return texts(args[1]);
    std::fputs("usage: desktop_probe.exe {network PROPERTY | texts CAPTION}\n", stderr);
    return 2;
}
