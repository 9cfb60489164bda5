// COM for the calling thread, initialised apartment-threaded (the thread
// that runs the windows) for as long as the owner lives.
#pragma once

#include <objbase.h>

namespace tallowin::windows_backend {

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

    [[nodiscard]] HRESULT result() const noexcept { return result_; }

  private:
    HRESULT result_;
};

}  // namespace tallowin::windows_backend
