#pragma once
// The windows of other programs, reached by their titles. Tests put a recorder in its place.
//
// Threads: any thread; each call blocks at most for its time limit (a window that does not answer makes
// the call fail, never hang the caller).
#include "platform/winmsg/messages.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace kavrel::winmsg {

class Desktop {
public:
    virtual ~Desktop() = default;

    // A living window has this title.
    virtual bool FindWindow(std::string_view title) = 0;
    // The window's answer; nothing when no window has the title or it did not answer in time.
    virtual std::optional<std::int64_t> SendMessage(std::string_view title, const Message& message) = 0;
    // Queued for the window without waiting for it; false when no window has the title.
    virtual bool PostMessage(std::string_view title, const Message& message) = 0;

    std::optional<std::int64_t> SendMessage(std::string_view title, std::uint32_t msg, std::uint64_t wParam,
                                            std::int64_t lParam) {
        return SendMessage(title, Message{msg, wParam, lParam, std::nullopt});
    }
    bool PostMessage(std::string_view title, std::uint32_t msg, std::uint64_t wParam, std::int64_t lParam) {
        return PostMessage(title, Message{msg, wParam, lParam, std::nullopt});
    }
    std::optional<std::int64_t> SendCopyData(std::string_view title, std::uint64_t wParam, CopyData data) {
        return SendMessage(title, Message{WM_COPYDATA, wParam, 0, std::move(data)});
    }
    // SW_HIDE, SW_SHOW or SW_SHOWMINIMIZED.
    bool ShowWindow(std::string_view title, std::uint64_t command) {
        return PostMessage(title, kShowWindowMessage, command, 0);
    }
    bool SetTopmost(std::string_view title) { return PostMessage(title, kSetTopmostMessage, 1, 0); }
    bool CloseWindow(std::string_view title) { return PostMessage(title, WM_CLOSE, 0, 0); }
    bool PostKeyDown(std::string_view title, std::uint64_t key) {
        return PostMessage(title, WM_KEYDOWN, key, 0);
    }
    // The window's kWindow... flags.
    std::optional<std::int64_t> WindowState(std::string_view title) {
        return SendMessage(title, kWindowStateMessage, 0, 0);
    }
};

} // namespace kavrel::winmsg
