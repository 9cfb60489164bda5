// Watches an X server for the moment a top-level window with a given title is
// mapped. No packaged tool measures that moment from a process's start, so
// the watcher is our own: it listens to the root window's substructure
// events, and reads a window's title when it is mapped or renamed.
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <expected>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>

namespace tallowin::bench {

class MapWatcher {
  public:
    using Clock = std::chrono::steady_clock;

    // Connects to $DISPLAY and starts listening to the root window.
    [[nodiscard]] static std::expected<MapWatcher, std::string> connect();

    // Forgets every event received so far; call it before starting a run.
    void discardPending();

    // Waits until a top-level window titled `title` is mapped, and answers
    // the moment its mapping was seen. Gives up with a reason at `deadline`
    // or when `stillRunning` answers false (the program ended).
    [[nodiscard]] std::expected<Clock::time_point, std::string> waitForMapped(
        std::string_view title, Clock::time_point deadline,
        const std::function<bool()>& stillRunning);

  private:
    struct Disconnect {
        void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
    };

    MapWatcher(std::unique_ptr<xcb_connection_t, Disconnect> connection, xcb_window_t root);

    [[nodiscard]] xcb_atom_t atom(std::string_view name);
    [[nodiscard]] bool isTitled(xcb_window_t window, std::string_view title);
    [[nodiscard]] std::string readText(xcb_window_t window, xcb_atom_t property, xcb_atom_t type);

    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
    xcb_window_t root_ = 0;
    xcb_atom_t wmName_ = 0;
    xcb_atom_t netWmName_ = 0;
    xcb_atom_t utf8String_ = 0;
};

}  // namespace tallowin::bench
