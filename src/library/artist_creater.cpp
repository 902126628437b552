#include "library/artist_creater.h"

#include "library/artist_line.h"
#include "library/artist_merge.h"
#include "library/library_files.h"
#include "library/qsort.h"
#include "library/tag_and_lib.h"

namespace kavrel::library {

namespace {

constexpr std::size_t kRowsPerReport = 256;

} // namespace

void TArtistCreater::Execute() {
    auto& progress = builder_.progress();
    progress.stageRunning(BuildStage::PerformingTags);
    std::vector<std::string> songLines = std::move(builder_.SongLines);
    std::vector<std::string> artistNames;

    const auto artistList = libraryFile(builder_.LibraryPath, kArtistListFile);
    const int previousArtists = builder_.KnownFileCount != 0 ? countTextLines(artistList) : 0;

    if (builder_.MergeArtists) {
        const std::size_t count = songLines.size();
        progress.progressRange(static_cast<int>(2 * count) - 3);
        std::vector<std::string> artists;
        artists.reserve(count);
        for (const auto& line : songLines)
            artists.emplace_back(songLineArtist(line));
        auto merged = mergeArtistNames(std::move(artists), builder_.collator(), [&](std::size_t row) {
            if (row % kRowsPerReport == 0)
                progress.progressPosition(static_cast<int>(row) + 1);
            return builder_.gate().pass();
        });
        if (!merged)
            return;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string_view oldArtist = songLineArtist(songLines[i]);
            if (oldArtist != merged->artists[i])
                songLines[i].replace(0, oldArtist.size(), merged->artists[i]);
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (!merged->counted[i])
                continue;
            artistNames.push_back(merged->artists[i]);
            if (static_cast<int>(i) >= previousArtists) {
                progress.foundArtists(static_cast<int>(artistNames.size()) - previousArtists);
                progress.fileNameLine(artistNames.back());
            }
            if (i % kRowsPerReport == 0)
                progress.progressPosition(static_cast<int>(count + i) - 1);
        }
        progress.progressPosition(static_cast<int>(2 * count) - 3);
    }

    builder_.SongLines = std::move(songLines);
    builder_.ArtistNames = std::move(artistNames);
    progress.stageDone(BuildStage::PerformingTags);
    if (builder_.SortTags)
        builder_.handOver(std::make_unique<TQsort>(builder_));
}

} // namespace kavrel::library
