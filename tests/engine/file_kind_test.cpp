#include "engine/file_kind.h"

#include <gtest/gtest.h>

namespace kavrel::engine {
namespace {

TEST(FileKind, ExtensionsMatchIgnoringCase) {
    EXPECT_TRUE(matchesExtension("/music/a.MP3", ".mp3"));
    EXPECT_TRUE(matchesExtension("b.ogg", ".ogg"));
    EXPECT_FALSE(matchesExtension("/music/a.mp3.txt", ".mp3"));
    EXPECT_FALSE(matchesExtension("mp3", ".mp3"));
}

TEST(FileKind, OnlyTrackNumberNamesAreCdTracks) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"/dev/sr0/Track03.cda", 3},
        {"/dev/sr0/Track12.cda", 12},
        {"/images/disc.cue/track7.CDA", 7},
        {"E:\\Track01.cda", 1},
        {"/dev/sr0/Track00.cda", std::nullopt},
        {"/dev/sr0/Track.cda", std::nullopt},
        {"/dev/sr0/Intro.cda", std::nullopt},
        {"/dev/sr0/Track3a.cda", std::nullopt},
        {"/dev/sr0/Track-3.cda", std::nullopt},
        {"/dev/sr0/Track99999999999.cda", std::nullopt},
        {"/dev/sr0/Track03.mp3", std::nullopt},
        {"Track03.cda/", std::nullopt},
    };
    for (const auto& [name, track] : cases)
        EXPECT_EQ(cdTrackNumber(name), track) << name;
}

} // namespace
} // namespace kavrel::engine
