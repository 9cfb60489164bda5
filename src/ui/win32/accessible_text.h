// The texts that screen readers read for a window or a control beyond what
// the control shows: laid over the system's own accessible object of the
// window (its client area) by direct annotation, so that nothing drawn
// changes. Best effort: where the system has no annotation service, or it
// fails, the window stays as it was and nothing is reported.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

namespace tallowin::ui::win32 {

enum class AccessibleText { name, description };

// The annotation service for one window and its controls, asked for once
// and kept while the window lives.
class AccessibleTexts {
  public:
    AccessibleTexts();
    ~AccessibleTexts();
    AccessibleTexts(const AccessibleTexts&) = delete;
    AccessibleTexts& operator=(const AccessibleTexts&) = delete;

    // Sets the text; empty text sets nothing.
    void annotate(HWND window, AccessibleText which, std::string_view text);

    // Takes back every text set on the window, before the window goes.
    void clear(HWND window);

  private:
    struct Service;
    std::unique_ptr<Service> service_;  // null where the system has none
};

}  // namespace tallowin::ui::win32
