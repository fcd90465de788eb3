// Waits for a top-level window with the given title to be mapped on the X display, and prints
// the moment (CLOCK_REALTIME, in nanoseconds) on standard output. It prints "ready" once it
// listens, so that the program to be timed is started only then. Event-driven, so the moment is
// exact to the X server's delivery, not to a polling interval.
// Usage: korvala_window_waiter TITLE
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::string titleOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                    xcb_atom_t type) {
    constexpr std::uint32_t kLongestTitle = 256;
    const auto cookie = xcb_get_property(connection, 0, window, property, type, 0, kLongestTitle);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: korvala_window_waiter TITLE\n", stderr);
        return 2;
    }
    const std::string wanted = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("cannot connect to the display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netName = atomNamed(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atomNamed(connection, "UTF8_STRING");
    xcb_flush(connection);
    std::puts("ready");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        const xcb_window_t window =
            mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
        std::free(event);
        if (mapped && (titleOf(connection, window, netName, utf8) == wanted ||
                       titleOf(connection, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) == wanted)) {
            timespec now{};
            clock_gettime(CLOCK_REALTIME, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            xcb_disconnect(connection);
            return 0;
        }
    }
    xcb_disconnect(connection);
    return 1;
}
