// COM for the calling thread, initialised apartment-threaded (the thread
// that runs the windows) for as long as the owner lives. Whether it worked
// is not asked: where COM is not initialised, every COM call that follows
// fails with its own error (CO_E_NOTINITIALIZED), which the caller reports.
#pragma once

#include <objbase.h>

namespace tallowin::win32 {

class ComApartment {
  public:
    ComApartment() noexcept
        : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
    // Only a successful initialisation (S_OK or S_FALSE) is balanced; when the
    // thread already had another apartment, COM stays as it was.
    ~ComApartment() {
        if (result_ >= 0) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    HRESULT result_;
};

}  // namespace tallowin::win32
