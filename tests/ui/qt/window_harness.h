// What the Qt window suites share: a window shown ready for input on any
// platform, and the widget that keys go to. The suites run on Qt's
// offscreen platform and on a real Wayland compositor; the headless
// compositor has no keyboard, so it activates no window, and keys are then
// given to the window's focus widget directly, as the keyboard would.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <string>
#include <string_view>
#include <utility>

#include "fake_host.h"
#include "sysinfo/wmi_names.h"

namespace tallowin::testing {

// The product's UTF-8 text as Qt text.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A scripted machine's IP-enabled adapters, each with its addresses, in
// place of those it had.
inline void setAdapters(fake::FakeHost& host, const QList<QStringList>& adapters) {
    auto& rows = host.query(std::string{wmi::kAdapterAddressesQuery});
    rows.clear();
    for (const QStringList& adapter : adapters) {
        TextArray addresses;
        for (const QString& address : adapter) addresses.push_back(address.toStdString());
        rows.push_back({{"IPAddress", std::move(addresses)}});
    }
}

// Shows the window and waits until it is on the screen and, where the
// window system activates windows at all, active. (Whether it does is
// learnt from the first window shown: a platform that activates none keeps
// later windows from waiting for nothing.)
inline bool showForInput(QWidget& window) {
    static bool windowsActivate = true;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    if (windowsActivate) {
        // (A dialog counts as active while its owner is: wait until it has
        // the keyboard itself.)
        windowsActivate =
            QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 10000);
    }
    return true;
}

// The widget that has the keyboard within `window` (the window's own focus
// widget when the window system gives the window none), else the window.
inline QWidget* focused(QWidget& window) {
    if (QWidget* widget = QApplication::focusWidget(); widget && widget->window() == &window) {
        return widget;
    }
    if (QWidget* widget = window.focusWidget()) return widget;
    return &window;
}

// Whether the window system places windows itself, whatever position the
// program asks for: a Wayland compositor does (the protocol gives clients
// no positions at all), so there a window's place is not the program's to
// test.
inline bool windowSystemPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Whether Qt draws this window's title bar itself (on Wayland, where the
// compositor leaves it to the program): its frame margins are then known.
// Such a window may be widened so that its title fits.
inline bool qtDrawsTitleBar(const QWidget& window) {
    return windowSystemPlacesWindows() && window.windowHandle() != nullptr &&
           window.windowHandle()->frameMargins().top() > 0;
}

// A window as designed: exactly its size, or where Qt draws the title bar,
// its height and at least its width; either way fixed.
inline bool hasDesignedFixedSize(const QWidget& window, QSize designed) {
    const bool sized = qtDrawsTitleBar(window) ? window.height() == designed.height() &&
                                                     window.width() >= designed.width()
                                               : window.size() == designed;
    return sized && window.minimumSize() == window.size() && window.maximumSize() == window.size();
}

// Asks the window system for a state, as its own title bar would, and waits
// until the window system has confirmed it by reporting it back. (A
// compositor never reports a minimised state, so that request is not
// waited for.)
inline bool askWindowSystemFor(QWidget& window, Qt::WindowState state) {
    struct Reports final : QObject {
        Qt::WindowStates reported;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::WindowStateChange && event->spontaneous()) {
                reported |= static_cast<QWindow*>(watched)->windowStates();
            }
            return false;
        }
    } reports;
    QWindow* handle = window.windowHandle();
    handle->installEventFilter(&reports);
    handle->setWindowStates(state);
    const bool confirmed = state == Qt::WindowMinimized ||
                           QTest::qWaitFor([&] { return (reports.reported & state) != 0; });
    handle->removeEventFilter(&reports);
    return confirmed;
}

}  // namespace tallowin::testing
