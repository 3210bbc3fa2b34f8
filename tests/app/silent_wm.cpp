// A window manager that never answers: it announces itself as the desktop's manager and lists
// _NET_REQUEST_FRAME_EXTENTS among what it supports, maps, moves and focuses the windows it is
// asked to, and ignores every message (no frames, no _NET_FRAME_EXTENTS, no activation), as a
// hung or minimal manager does. With --compositor it manages nothing and only holds the
// compositing manager's selection _NET_WM_CM_S<screen>, as a running compositor does.
//
// Usage: silent_wm                            (ready once the root window names it in
//                                             _NET_SUPPORTING_WM_CHECK)
//        silent_wm --compositor <ready file>  (the file appears once it owns the selection)
// Either runs until it is killed.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const std::string& name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

xcb_window_t SmallWindow(xcb_connection_t* c, const xcb_screen_t* screen) {
    const xcb_window_t w = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    return w;
}

bool ClaimCompositorSelection(xcb_connection_t* c, const xcb_screen_t* screen, int number,
                              const char* readyFile) {
    const xcb_window_t owner = SmallWindow(c, screen);
    const xcb_atom_t selection = Atom(c, "_NET_WM_CM_S" + std::to_string(number));
    xcb_set_selection_owner(c, owner, selection, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const bool owned = reply && reply->owner == owner;
    std::free(reply);
    if (!owned) {
        std::fprintf(stderr, "silent_wm: another compositor runs\n");
        return false;
    }
    if (FILE* ready = std::fopen(readyFile, "w")) std::fclose(ready);
    return true;
}

bool BecomeWindowManager(xcb_connection_t* c, const xcb_screen_t* screen) {
    const uint32_t mask =
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t* error = xcb_request_check(
            c, xcb_change_window_attributes_checked(c, screen->root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        std::fprintf(stderr, "silent_wm: another window manager runs\n");
        return false;
    }
    const xcb_window_t check = SmallWindow(c, screen);
    const xcb_atom_t check_atom = Atom(c, "_NET_SUPPORTING_WM_CHECK");
    const char name[] = "silent_wm";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, check, Atom(c, "_NET_WM_NAME"),
                        Atom(c, "UTF8_STRING"), 8, sizeof name - 1, name);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, check, check_atom, XCB_ATOM_WINDOW, 32, 1,
                        &check);
    const xcb_atom_t supported[] = {Atom(c, "_NET_SUPPORTED"), check_atom,
                                    Atom(c, "_NET_REQUEST_FRAME_EXTENTS"),
                                    Atom(c, "_NET_FRAME_EXTENTS"), Atom(c, "_NET_WM_NAME")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, screen->root, supported[0], XCB_ATOM_ATOM, 32,
                        sizeof supported / sizeof supported[0], supported);
    // Announced last: whoever waits for the announcement finds everything else in place.
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, screen->root, check_atom, XCB_ATOM_WINDOW, 32,
                        1, &check);
    xcb_flush(c);
    return true;
}

// A configure request carries only the fields the client asked for, in the order of the mask.
void Configure(xcb_connection_t* c, const xcb_configure_request_event_t* e) {
    uint32_t values[7];
    int n = 0;
    const uint16_t mask = e->value_mask & (XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y |
                                           XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT |
                                           XCB_CONFIG_WINDOW_BORDER_WIDTH);
    if (mask & XCB_CONFIG_WINDOW_X) values[n++] = static_cast<uint32_t>(e->x);
    if (mask & XCB_CONFIG_WINDOW_Y) values[n++] = static_cast<uint32_t>(e->y);
    if (mask & XCB_CONFIG_WINDOW_WIDTH) values[n++] = e->width;
    if (mask & XCB_CONFIG_WINDOW_HEIGHT) values[n++] = e->height;
    if (mask & XCB_CONFIG_WINDOW_BORDER_WIDTH) values[n++] = e->border_width;
    xcb_configure_window(c, e->window, mask, values);
}

}  // namespace

int main(int argc, char** argv) {
    const bool compositor = argc > 2 && std::strcmp(argv[1], "--compositor") == 0;
    int number = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &number);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "silent_wm: no X display\n");
        return 2;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < number; ++i) xcb_screen_next(&it);
    const xcb_screen_t* screen = it.data;

    if (compositor ? !ClaimCompositorSelection(c, screen, number, argv[2])
                   : !BecomeWindowManager(c, screen))
        return 1;

    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        switch (event->response_type & 0x7F) {
            case XCB_MAP_REQUEST: {
                const auto* e = reinterpret_cast<xcb_map_request_event_t*>(event);
                xcb_map_window(c, e->window);
                xcb_set_input_focus(c, XCB_INPUT_FOCUS_POINTER_ROOT, e->window, XCB_CURRENT_TIME);
                break;
            }
            case XCB_CONFIGURE_REQUEST:
                Configure(c, reinterpret_cast<xcb_configure_request_event_t*>(event));
                break;
            default:  // _NET_REQUEST_FRAME_EXTENTS and every other message: never answered
                break;
        }
        std::free(event);
        xcb_flush(c);
    }
    return 0;
}
