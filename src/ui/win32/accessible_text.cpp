#include "ui/win32/accessible_text.h"

#include <initguid.h>
// Defines the annotation service's GUIDs here, after <initguid.h>.
#include <oleacc.h>
#include <wrl/client.h>

#include <array>

#include "win32/com_apartment.h"
#include "win32/wide_text.h"

namespace tallowin::ui::win32 {

// COM for this thread while the service is held: the program's host has
// usually started it already (then this only counts up and down); the
// windows must not depend on that.
struct AccessibleTexts::Service {
    tallowin::win32::ComApartment com;
    Microsoft::WRL::ComPtr<IAccPropServices> services;
};

AccessibleTexts::AccessibleTexts() : service_(std::make_unique<Service>()) {
    // (mingw-w64's header gives this interface no __uuidof: its IID by name.)
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices,
                                reinterpret_cast<void**>(service_->services.GetAddressOf())))) {
        service_.reset();
    }
}

AccessibleTexts::~AccessibleTexts() = default;

void AccessibleTexts::annotate(HWND window, AccessibleText which, std::string_view text) {
    if (!service_ || window == nullptr || text.empty()) return;
    const std::wstring wide = tallowin::win32::toWide(text);
    const MSAAPROPID property =
        which == AccessibleText::name ? PROPID_ACC_NAME : PROPID_ACC_DESCRIPTION;
    // A failure leaves the system's own text, which is all a reader had before.
    service_->services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       property, wide.c_str());
}

void AccessibleTexts::clear(HWND window) {
    if (!service_ || window == nullptr) return;
    const std::array properties{PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    service_->services->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       properties.data(), static_cast<int>(properties.size()));
}

}  // namespace tallowin::ui::win32
