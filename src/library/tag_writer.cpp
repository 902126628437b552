#include "library/tag_writer.h"

#include <algorithm>

#include "library/artist_line.h"
#include "library/library_files.h"
#include "library/staged_library.h"
#include "library/tag_and_lib.h"

namespace kavrel::library {

namespace {

constexpr std::size_t kLinesPerReport = 256;
constexpr std::string_view kLineEnd = "\r\n";

void appendLine(std::string& text, std::string_view line) {
    text.append(line).append(kLineEnd);
}

} // namespace

void TTagWriter::Execute() {
    auto& progress = builder_.progress();
    auto& gate = builder_.gate();
    progress.stageRunning(BuildStage::SavingTagsToLibrary);
    const auto& songLines = builder_.SongLines;
    const auto& paths = builder_.FileList;
    const int count = static_cast<int>(songLines.size());
    progress.progressRange(3 * (count - 1));

    StagedLibrary library(builder_.LibraryPath);
    std::string artistList;
    std::string artistFile;
    std::string_view previousArtist;
    int artistNumber = 0;
    for (std::size_t i = 0; i < songLines.size(); ++i) {
        const std::string_view artist = songLineArtist(songLines[i]);
        if (artist != previousArtist && !builder_.collator().equal(artist, previousArtist)) {
            if (!gate.pass())
                return;
            if (artistNumber > 0)
                library.writeFile(artistFileName(artistNumber), artistFile);
            artistFile.clear();
            ++artistNumber;
            appendLine(artistList, joinArtistLine(artist, artistFileName(artistNumber)));
            previousArtist = artist;
        }
        appendLine(artistFile, songLines[i]);
        if (i % kLinesPerReport == 0)
            progress.progressPosition(static_cast<int>(i));
    }
    library.writeFile(artistFileName(std::max(artistNumber, 1)), artistFile);
    library.writeFile(kArtistListFile, artistList);

    std::string allSongs;
    for (const auto& line : songLines)
        appendLine(allSongs, line);
    progress.progressPosition(2 * count - 2);
    library.writeFile(kAllSongsFile, allSongs);

    std::string pathList;
    for (const auto& path : paths)
        appendLine(pathList, path);
    library.writeFile(kPathListFile, pathList);
    if (!gate.pass())
        return;
    library.install();
    progress.progressPosition(3 * (count - 1));

    progress.stageDone(BuildStage::SavingTagsToLibrary);
    progress.stageDone(BuildStage::UpdatingLibrary);
    progress.librarySaved();
}

} // namespace kavrel::library
