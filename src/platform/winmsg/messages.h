#pragma once
// Window messages between programs of one user: the numbers both sides agree on and one message as it
// travels. The numbers of the classic desktop messages are kept, so a peer written against them answers
// as it always did; the window operations a desktop does for a caller (show, hide, topmost, state) travel
// as messages of our own, below WM_USER, that no peer sends for any other purpose.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kavrel::winmsg {

inline constexpr std::uint32_t WM_CLOSE = 0x0010;
inline constexpr std::uint32_t WM_COPYDATA = 0x004A;
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
inline constexpr std::uint32_t WM_USER = 0x0400;

// Show a window: wParam is one of the SW_ values.
inline constexpr std::uint32_t kShowWindowMessage = 0x03F0;
// Put a window above all others without moving or sizing it.
inline constexpr std::uint32_t kSetTopmostMessage = 0x03F1;
// Sent: answers the kWindow... flags of the window.
inline constexpr std::uint32_t kWindowStateMessage = 0x03F2;

inline constexpr std::uint64_t SW_HIDE = 0;
inline constexpr std::uint64_t SW_SHOWMINIMIZED = 2;
inline constexpr std::uint64_t SW_SHOW = 5;

inline constexpr std::int64_t kWindowVisible = 1;
inline constexpr std::int64_t kWindowMinimized = 2;
inline constexpr std::int64_t kWindowTopmost = 4;

inline constexpr std::uint64_t VK_ESCAPE = 0x1B;

// Longest copied-data block a window accepts; far above any file name, far below what could exhaust memory.
inline constexpr std::uint32_t kMaxCopyDataBytes = 64 * 1024;

// The record WM_COPYDATA carries: a kind chosen by the sender and its bytes.
struct CopyData {
    std::uint64_t dwData = 0;
    std::vector<std::uint8_t> bytes;

    bool operator==(const CopyData&) const = default;
};

struct Message {
    std::uint32_t msg = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;
    std::optional<CopyData> copyData; // present exactly when msg is WM_COPYDATA

    bool operator==(const Message&) const = default;
};

// A copy-data record holding a text and its terminating zero byte.
CopyData textCopyData(std::uint64_t kind, const std::string& text);

} // namespace kavrel::winmsg
