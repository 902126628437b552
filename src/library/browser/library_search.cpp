// The incremental search of the library panels.
#include <optional>

#include "library/browser/album_builder.h"
#include "library/browser/library_browser.h"
#include "library/song_line.h"
#include "platform/text/letters.h"
#include "platform/text/utf8.h"

namespace kavrel::library::browser {

namespace {

enum class Scope {
    Artist,
    AlbumInAllLibrary,
    AlbumInActiveArtist,
    SongInAllLibrary,
    SongInActiveArtist,
    SongInActiveAlbum
};

std::optional<Scope> checkedScope(const core::TConfRecord& conf) {
    if (conf.mArtist)
        return Scope::Artist;
    if (conf.mAlbomInAllLibrary)
        return Scope::AlbumInAllLibrary;
    if (conf.mAlbomInActivArtist)
        return Scope::AlbumInActiveArtist;
    if (conf.mSongInAllLibrary)
        return Scope::SongInAllLibrary;
    if (conf.mSongInActivArtist)
        return Scope::SongInActiveArtist;
    if (conf.mSongInActiveAlbum)
        return Scope::SongInActiveAlbum;
    return std::nullopt;
}

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

} // namespace

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
