// The CD table of contents is read once per disc, not once per query.
#include "platform/bass/audio_rig.h"
#include "platform/bass/cd_toc_cache.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

namespace kavrel::test {
namespace {

using bass::CdTocCache;

class CdTocCacheTest : public ::testing::Test {
protected:
    CdTocCache::TocReader countingReader() {
        return [this](const std::string& source) -> std::optional<audio::CdToc> {
            ++reads;
            if (std::exchange(failNextRead, false))
                return std::nullopt;
            return audio::readCdToc(source);
        };
    }

    static std::size_t trackCount(CdTocCache& cache) {
        const auto disc = cache.disc();
        return disc ? disc->toc.tracks.size() : 0;
    }

    TempDir dir;
    int reads = 0;
    bool failNextRead = false;
};

TEST_F(CdTocCacheTest, AnImageIsReadOncePerChange) {
    const auto cue = writeCdImage(dir.path(), {{2, 440}, {3, 880}, {1, 1760}});
    CdTocCache cache(cue.string(), countingReader());
    for (int query = 0; query < 5; ++query)
        EXPECT_EQ(trackCount(cache), 3u);
    EXPECT_EQ(reads, 1);

    writeCdImage(dir.path(), {{4, 440}, {1, 880}});
    EXPECT_EQ(trackCount(cache), 2u);
    EXPECT_EQ(trackCount(cache), 2u);
    EXPECT_EQ(reads, 2) << "a changed image is read again, once";

    std::filesystem::remove(cue);
    EXPECT_FALSE(cache.disc());
    EXPECT_EQ(reads, 2) << "a missing image is not read";
}

TEST_F(CdTocCacheTest, AFailedReadIsTriedAgain) {
    const auto cue = writeCdImage(dir.path(), {{1, 440}});
    CdTocCache cache(cue.string(), countingReader());
    failNextRead = true;
    EXPECT_FALSE(cache.disc());
    EXPECT_EQ(trackCount(cache), 1u);
    EXPECT_EQ(trackCount(cache), 1u);
    EXPECT_EQ(reads, 2);
}

TEST_F(CdTocCacheTest, ADriveThatCannotReportChangesIsReadOnEveryQuery) {
    // A character device that answers no CD status query.
    CdTocCache cache("/dev/null", [this](const std::string&) {
        ++reads;
        return audio::CdToc{{{1, 0, 75, true}}, 75};
    });
    EXPECT_EQ(trackCount(cache), 1u);
    EXPECT_EQ(trackCount(cache), 1u);
    EXPECT_EQ(reads, 2);
}

TEST_F(CdTocCacheTest, DiscIdsStayValidAfterTheDiscChanges) {
    const auto cue = writeCdImage(dir.path(), {{2, 440}, {3, 880}});
    CdTocCache cache(cue.string(), countingReader());
    const char* first = cache.disc()->cddbId;
    writeCdImage(dir.path(), {{5, 440}});
    const char* second = cache.disc()->cddbId;
    EXPECT_EQ(std::string(first), expectedCddbId({2, 3}));
    EXPECT_EQ(std::string(second), expectedCddbId({5}));
    writeCdImage(dir.path(), {{2, 440}, {3, 880}});
    EXPECT_EQ(cache.disc()->cddbId, first) << "the same disc again gives the same text";
}

} // namespace
} // namespace kavrel::test
