#pragma once
// The library panels' logic: the artist panels, the albums and songs of the selected artist, their
// orders, sending songs to the playlist, switching library and layout, and the incremental search.
// Main thread.
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/conf_record.h"
#include "library/browser/all_songs_cache.h"
#include "library/browser/browser_view.h"
#include "library/browser/found_songs.h"
#include "library/browser/row_filter.h"
#include "library/library_tables.h"
#include "platform/fs/program_folder.h"
#include "platform/text/collation.h"
#include "playlist/library_source.h"
#include "playlist/song_sink.h"

namespace kavrel::library::browser {

enum class ArrowKey { Up, Down };
// How the song panel's rows were ordered: a mouse click compares track numbers, the arrow keys their text.
enum class SelectedBy { Mouse, Keys };
// The search menu's scope (mArtist .. mSongInActiveAlbum, one checked) and match (mStartAt, mConsistof).
enum class SearchScope {
    Artist,
    AlbumInAllLibrary,
    AlbumInActiveArtist,
    SongInAllLibrary,
    SongInActiveArtist,
    SongInActiveAlbum
};

// A list's add mode, from its options' double-click choice: where sent songs go and whether they play.
playlist::AddMode addModeOf(const core::TListOptions& options);

class LibraryBrowser : public playlist::LibrarySource {
public:
    // Songs sent to the playlist go to `playlist`.
    LibraryBrowser(core::TConfRecord& conf, fs::ProgramFolder programFolder, BrowserView& view,
                   CdLibraryBuilds& cdBuilds, playlist::SongSink& playlist, text::LocaleCollator collator);

    // Reads the active library's artist list and fills the artist panels.
    void readArtistList();
    void fillArtistPanels();

    void selectArtistItem(Panel panel, int item);
    void artistKey(Panel panel, int selectedItem, ArrowKey key, bool ctrlOrAlt);
    void selectArtist(const std::string& name);
    void selectAlbumItem(int item, SelectedBy by);
    void albumKey(int selectedItem, ArrowKey key, bool ctrlOrAlt);
    void selectAlbum(const std::string& name, SelectedBy by);

    // The "AlbSort" and "SortSong" menus; a click on the checked item does nothing.
    void orderAlbumsByYear(bool byYear);
    void orderSongsByNumber(bool byNumber);

    void sendToPlaylist(Panel panel, int item);
    // A click at x on the selector picture of the given width.
    void switchLibrary(int x, int width);
    void switchLayout();
    // The pointer over the song panel's 0-based item (-1 past the last); the row kept for "Show File
    // Location" is 1-based, -1 for none.
    void hoverSong(int item);
    int hintedSongRow() const { return hintedRow_; }
    // The file of the hinted song, for "Show File Location"; empty when no song is hinted.
    std::string hintedSongFile() const;

    // The text of the search line changed.
    void searchTextChanged(const std::string& text);
    // The search menu: the settings keep the choice; the next keystroke searches by it.
    void setSearchScope(SearchScope scope);
    void setMatchMode(MatchMode mode);

    // LibrarySource
    bool artistSelected() const override { return !activeArtist_.empty(); }
    std::span<const TrackRow> artistSongs() const override { return rowsOf(songs()); }
    std::span<const TrackRow> albumSongs() const override { return rowsOf(albumSongs_); }
    std::vector<TrackRow> allSongs() const override;
    // What the song panel shows, search matches included.
    const TrackRow* songListRow(std::int32_t row) const override {
        return row >= 1 && row <= songPanelCount() ? &songPanelRow(row) : nullptr;
    }

    const TrackTable& artists() const { return artists_; }
    // The selected artist's songs, or what a search put in their place.
    const TrackTable& songs() const;
    const TrackTable& albums() const { return albums_; }
    const TrackTable& albumSongTable() const { return albumSongs_; }
    // The rows the song panel shows, in its order.
    TrackTable songPanelRows() const;
    const std::string& activeArtist() const { return activeArtist_; }
    const std::string& activeAlbum() const { return activeAlbum_; }

private:
    enum class SongPanelSource { Songs, AlbumSongs, Found };

    static std::span<const TrackRow> rowsOf(const TrackTable& table);
    int songPanelCount() const;
    // 1-based.
    const TrackRow& songPanelRow(int row) const;
    std::filesystem::path activeLibraryFolder() const;
    const core::TListOptions& options(Panel panel) const;
    Panel russianPanel() const;
    Panel englishPanel() const;
    bool separateLayout() const { return conf_.Art_Pnl_Distribution == 0; }
    std::string nameOfItem(Panel panel, int item) const;
    int itemCount(Panel panel) const;
    // The panel's scroller maximum: item count - visible items + 1, never below 0.
    int scrollerRange(Panel panel) const;

    void showItems(Panel panel, std::vector<std::string> names, bool numbered);
    void clearPanel(Panel panel);
    void orderAlbums();
    void showAlbums();
    void showSongs(SongPanelSource source, bool numbered);
    void showAlbumsAndSongs();

    void searchArtists(const std::string& text, MatchMode mode);
    void searchAlbums(const std::string& text, MatchMode mode, bool allLibrary);
    void searchSongs(const std::string& text, MatchMode mode, bool allLibrary);
    void searchSongsInAlbum(const std::string& text, MatchMode mode);

    core::TConfRecord& conf_;
    fs::ProgramFolder programFolder_;
    BrowserView& view_;
    CdLibraryBuilds& cdBuilds_;
    playlist::SongSink& playlist_;
    text::LocaleCollator collator_;

    TrackTable artists_;
    // A search over the whole library replaces the songs with its matches; they are copied out of the
    // all-songs table only when something needs them as a table, not at every keystroke.
    mutable TrackTable songs_;
    mutable std::optional<FoundSongs> pendingSongs_;
    TrackTable albums_;
    TrackTable albumSongs_;
    FoundSongs foundSongs_; // the song scopes' matches, apart from the artist's songs
    SongPanelSource songSource_ = SongPanelSource::Songs;
    bool songsNumbered_ = false; // the searches number their matches whatever the option says
    std::string activeArtist_;
    std::string activeAlbum_;
    std::array<PanelItems, 4> items_;
    AllSongsCache allSongs_;
    int hintedRow_ = -1;
};

} // namespace kavrel::library::browser
