#pragma once
// Another client on the test's own X server: presses keys through the XTest extension and holds grabs of
// its own. Include it after every Qt header: Xlib's macros (KeyPress, None...) clash with Qt's names.
#include <QString>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace kavrel::test {

class Keyboard {
public:
    explicit Keyboard(const QString& display) : display_(XOpenDisplay(display.toLocal8Bit().constData())) {}
    ~Keyboard() {
        if (display_)
            XCloseDisplay(display_);
    }
    bool open() const { return display_ != nullptr; }

    void tap(KeySym sym) {
        key(sym, true);
        key(sym, false);
    }
    void key(KeySym sym, bool down) { XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, sym), down, 0); }
    void superTap(KeySym sym) {
        key(XK_Super_L, true);
        tap(sym);
        key(XK_Super_L, false);
        XSync(display_, False);
    }
    void grab(KeySym sym) {
        XGrabKey(display_, XKeysymToKeycode(display_, sym), Mod4Mask, DefaultRootWindow(display_), True,
                 GrabModeAsync, GrabModeAsync);
        XSync(display_, False);
    }

private:
    Display* display_;
};

} // namespace kavrel::test
