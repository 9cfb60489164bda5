#include "ui/win32/accessible_text.h"

#include <initguid.h>
// Defines the annotation service's GUIDs here, after <initguid.h>.
#include <oleacc.h>
#include <wrl/client.h>

#include <array>

#include "win32/com_apartment.h"
#include "win32/wide_text.h"

namespace tallowin::ui::win32 {

namespace {

// Runs `use` with the annotation service, if the system has one. COM for
// this thread while the service is used: the program's host has usually
// started it already (then this only counts up and down); the windows must
// not depend on that.
template <typename Use>
void withService(Use use) {
    const tallowin::win32::ComApartment com;
    Microsoft::WRL::ComPtr<IAccPropServices> services;
    // (mingw-w64's header gives this interface no __uuidof: its IID by name.)
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices,
                                   reinterpret_cast<void**>(services.GetAddressOf())))) {
        use(*services.Get());
    }
}

}  // namespace

void annotate(HWND window, AccessibleText which, std::string_view text) {
    if (window == nullptr || text.empty()) return;
    const std::wstring wide = tallowin::win32::toWide(text);
    const MSAAPROPID property =
        which == AccessibleText::name ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION;
    // A failure leaves the system's own text, which is all a reader had before.
    withService([&](IAccPropServices& services) {
        services.SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                                wide.c_str());
    });
}

void clearAnnotations(HWND window) {
    if (window == nullptr) return;
    const std::array properties{PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    withService([&](IAccPropServices& services) {
        services.ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                properties.data(), static_cast<int>(properties.size()));
    });
}

}  // namespace tallowin::ui::win32
