// The floor for Tallowin's start-up under Wine: the least a Win32 program can
// do to show a dialog-framed window whose client area is the main window's
// designed size (at 96 DPI) with one EDIT control and three push buttons
// where the main window has its controls. It asks nothing of the machine. Built with the MinGW
// cross compiler only to be measured beside Tallowin.exe.
//
// Built with TALLOWIN_BASELINE_HOST_CALLS it also makes, before showing the
// window, the host calls that the main window's load step makes: COM in a
// single-threaded apartment, the network identity object three times, and,
// when that object answers a computer name, the management service with the
// adapter query twice. That build is the floor for any program that must ask
// those questions before its window appears.
//
// Both are built a second time with themed.rc, whose manifest asks for common
// controls version 6 (the themed EDIT and BUTTON classes) with the program's
// DPI awareness: the floor for a dialog that looks as Tallowin.exe does.
#include <windows.h>
// Builds on <windows.h>.
#include <objbase.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <string>

#include "ui/twips.h"
#include "ui/window_designs.h"

namespace {

namespace design = tallowin::ui::design;

constexpr int pixels(int twips) {
    return tallowin::ui::twipsToPixels(twips, tallowin::ui::kStandardDpi);
}
constexpr int kClientWidth = pixels(design::form1::kWindow.clientWidth);
constexpr int kClientHeight = pixels(design::form1::kWindow.clientHeight);

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void addChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
              const design::Control& control) {
    const auto rect = tallowin::ui::toPixels(control.place, tallowin::ui::kStandardDpi);
    CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                    rect.width, rect.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

#ifdef TALLOWIN_BASELINE_HOST_CALLS

// COM in a single-threaded apartment for as long as the object lives.
class ComApartment {
  public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }

  private:
    HRESULT result_;
};

// A VARIANT that is cleared when it goes.
struct ScopedVariant {
    VARIANT value;
    ScopedVariant() { VariantInit(&value); }
    ScopedVariant(const ScopedVariant&) = delete;
    ScopedVariant& operator=(const ScopedVariant&) = delete;
    ~ScopedVariant() { VariantClear(&value); }
};

// A late-bound property read or method call with at most one argument.
HRESULT invoke(IDispatch& object, const wchar_t* member, ScopedVariant& answer,
               ScopedVariant* argument = nullptr) {
    DISPID id = 0;
    auto* name = const_cast<LPOLESTR>(member);
    const HRESULT found = object.GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(found)) return found;
    DISPPARAMS parameters{argument != nullptr ? &argument->value : nullptr, nullptr,
                          argument != nullptr ? 1U : 0U, 0};
    return object.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                         &parameters, &answer.value, nullptr, nullptr);
}

// The computer name from a fresh network identity object; empty when the
// object cannot be made or cannot answer.
std::wstring computerName() {
    CLSID classId{};
    Microsoft::WRL::ComPtr<IDispatch> identity;
    if (FAILED(CLSIDFromProgID(L"WScript.Network", &classId)) ||
        FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_PPV_ARGS(&identity)))) {
        return {};
    }
    ScopedVariant name;
    if (FAILED(invoke(*identity.Get(), L"ComputerName", name)) || name.value.vt != VT_BSTR) {
        return {};
    }
    return {name.value.bstrVal, SysStringLen(name.value.bstrVal)};
}

// Binds the management service of the computer and runs the adapter query.
void queryAdapters(const std::wstring& computer) {
    const std::wstring moniker =
        L"winmgmts:{impersonationLevel=impersonate}!\\\\" + computer + L"\\root\\cimv2";
    Microsoft::WRL::ComPtr<IDispatch> service;
    if (FAILED(CoGetObject(moniker.c_str(), nullptr, IID_PPV_ARGS(&service)))) return;
    ScopedVariant query;
    query.value.vt = VT_BSTR;
    query.value.bstrVal = SysAllocString(
        L"SELECT IPAddress FROM Win32_NetworkAdapterConfiguration WHERE IPEnabled=TRUE");
    ScopedVariant adapters;
    invoke(*service.Get(), L"ExecQuery", adapters, &query);
}

// What the load step asks: the address count, the first address (each a
// name and, with a name, the adapter query), then the computer name.
void makeTheLoadStepsHostCalls() {
    for (int addressCall = 0; addressCall < 2; ++addressCall) {
        const std::wstring computer = computerName();
        if (!computer.empty()) queryAdapters(computer);
    }
    static_cast<void>(computerName());
}

#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TallowinBaseline";
    if (RegisterClassW(&windowClass) == 0) return 1;

    constexpr DWORD kStyle = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    HWND window =
        CreateWindowExW(WS_EX_DLGMODALFRAME, windowClass.lpszClassName, L"Tallowin baseline",
                        kStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;

    addChild(window, L"EDIT", L"192.0.2.1    baseline",
             WS_BORDER | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, design::form1::kText1);
    addChild(window, L"BUTTON", L"First", BS_DEFPUSHBUTTON | WS_TABSTOP,
             design::form1::kCmdSysInfo);
    addChild(window, L"BUTTON", L"Second", BS_PUSHBUTTON | WS_TABSTOP, design::form1::kCmdShowAll);
    addChild(window, L"BUTTON", L"Third", BS_PUSHBUTTON | WS_TABSTOP, design::form1::kCmdOK);

#ifdef TALLOWIN_BASELINE_HOST_CALLS
    const ComApartment apartment;
    makeTheLoadStepsHostCalls();
#endif
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
