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

// Repairs what a damaged or foreign record can hold, field by field, so that one bad value never costs the
// user the rest of the settings: a number text that does not parse takes that field's default; the active
// library is one of "LB1", "LB2", "LBCD" ("LB1" otherwise); the preset name is a plain file name.
void repairLoadedRecord(TConfRecord& record);

} // namespace kavrel::core
