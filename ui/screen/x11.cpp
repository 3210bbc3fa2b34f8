#include "x11.h"

#include <QGuiApplication>
#include <QHash>
#include <utility>
#include <vector>

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

namespace {
// An atom, once made, lasts as long as the server: asked once per name.
QHash<QByteArray, xcb_atom_t>& MadeAtoms() {
    static QHash<QByteArray, xcb_atom_t> made;
    return made;
}

xcb_atom_t Interned(xcb_connection_t* c, xcb_intern_atom_cookie_t cookie, const QByteArray& name) {
    const Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(c, cookie, nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE) return XCB_ATOM_NONE;
    MadeAtoms().insert(name, atom->atom);
    return atom->atom;
}

xcb_intern_atom_cookie_t AskForAtom(xcb_connection_t* c, const QByteArray& name,
                                    bool onlyIfExists) {
    return xcb_intern_atom(c, onlyIfExists, static_cast<uint16_t>(name.size()), name.constData());
}
}  // namespace

xcb_atom_t Atom(xcb_connection_t* c, const QByteArray& name, bool onlyIfExists) {
    const QHash<QByteArray, xcb_atom_t>& made = MadeAtoms();
    if (const auto it = made.constFind(name); it != made.cend()) return *it;
    return Interned(c, AskForAtom(c, name, onlyIfExists), name);
}

void InternAtoms(xcb_connection_t* c, std::initializer_list<const char*> names) {
    // All asked for before any answer is awaited.
    std::vector<std::pair<QByteArray, xcb_intern_atom_cookie_t>> asked;
    for (const char* name : names)
        if (!MadeAtoms().contains(name)) asked.emplace_back(name, AskForAtom(c, name, false));
    for (const auto& [name, cookie] : asked) Interned(c, cookie, name);
}

}  // namespace slcy::x11
