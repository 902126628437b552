#pragma once
// Values other parts of the player compute from the stored settings.
#include "core/conf_record.h"

#include <array>
#include <cstdint>

namespace kavrel::core {

struct QuickPlayFragment {
    double startFraction = 0; // of the track's length
    std::int32_t lengthMs = 0;
    bool operator==(const QuickPlayFragment&) const = default;
};
// Three fragments, closed by a fourth entry of start 1.0 and length 0.
using QuickPlayTable = std::array<QuickPlayFragment, 4>;

// Fractions (percent / 100) for the five share-based shuffle sources, in menu order.
struct ShuffleShares {
    double library = 0;
    double russianArtists = 0;
    double englishArtists = 0;
    double activeArtist = 0;
    double activeAlbum = 0;
};

QuickPlayTable quickPlayTable(const TConfRecord& record);
ShuffleShares shuffleShares(const TConfRecord& record);
// The volume slider position at start: night mode gives its percentage x 10, otherwise the saved position;
// always within 0..1000.
std::int32_t startVolume(const TConfRecord& record);

struct WindowPoint {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool operator==(const WindowPoint&) const = default;
};
// Where the main window opens: the saved place, or centred on the screen when the start position mode
// asks for it (the saved left and top are then ignored).
WindowPoint startWindowPosition(const TConfRecord& record, std::int32_t screenWidth,
                                std::int32_t screenHeight, std::int32_t windowWidth,
                                std::int32_t windowHeight);
struct WindowSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool operator==(const WindowSize&) const = default;
};
// The extra width and height over the design size: the saved ones in start size mode 0, none otherwise.
WindowSize startExtraSize(const TConfRecord& record);

// Repairs what a damaged or foreign record can hold, field by field, so that one bad value never costs the
// user the rest of the settings: a number text that does not parse takes that field's default; the active
// library is one of "LB1", "LB2", "LBCD" ("LB1" otherwise); the preset name is a plain file name.
void repairLoadedRecord(TConfRecord& record);

} // namespace kavrel::core
