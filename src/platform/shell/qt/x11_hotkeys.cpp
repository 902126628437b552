#include "platform/shell/qt/x11_hotkeys.h"

#include <QSocketNotifier>

#include <cstdlib>
#include <vector>
#include <xcb/xcb.h>

namespace kavrel::shell {

namespace {

// Keysyms of the eight keys, in the order of Hotkey, and of the modifiers looked up.
constexpr std::array<xcb_keysym_t, kHotkeyCount> kKeysyms{0xff52, 0xff54, 0xff53, 0xff51,
                                                          0x0020, 0xff55, 0xff56, 0xff50};
constexpr xcb_keysym_t kSuperL = 0xffeb;
constexpr xcb_keysym_t kSuperR = 0xffec;
constexpr xcb_keysym_t kNumLock = 0xff7f;
constexpr std::uint16_t kModifierBits = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 |
                                        XCB_MOD_MASK_2 | XCB_MOD_MASK_3 | XCB_MOD_MASK_4 | XCB_MOD_MASK_5;

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

// The server's keyboard: which keycodes carry which keysyms, and which keycodes each modifier holds.
class Keyboard {
public:
    explicit Keyboard(xcb_connection_t* c)
        : setup_(xcb_get_setup(c)),
          map_(xcb_get_keyboard_mapping_reply(
                   c,
                   xcb_get_keyboard_mapping(c, setup_->min_keycode,
                                            setup_->max_keycode - setup_->min_keycode + 1),
                   nullptr),
               &std::free),
          modifiers_(xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr), &std::free) {}

    xcb_keycode_t keycode(xcb_keysym_t sym) const {
        if (!map_)
            return 0;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map_.get());
        const int perCode = map_->keysyms_per_keycode;
        const int count = xcb_get_keyboard_mapping_keysyms_length(map_.get());
        for (int i = 0; i < count; ++i)
            if (syms[i] == sym)
                return static_cast<xcb_keycode_t>(setup_->min_keycode + i / perCode);
        return 0;
    }

    // The modifier mask that holds the key of `sym`; 0 when none does.
    std::uint16_t modifierOf(xcb_keysym_t sym) const {
        const xcb_keycode_t code = keycode(sym);
        if (!modifiers_ || code == 0)
            return 0;
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(modifiers_.get());
        const int perModifier = modifiers_->keycodes_per_modifier;
        for (int i = 0; i < 8 * perModifier; ++i)
            if (codes[i] == code)
                return static_cast<std::uint16_t>(1u << (i / perModifier));
        return 0;
    }

private:
    const xcb_setup_t* setup_;
    ReplyPtr<xcb_get_keyboard_mapping_reply_t> map_;
    ReplyPtr<xcb_get_modifier_mapping_reply_t> modifiers_;
};

} // namespace

X11Hotkeys::X11Hotkeys(const std::string& display) {
    if (display.empty() && !std::getenv("DISPLAY"))
        return;
    connection_ = xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        return;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    grabAll();
    notifier_ =
        std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { readEvents(); });
}

X11Hotkeys::~X11Hotkeys() {
    if (!connection_)
        return;
    notifier_.reset();
    for (const Grab& grab : grabs_)
        if (grab.keycode != 0)
            for (std::uint16_t locks : lockVariants_)
                xcb_ungrab_key(connection_, grab.keycode, root_, grab.modifiers | locks);
    // A round trip, so the keys are free for the next program the moment this returns.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    xcb_disconnect(connection_);
}

void X11Hotkeys::grabAll() {
    const Keyboard keyboard(connection_);
    std::uint16_t super = keyboard.modifierOf(kSuperL);
    if (super == 0)
        super = keyboard.modifierOf(kSuperR);
    if (super == 0)
        super = XCB_MOD_MASK_4; // the usual place of Super
    std::uint16_t numLock = keyboard.modifierOf(kNumLock);
    if (numLock == 0)
        numLock = XCB_MOD_MASK_2;
    lockVariants_ = {0, XCB_MOD_MASK_LOCK, numLock, static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLock)};

    for (int key = 0; key < kHotkeyCount; ++key) {
        const xcb_keycode_t code = keyboard.keycode(kKeysyms[key]);
        if (code == 0)
            continue;
        std::vector<xcb_void_cookie_t> cookies;
        for (std::uint16_t locks : lockVariants_)
            cookies.push_back(xcb_grab_key_checked(connection_, 1, root_, super | locks, code,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        bool refused = false;
        for (xcb_void_cookie_t cookie : cookies)
            if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
                refused = true;
                std::free(error);
            }
        if (refused) { // half a key would work only with some locks on: let it go whole
            for (std::uint16_t locks : lockVariants_)
                xcb_ungrab_key(connection_, code, root_, super | locks);
            continue;
        }
        grabs_[key] = {code, super};
    }
    xcb_flush(connection_);
}

void X11Hotkeys::readEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        if ((event->response_type & 0x7f) == XCB_KEY_PRESS) {
            const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
            const std::uint16_t held = press->state & kModifierBits & ~lockVariants_[3];
            for (int key = 0; key < kHotkeyCount; ++key)
                if (grabs_[key].keycode == press->detail && grabs_[key].modifiers == held && handler_)
                    handler_(static_cast<Hotkey>(key));
        }
        std::free(event);
    }
    if (xcb_connection_has_error(connection_))
        notifier_->setEnabled(false); // the server went away; the keys went with it
}

} // namespace kavrel::shell
