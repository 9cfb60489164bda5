#include "map_watcher.h"

#include <poll.h>

#include <cstdlib>
#include <utility>

namespace tallowin::bench {

namespace {

// xcb hands out replies and events in malloc'd memory.
struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};
template <class T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

// How often a wait looks at the deadline and the program while no event comes.
constexpr int kPollSliceMs = 10;

}  // namespace

std::expected<MapWatcher, std::string> MapWatcher::connect() {
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(connection.get()) != 0) {
        return std::unexpected("cannot connect to the X server (is DISPLAY set?)");
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
    if (screens.rem == 0) return std::unexpected("the X server has no such screen");
    const xcb_window_t root = screens.data->root;

    // Creations and mappings of top-level windows are reported on the root.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    XcbPtr<xcb_generic_error_t> error(xcb_request_check(
        connection.get(),
        xcb_change_window_attributes_checked(connection.get(), root, XCB_CW_EVENT_MASK, &mask)));
    if (error) return std::unexpected("cannot listen to the root window's events");
    MapWatcher watcher(std::move(connection), root);
    return watcher;
}

MapWatcher::MapWatcher(std::unique_ptr<xcb_connection_t, Disconnect> connection, xcb_window_t root)
    : connection_(std::move(connection)), root_(root) {
    wmName_ = XCB_ATOM_WM_NAME;
    netWmName_ = atom("_NET_WM_NAME");
    utf8String_ = atom("UTF8_STRING");
}

xcb_atom_t MapWatcher::atom(std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection_.get(), 0, static_cast<std::uint16_t>(name.size()), name.data());
    XcbPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection_.get(), cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string MapWatcher::readText(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) {
    constexpr std::uint32_t kLongestTitleWords = 256;
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection_.get(), 0, window, property, type, 0, kLongestTitleWords);
    xcb_generic_error_t* rawError = nullptr;
    XcbPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection_.get(), cookie, &rawError));
    XcbPtr<xcb_generic_error_t> error(rawError);  // the window may be gone already
    if (!reply || error) return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return {text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

bool MapWatcher::isTitled(xcb_window_t window, std::string_view title) {
    // Qt and Wine set both names; either one matching is enough.
    return readText(window, netWmName_, utf8String_) == title ||
           readText(window, wmName_, XCB_ATOM_STRING) == title;
}

void MapWatcher::discardPending() {
    xcb_flush(connection_.get());
    while (XcbPtr<xcb_generic_event_t> event{xcb_poll_for_event(connection_.get())}) {
    }
}

std::expected<MapWatcher::Clock::time_point, std::string> MapWatcher::waitForMapped(
    std::string_view title, Clock::time_point deadline, const std::function<bool()>& stillRunning) {
    // Top-level windows that are mapped but were not (yet) titled `title`:
    // a program may name its window after mapping it.
    std::set<xcb_window_t> mappedUntitled;
    const int fd = xcb_get_file_descriptor(connection_.get());

    for (;;) {
        while (XcbPtr<xcb_generic_event_t> event{xcb_poll_for_event(connection_.get())}) {
            const Clock::time_point seen = Clock::now();
            switch (event->response_type & 0x7F) {
                case XCB_CREATE_NOTIFY: {
                    const auto* created =
                        reinterpret_cast<const xcb_create_notify_event_t*>(event.get());
                    if (created->parent != root_) break;
                    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
                    xcb_change_window_attributes(connection_.get(), created->window,
                                                 XCB_CW_EVENT_MASK, &mask);
                    xcb_flush(connection_.get());
                    break;
                }
                case XCB_MAP_NOTIFY: {
                    const auto* mapped =
                        reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
                    if (mapped->event != root_) break;
                    if (isTitled(mapped->window, title)) return seen;
                    mappedUntitled.insert(mapped->window);
                    break;
                }
                case XCB_PROPERTY_NOTIFY: {
                    const auto* changed =
                        reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
                    const bool isName = changed->atom == wmName_ || changed->atom == netWmName_;
                    if (isName && mappedUntitled.contains(changed->window) &&
                        isTitled(changed->window, title)) {
                        return seen;
                    }
                    break;
                }
                case XCB_UNMAP_NOTIFY:
                    mappedUntitled.erase(
                        reinterpret_cast<const xcb_unmap_notify_event_t*>(event.get())->window);
                    break;
                case XCB_DESTROY_NOTIFY:
                    mappedUntitled.erase(
                        reinterpret_cast<const xcb_destroy_notify_event_t*>(event.get())->window);
                    break;
                default:  // errors for windows that vanished, other events
                    break;
            }
        }
        if (xcb_connection_has_error(connection_.get()) != 0) {
            return std::unexpected("lost the connection to the X server");
        }
        if (!stillRunning())
            return std::unexpected("the program ended before its window was mapped");
        if (Clock::now() >= deadline) {
            return std::unexpected("no window titled \"" + std::string(title) +
                                   "\" was mapped in time");
        }
        pollfd readable{.fd = fd, .events = POLLIN, .revents = 0};
        poll(&readable, 1, kPollSliceMs);
    }
}

}  // namespace tallowin::bench
