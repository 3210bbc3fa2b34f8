#include "x11.h"

#include <QGuiApplication>
#include <QHash>

namespace slcy::x11 {

xcb_connection_t* Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

Screen DisplayScreen(xcb_connection_t* c) {
    int number = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &number)) std::free(host);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; it.rem > 0; ++i, xcb_screen_next(&it))
        if (i == number) return {number, it.data};
    return {};
}

xcb_atom_t Atom(xcb_connection_t* c, const QByteArray& name, bool onlyIfExists) {
    // An atom, once made, lasts as long as the server: asked once per name.
    static QHash<QByteArray, xcb_atom_t> made;
    if (const auto it = made.constFind(name); it != made.cend()) return *it;
    const Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, onlyIfExists, static_cast<uint16_t>(name.size()), name.constData()),
        nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE) return XCB_ATOM_NONE;
    made.insert(name, atom->atom);
    return atom->atom;
}

}  // namespace slcy::x11
