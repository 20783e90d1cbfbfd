// Test tool: finds the top-level window with a given title on the X display and either asks
// it to close, as a window manager's close button does, or prints its size.
//   window_tool close TITLE   sends WM_PROTOCOLS / WM_DELETE_WINDOW
//   window_tool size TITLE    prints "WIDTHxHEIGHT"
//   window_tool class TITLE   prints the WM_CLASS name and class
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>

namespace {

Window find_titled(Display* display, Window parent, const char* title)
{
    char* name = nullptr;
    if (XFetchName(display, parent, &name) && name) {
        const bool match = std::strcmp(name, title) == 0;
        XFree(name);
        if (match)
            return parent;
    }
    Window root_return, parent_return, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, parent, &root_return, &parent_return, &children, &count)) {
        for (unsigned i = 0; i < count && !found; i++)
            found = find_titled(display, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}

void send_delete(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_tool close|size|class TITLE\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_tool: no X display\n");
        return 2;
    }
    const Window window = find_titled(display, DefaultRootWindow(display), argv[2]);
    if (!window) {
        std::fprintf(stderr, "window_tool: no window titled %s\n", argv[2]);
        XCloseDisplay(display);
        return 1;
    }
    if (std::strcmp(argv[1], "close") == 0) {
        send_delete(display, window);
    } else if (std::strcmp(argv[1], "size") == 0) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display, window, &attributes);
        std::printf("%dx%d\n", attributes.width, attributes.height);
    } else if (std::strcmp(argv[1], "class") == 0) {
        XClassHint hint{};
        if (XGetClassHint(display, window, &hint)) {
            std::printf("%s %s\n", hint.res_name, hint.res_class);
            XFree(hint.res_name);
            XFree(hint.res_class);
        }
    }
    XCloseDisplay(display);
    return 0;
}
