#include "ui/caption_bar.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace vantrel::ui {
namespace {

xcb_intern_atom_cookie_t ask(xcb_connection_t* connection, const char* name) {
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(qstrlen(name)), name);
}

xcb_atom_t answer(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

} // namespace

void keepCaptionBarEmpty(QWidget* window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !window->windowTitle().isEmpty())
        return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    // Both questions go out before the X window is made, and their answers are read after:
    // the server answers while Qt makes the window, and start-up waits for no round trip.
    const xcb_intern_atom_cookie_t askedName = ask(connection, "_NET_WM_NAME");
    const xcb_intern_atom_cookie_t askedUtf8 = ask(connection, "UTF8_STRING");
    xcb_flush(connection);
    const auto id = static_cast<xcb_window_t>(window->winId()); // creates the X window
    const xcb_atom_t name = answer(connection, askedName);
    const xcb_atom_t utf8 = answer(connection, askedUtf8);
    if (name == XCB_ATOM_NONE || utf8 == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, name, utf8, 8, 0, nullptr);
    xcb_flush(connection);
}

} // namespace vantrel::ui
