#pragma once
// What the outside player and Kavrel agree on: its windows' titles and the messages its main window
// answers. Shared by TApollo and the stand-in player, so the two sides cannot drift apart.
#include "platform/winmsg/messages.h"

#include <cstdint>

namespace kavrel::engine {

inline constexpr const char* kApolloMainWindow = "Apollo - Main Window";
inline constexpr const char* kApolloEqualizerWindow = "Graphic Equalizer";

// Names the WAV file a started player records into instead of the sound device (tests, kavrel-play).
inline constexpr const char* kApolloCaptureVariable = "KAVREL_APOLLO_CAPTURE";

// Every command: this message, the command number in wParam, its argument in lParam.
inline constexpr std::uint32_t kApolloCommandMessage = winmsg::WM_USER + 3;

enum ApolloCommand : std::uint64_t {
    kApolloGetState = 1,     // answers 1 playing, 2 paused, 0 stopped (also at the end of a track)
    kApolloRelease = 9,      // lets go of the file
    kApolloStop = 11,        // stops at the start
    kApolloTogglePause = 13, // pause and resume
    kApolloSetPosition = 18, // lParam: ms
    kApolloGetPosition = 19, // answers ms
    kApolloSetVolume = 20,   // lParam: 0..66000
};

// A file is handed over as WM_COPYDATA (wParam 0) of this kind: the name and its terminating zero byte.
inline constexpr std::uint64_t kApolloFileNameKind = 2;

// The player's volume for the program's 0..1000.
inline constexpr std::int32_t kApolloVolumeScale = 66;

} // namespace kavrel::engine
