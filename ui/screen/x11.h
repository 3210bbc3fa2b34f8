// Qt's own connection to the X server, for the few things Qt does not offer: the window
// manager's frame around a window before it is mapped, and drawing on the root window. Every
// function here is safe to call on any platform: without X it finds nothing.
#pragma once

#include <xcb/xcb.h>

#include <QByteArray>
#include <cstdlib>
#include <initializer_list>
#include <memory>

namespace slcy::x11 {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
// A reply of the X server, freed when it goes.
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

struct Screen {
    int number = 0;
    xcb_screen_t* screen = nullptr;
};

// The connection, or null where Qt does not run on X.
xcb_connection_t* Connection();

// The screen that $DISPLAY names, which is the one Qt connected to.
Screen DisplayScreen(xcb_connection_t* c);

// The atom of that name; XCB_ATOM_NONE when `onlyIfExists` and nobody has made it yet.
xcb_atom_t Atom(xcb_connection_t* c, const QByteArray& name, bool onlyIfExists = false);

// Makes the atoms of these names known to Atom() in one round trip to the server, rather than
// one each.
void InternAtoms(xcb_connection_t* c, std::initializer_list<const char*> names);

}  // namespace slcy::x11
