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
//   desktop_probe.exe accessible CAPTION
//       What a screen reader reads of that window (the main window or the
//       list) and its controls through the system's accessible objects,
//       against the design: a line a row, "ok", "FAIL" (and exit 1), or
//       "skipped" where the system gives no answer.
#include <windows.h>
// Build on <windows.h>.
#include <oleacc.h>
#include <shellapi.h>
#include <wrl/client.h>

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "bstr.h"
#include "network_identity.h"
#include "ui/window_designs.h"
#include "variant.h"
#include "win32/com_apartment.h"
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
    const win32::ComApartment apartment;
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

enum class Ask { name, description, role, value, readOnly };

std::wstring roleText(LONG role) {
    wchar_t text[64] = {};
    GetRoleTextW(static_cast<DWORD>(role), text, static_cast<UINT>(std::size(text)));
    return text;
}

// The answer of the control's own accessible object; empty when the system
// gives none (an error, S_FALSE or no text), and the result with it.
std::pair<std::wstring, HRESULT> answer(HWND window, Ask ask) {
    Microsoft::WRL::ComPtr<IAccessible> object;
    HRESULT result =
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_PPV_ARGS(&object));
    if (result != S_OK) return {L"", result};
    windows_backend::Variant self;
    self.get().vt = VT_I4;
    self.get().lVal = CHILDID_SELF;
    windows_backend::Bstr text;
    windows_backend::Variant number;
    if (ask == Ask::name) result = object->get_accName(self.get(), text.out());
    if (ask == Ask::description) result = object->get_accDescription(self.get(), text.out());
    if (ask == Ask::value) result = object->get_accValue(self.get(), text.out());
    if (ask == Ask::role) result = object->get_accRole(self.get(), number.out());
    if (ask == Ask::readOnly) result = object->get_accState(self.get(), number.out());
    if (result != S_OK || number.type() != VT_I4) return {std::wstring(text.view()), result};
    const LONG value = number.get().lVal;
    if (ask == Ask::role) return {roleText(value), result};
    return {(value & STATE_SYSTEM_READONLY) != 0 ? L"read-only" : L"writable", result};
}

struct Row {
    std::string what;
    HWND window;
    Ask ask;
    std::wstring expected;
};

int accessible(const std::wstring& caption) {
    const HWND window = FindWindowW(nullptr, caption.c_str());
    if (window == nullptr || IsWindowVisible(window) == FALSE) return 1;
    const bool main = caption == win32::toWide(ui::design::form1::kWindow.caption);
    const std::span<const ui::design::Control> controls =
        main ? std::span<const ui::design::Control>(ui::design::form1::kControls)
             : ui::design::form2::kControls;
    // The controls were made in the design's order, which is their z-order.
    std::vector<Row> rows{{"window name", window, Ask::name, caption}};
    HWND child = GetWindow(window, GW_CHILD);
    for (const ui::design::Control& control : controls) {
        const std::string name(control.name);
        if (control.textBox) {
            const std::wstring shown = textOf(child);
            if (main) rows.push_back({"window description", window, Ask::description, shown});
            rows.push_back(
                {name + " name", child, Ask::name, win32::toWide(control.accessibleName)});
            rows.push_back({name + " description", child, Ask::description,
                            win32::toWide(control.accessibleDescription)});
            rows.push_back({name + " role", child, Ask::role, roleText(ROLE_SYSTEM_TEXT)});
            rows.push_back({name + " value", child, Ask::value, shown});
            rows.push_back({name + " state", child, Ask::readOnly, L"read-only"});
        } else {
            std::wstring label = win32::toWide(control.caption);
            std::erase(label, L'&');  // an access key's mark is not read out
            rows.push_back({name + " name", child, Ask::name, label});
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    const win32::ComApartment apartment;
    int failed = 0;
    for (const Row& row : rows) {
        const auto [text, result] = answer(row.window, row.ask);
        const std::string got = escaped(win32::toUtf8(text));
        char code[16] = {};
        std::snprintf(code, sizeof code, "%08lX", static_cast<unsigned long>(result));
        if (text.empty()) {
            writeLine("skipped " + row.what + ": the system gives no answer (result 0x" + code +
                      ")");
        } else if (text == row.expected) {
            writeLine("ok " + row.what + " [" + got + "]");
        } else {
            ++failed;
            writeLine("FAIL " + row.what + " [" + got + "], expected [" +
                      escaped(win32::toUtf8(row.expected)) + "]");
        }
    }
    return failed == 0 ? 0 : 1;
}

}  // namespace

int wmain() {
    const std::vector<std::wstring> args = arguments();
    if (args.size() == 2 && args[0] == L"network") return networkProperty(win32::toUtf8(args[1]));
    if (args.size() == 2 && args[0] == L"texts") return texts(args[1]);
    if (args.size() == 2 && args[0] == L"accessible") return accessible(args[1]);
    std::fputs("usage: desktop_probe.exe {network PROPERTY | texts CAPTION | accessible CAPTION}\n",
               stderr);
    return 2;
}
