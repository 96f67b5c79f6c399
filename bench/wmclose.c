/* Asks a top-level window to close, as a window manager's close button does:
 * sends it the WM_DELETE_WINDOW message. (xdotool's windowclose destroys the
 * window instead, which no user can do.)
 *
 *   wmclose WINDOW_ID
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xcb/xcb.h>

static xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, strlen(name), name), NULL);
    xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: wmclose WINDOW_ID\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "wmclose: cannot open the display\n");
        return 2;
    }
    xcb_client_message_event_t message;
    memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = (xcb_window_t)strtoul(argv[1], NULL, 0);
    message.type = atom(c, "WM_PROTOCOLS");
    message.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_generic_error_t* error = xcb_request_check(
        c, xcb_send_event_checked(c, 0, message.window, XCB_EVENT_MASK_NO_EVENT, (const char*)&message));
    if (error) {
        fprintf(stderr, "wmclose: no window %s\n", argv[1]);
        free(error);
        xcb_disconnect(c);
        return 1;
    }
    xcb_disconnect(c);
    return 0;
}
