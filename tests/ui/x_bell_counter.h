#pragma once

#include <QGuiApplication>

#include <xcb/xcb.h>
// xkb.h names a member "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>

// Counts the X server's bells, as a person at the screen hears them: XKB tells every
// client that asks of each bell rung, by any client. A connection of its own.
class XBellCounter {
public:
    XBellCounter() : connection_(xcb_connect(nullptr, nullptr))
    {
        std::free(xcb_xkb_use_extension_reply(connection_, xcb_xkb_use_extension(connection_, 1, 0), nullptr));
        const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection_, &xcb_xkb_id);
        bellEvent_ = xkb && xkb->present ? xkb->first_event : 0;
        const auto bell = XCB_XKB_EVENT_TYPE_BELL_NOTIFY;
        xcb_xkb_select_events(connection_, XCB_XKB_ID_USE_CORE_KBD, bell, 0, bell, 0, 0, nullptr);
        roundTrip(connection_);
    }
    ~XBellCounter() { xcb_disconnect(connection_); }

    bool listening() const { return bellEvent_ != 0; }

    // The bells rung so far: the window's requests reach the server first.
    int count()
    {
        roundTrip(qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection());
        roundTrip(connection_);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const auto* xkb = reinterpret_cast<const xcb_xkb_bell_notify_event_t*>(event);
            bells_ += (event->response_type & 0x7f) == bellEvent_ && xkb->xkbType == XCB_XKB_BELL_NOTIFY;
            std::free(event);
        }
        return bells_;
    }

private:
    static void roundTrip(xcb_connection_t* c) { std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); }

    xcb_connection_t* connection_;
    std::uint8_t bellEvent_ = 0;
    int bells_ = 0;
};
