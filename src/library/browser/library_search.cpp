// The incremental search of the library panels.
#include <array>
#include <optional>

#include "library/browser/album_builder.h"
#include "library/browser/library_browser.h"
#include "library/song_line.h"
#include "platform/text/letters.h"
#include "platform/text/utf8.h"

namespace kavrel::library::browser {

namespace {

using Scope = SearchScope;

// The scope's check mark in SearchScope order; "Album" and "Song" are the group headings above them.
constexpr std::array<bool core::TConfRecord::*, 6> kScopeChecks = {&core::TConfRecord::mArtist,
                                                                   &core::TConfRecord::mAlbomInAllLibrary,
                                                                   &core::TConfRecord::mAlbomInActivArtist,
                                                                   &core::TConfRecord::mSongInAllLibrary,
                                                                   &core::TConfRecord::mSongInActivArtist,
                                                                   &core::TConfRecord::mSongInActiveAlbum};

std::optional<Scope> checkedScope(const core::TConfRecord& conf) {
    for (std::size_t i = 0; i < kScopeChecks.size(); ++i)
        if (conf.*kScopeChecks[i])
            return static_cast<Scope>(i);
    return std::nullopt;
}

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

} // namespace

void LibraryBrowser::setSearchScope(SearchScope scope) {
    for (std::size_t i = 0; i < kScopeChecks.size(); ++i)
        conf_.*kScopeChecks[i] = i == static_cast<std::size_t>(scope);
    conf_.mAlbum = scope == Scope::AlbumInAllLibrary || scope == Scope::AlbumInActiveArtist;
    conf_.mSong = scope == Scope::SongInAllLibrary || scope == Scope::SongInActiveArtist ||
                  scope == Scope::SongInActiveAlbum;
}

void LibraryBrowser::setMatchMode(MatchMode mode) {
    conf_.mStartAt = mode == MatchMode::StartAt;
    conf_.mConsistof = mode == MatchMode::ConsistOf;
}

void LibraryBrowser::searchTextChanged(const std::string& text) {
    // Such text is a command for the command box.
    if (text.starts_with('/') || text.starts_with('\\'))
        return;
    const auto scope = checkedScope(conf_);
    if (!scope)
        return;
    const MatchMode mode = conf_.mStartAt ? MatchMode::StartAt : MatchMode::ConsistOf;
    switch (*scope) {
    case Scope::Artist:
        searchArtists(text, mode);
        return;
    case Scope::AlbumInAllLibrary:
        searchAlbums(text, mode, true);
        return;
    case Scope::AlbumInActiveArtist:
        searchAlbums(text, mode, false);
        return;
    case Scope::SongInAllLibrary:
        searchSongs(text, mode, true);
        return;
    case Scope::SongInActiveArtist:
        searchSongs(text, mode, false);
        return;
    case Scope::SongInActiveAlbum:
        searchSongsInAlbum(text, mode);
        return;
    }
}

void LibraryBrowser::searchArtists(const std::string& text, MatchMode mode) {
    if (text.empty()) {
        fillArtistPanels();
        return;
    }
    Panel panel = Panel::Left;
    if (separateLayout()) {
        std::size_t pos = 0;
        const char32_t first = text::nextCodePoint(text, pos);
        if ((first >= 0x41 && first <= 0x7A) || isDigit(first))
            panel = englishPanel();
        else if (text::isCyrillicLetter(first))
            panel = russianPanel();
        else
            return;
    }
    std::vector<std::string> names;
    for (const int row : filterRows(artists_, kArtistNameColumn, text, mode))
        names.push_back(artists_[row][kArtistNameColumn]);
    showItems(panel, std::move(names), options(panel).Indexin);
}

void LibraryBrowser::searchAlbums(const std::string& text, MatchMode mode, bool allLibrary) {
    if (allLibrary) {
        const auto folder = activeLibraryFolder();
        std::vector<int> rows = allSongs_.filter(folder, kAlbumColumn, text, mode);
        albums_ = buildAlbums(
            static_cast<int>(rows.size()),
            [&](int song) -> const TrackRow& {
                return (*allSongs_.songs(folder))[rows[static_cast<std::size_t>(song - 1)]];
            },
            [&](int song) -> std::string_view {
                return allSongs_.albumKey(rows[static_cast<std::size_t>(song - 1)], collator_);
            });
        songs_.clear();
        pendingSongs_ = FoundSongs(allSongs_.songs(folder), std::move(rows));
    } else {
        const TrackTable& artistRows = songs();
        songs_ = pickRows(artistRows, filterRows(artistRows, kAlbumColumn, text, mode));
        albums_ = buildAlbums(songs_, collator_);
    }
    albumSongs_.clear();
    showAlbumsAndSongs();
}

void LibraryBrowser::searchSongs(const std::string& text, MatchMode mode, bool allLibrary) {
    if (allLibrary) {
        const auto folder = activeLibraryFolder();
        foundSongs_ = FoundSongs(allSongs_.songs(folder), allSongs_.filter(folder, kTitleColumn, text, mode));
        albumSongs_.clear();
        clearPanel(Panel::Albums);
        view_.setScroller(Panel::Albums, 0, 0);
    } else {
        const TrackTable& artistRows = songs();
        foundSongs_ = FoundSongs(std::make_shared<TrackTable>(artistRows),
                                 filterRows(artistRows, kTitleColumn, text, mode));
    }
    showSongs(SongPanelSource::Found, true);
}

void LibraryBrowser::searchSongsInAlbum(const std::string& text, MatchMode mode) {
    const TrackTable& artistRows = songs();
    auto titles = std::make_shared<TrackTable>(
        text.empty() ? artistRows : pickRows(artistRows, filterRows(artistRows, kTitleColumn, text, mode)));
    std::vector<int> rows = filterRows(*titles, kAlbumColumn, activeAlbum_, mode);
    foundSongs_ = FoundSongs(std::move(titles), std::move(rows));
    showSongs(SongPanelSource::Found, true);
}

} // namespace kavrel::library::browser
