// Asks an X11 window to close the way a window manager does when the user
// presses the caption's close button: a WM_DELETE_WINDOW message. Under a bare
// X server there is no window manager to do it, and destroying or killing the
// window would bypass the program's own close handling.
#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
        return 2;
    }
    char* end = nullptr;
    errno = 0;
    const unsigned long window = std::strtoul(argv[1], &end, 0);
    if (errno != 0 || end == argv[1] || *end != '\0' || window == 0) {
        std::fprintf(stderr, "%s: not a window id: %s\n", argv[0], argv[1]);
        return 2;
    }

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open display\n", argv[0]);
        return 1;
    }

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;

    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    // XSync rather than XFlush so that a bad window id is reported here.
    XSync(display, False);
    XCloseDisplay(display);
    return sent != 0 ? 0 : 1;
}
