#include "XWindows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace lumo::test {

namespace {
Display* dpy(void* d) {
    return static_cast<Display*>(d);
}
} // namespace

XWindows::XWindows() : m_display(XOpenDisplay(nullptr)) {}

XWindows::~XWindows() {
    if (m_display != nullptr) {
        XCloseDisplay(dpy(m_display));
    }
}

std::string XWindows::windowClass(unsigned long window) const {
    XClassHint hint{};
    if (m_display == nullptr || XGetClassHint(dpy(m_display), window, &hint) == 0) {
        return {};
    }
    std::string result = hint.res_class != nullptr ? hint.res_class : "";
    XFree(hint.res_name);
    XFree(hint.res_class);
    return result;
}

std::optional<unsigned long> XWindows::findWindow(const std::string& title) const {
    if (m_display == nullptr) {
        return std::nullopt;
    }
    Window root = DefaultRootWindow(dpy(m_display));
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<unsigned long> found;
    if (XQueryTree(dpy(m_display), root, &root, &parent, &children, &count) == 0) {
        return std::nullopt;
    }
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        char* name = nullptr;
        if (XGetWindowAttributes(dpy(m_display), children[i], &attributes) != 0 &&
            attributes.map_state == IsViewable && XFetchName(dpy(m_display), children[i], &name) &&
            name != nullptr) {
            if (title == name) {
                found = children[i];
            }
            XFree(name);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

QRect XWindows::geometry(unsigned long window) const {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(dpy(m_display), window, &attributes) == 0) {
        return {};
    }
    return {attributes.x, attributes.y, attributes.width, attributes.height};
}

void XWindows::requestClose(unsigned long window) const {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(dpy(m_display), "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] =
        static_cast<long>(XInternAtom(dpy(m_display), "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy(m_display), window, False, NoEventMask, &event);
    XFlush(dpy(m_display));
}

void XWindows::setWmState(unsigned long window, long state) const {
    const Atom wmState = XInternAtom(dpy(m_display), "WM_STATE", False);
    const long data[2] = {state, 0};
    XChangeProperty(dpy(m_display), window, wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data), 2);
    XFlush(dpy(m_display));
}

} // namespace lumo::test
