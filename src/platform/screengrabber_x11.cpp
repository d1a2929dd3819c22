// The foreground window on X11: the window manager's _NET_ACTIVE_WINDOW.
#include "platform/screengrabber.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
xcb_atom_t atomNamed(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The 32-bit values of a property; empty when it is missing.
std::vector<quint32> cardinals(xcb_connection_t *connection, xcb_window_t window, const char *name,
                               xcb_atom_t type)
{
    const xcb_atom_t property = atomNamed(connection, name);
    if (property == XCB_ATOM_NONE)
        return {};
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 16), nullptr);
    std::vector<quint32> values;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

std::optional<QRect> clientRectangle(xcb_connection_t *connection, xcb_window_t window, xcb_window_t root)
{
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    xcb_translate_coordinates_reply_t *origin = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr);
    std::optional<QRect> client;
    if (geometry && origin)
        client = QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
    std::free(geometry);
    std::free(origin);
    return client;
}
} // namespace

std::optional<WindowArea> SystemScreenGrabber::foregroundWindow()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return std::nullopt;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::vector<quint32> active = cardinals(connection, root, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
    if (active.empty() || active.front() == XCB_WINDOW_NONE)
        return std::nullopt;
    const std::optional<QRect> client = clientRectangle(connection, active.front(), root);
    if (!client)
        return std::nullopt;
    // Left, right, top, bottom: the frame the window manager draws around it.
    const std::vector<quint32> extents =
        cardinals(connection, active.front(), "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    QRect frame = *client;
    if (extents.size() == 4)
        frame.adjust(-int(extents[0]), -int(extents[2]), int(extents[1]), int(extents[3]));
    return WindowArea{frame, *client};
}
