#include "playlist/shuffle.h"

#include "platform/text/letters.h"
#include "platform/text/utf8.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>

namespace kavrel::playlist {

namespace {

bool hasLetterOf(std::string_view text, LibraryPart part) {
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t c = text::nextCodePoint(text, pos);
        if (part == LibraryPart::Russian ? text::isCyrillicLetter(c) : text::isLatinLetter(c))
            return true;
    }
    return false;
}

std::vector<TrackRow> copyOf(std::span<const TrackRow> rows) {
    return {rows.begin(), rows.end()};
}

double clampedShare(double share) {
    return std::isnan(share) ? 0.0 : std::clamp(share, 0.0, 1.0);
}

// The menu's check marks in ShuffleSource order.
constexpr std::array<bool core::TConfRecord::*, 9> kSourceChecks = {
    &core::TConfRecord::mShuffLib,    &core::TConfRecord::mShuffRus,    &core::TConfRecord::mShuffEng,
    &core::TConfRecord::mShuffActArt, &core::TConfRecord::mShuffActAlb, &core::TConfRecord::mShuffLib100,
    &core::TConfRecord::mShuffRus100, &core::TConfRecord::mShuffEng100, &core::TConfRecord::mShuffPlist};

} // namespace

std::vector<TrackRow> selectLibrarySongs(std::vector<TrackRow> songs, LibraryPart part) {
    if (part == LibraryPart::All)
        return songs;
    std::erase_if(songs,
                  [part](const TrackRow& row) { return !hasLetterOf(row[library::kArtistColumn], part); });
    return songs;
}

std::int32_t shuffleCount(std::size_t n, double share) {
    // The margin keeps 10 x 0.3 at 3 although the product is a hair above it in binary.
    const double count = std::ceil(static_cast<double>(n) * clampedShare(share) - 1e-9);
    return static_cast<std::int32_t>(std::clamp(count, 0.0, static_cast<double>(n)));
}

std::string shareCaption(const std::string& caption, const std::string& percentText) {
    const auto bracket = caption.find(" (");
    const std::string base = bracket == std::string::npos ? caption : caption.substr(0, bracket);
    return base + " (" + percentText + "%)";
}

Shuffler::Shuffler(PlaybackControl& control, const LibrarySource& library)
    : control_(control), library_(library),
      random_(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {}

ShuffleSource Shuffler::CheckedSource() const {
    const core::TConfRecord& settings = control_.state().settings;
    for (std::size_t i = 0; i < kSourceChecks.size(); ++i)
        if (settings.*kSourceChecks[i])
            return static_cast<ShuffleSource>(i);
    return ShuffleSource::Library100;
}

void Shuffler::SelectSource(ShuffleSource source) {
    core::TConfRecord& settings = control_.state().settings;
    for (std::size_t i = 0; i < kSourceChecks.size(); ++i)
        settings.*kSourceChecks[i] = i == static_cast<std::size_t>(source);
}

void Shuffler::ShuffleClick() {
    Shuffle(CheckedSource(), core::shuffleShares(control_.state().settings));
}

void Shuffler::Shuffle(ShuffleSource source, const core::ShuffleShares& shares) {
    TMasPLayList& list = control_.state().list();
    if (!list.Empty()) {
        list.UndoKindValue = kUndoPlayback;
        control_.SaveUndoCopy();
        control_.ResetPosition();
    }
    switch (source) {
    case ShuffleSource::Library:
        return libraryShuffle(LibraryPart::All, shares.library);
    case ShuffleSource::RussianArtists:
        return libraryShuffle(LibraryPart::Russian, shares.russianArtists);
    case ShuffleSource::EnglishArtists:
        return libraryShuffle(LibraryPart::English, shares.englishArtists);
    case ShuffleSource::ActiveArtist:
        if (library_.artistSelected())
            pickShare(copyOf(library_.artistSongs()), shares.activeArtist);
        return;
    case ShuffleSource::ActiveAlbum:
        return pickShare(copyOf(library_.albumSongs()), shares.activeAlbum);
    case ShuffleSource::Library100:
        return libraryShuffle(LibraryPart::All, 1.0);
    case ShuffleSource::RussianArtists100:
        return libraryShuffle(LibraryPart::Russian, 1.0);
    case ShuffleSource::EnglishArtists100:
        return libraryShuffle(LibraryPart::English, 1.0);
    case ShuffleSource::PlayList: {
        // The list is both the source and the target.
        std::vector<TrackRow> rows(list.Rows.begin() + 1, list.Rows.end());
        const auto count = static_cast<std::int32_t>(rows.size());
        return RandomPick(std::move(rows), count);
    }
    }
}

void Shuffler::libraryShuffle(LibraryPart part, double share) {
    pickShare(selectLibrarySongs(library_.allSongs(), part), share);
}

void Shuffler::pickShare(std::vector<TrackRow> source, double share) {
    const std::int32_t k = shuffleCount(source.size(), share);
    RandomPick(std::move(source), k);
}

void Shuffler::RandomPick(std::vector<TrackRow> source, std::int32_t k) {
    const auto n = static_cast<std::int32_t>(source.size());
    k = std::min(k, n);
    if (k <= 0)
        return;
    control_.SetQuickPlayChecked(false);
    // A partial Fisher-Yates shuffle: the same uniform draw of k distinct rows in order as drawing again
    // on repeats, in time linear in n; the rows are moved, never copied.
    std::vector<TrackRow> rows(1);
    rows.reserve(static_cast<std::size_t>(k) + 1);
    for (std::int32_t j = 0; j < k; ++j) {
        std::uniform_int_distribution<std::int32_t> pick(j, n - 1);
        std::swap(source[static_cast<std::size_t>(j)], source[static_cast<std::size_t>(pick(random_))]);
        rows.push_back(std::move(source[static_cast<std::size_t>(j)]));
    }
    TMasPLayList& list = control_.state().list();
    list.Rows = std::move(rows);
    list.PreviousIndex = 0;
    list.CurrentIndex = 1;
    refreshTimes(list);
    control_.ResetPosition();
    control_.display().view().markPlayingRow(0, {});
    control_.display().showAllRows(list);
    control_.PlayCurrent(false);
    control_.display().view().setScrollerPosition(0);
}

} // namespace kavrel::playlist
