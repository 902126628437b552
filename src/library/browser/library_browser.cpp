#include "library/browser/library_browser.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "library/browser/album_builder.h"
#include "library/browser/exchange_sort.h"
#include "library/library_files.h"
#include "library/library_paths.h"
#include "library/song_line.h"
#include "platform/text/letters.h"
#include "platform/text/numbers.h"
#include "platform/text/utf8.h"

namespace kavrel::library::browser {

namespace {

// The selector picture's strips from the left, and its states 1..3.
constexpr std::array<std::string_view, 3> kStripLibraries = {"LB1", "LBCD", "LB2"};

std::size_t index(Panel panel) {
    return static_cast<std::size_t>(panel) - 1;
}

std::vector<std::string> columnOf(const TrackTable& table, std::size_t column) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(table.Count()));
    for (int row = 1; row <= table.Count(); ++row)
        texts.push_back(table[row][column]);
    return texts;
}

} // namespace

playlist::AddMode addModeOf(const core::TListOptions& options) {
    if (options.OnDb_E_P)
        return playlist::AddMode::EndAndPlay;
    if (options.OnDb_A_P)
        return playlist::AddMode::AfterPlayingAndPlay;
    if (options.OnDb_A)
        return playlist::AddMode::AfterPlaying;
    return playlist::AddMode::End;
}

LibraryBrowser::LibraryBrowser(core::TConfRecord& conf, fs::ProgramFolder programFolder, BrowserView& view,
                               CdLibraryBuilds& cdBuilds, playlist::SongSink& playlist,
                               text::LocaleCollator collator)
    : conf_(conf), programFolder_(std::move(programFolder)), view_(view), cdBuilds_(cdBuilds),
      playlist_(playlist), collator_(std::move(collator)) {}

std::span<const TrackRow> LibraryBrowser::rowsOf(const TrackTable& table) {
    if (table.Count() == 0)
        return {};
    return {&table[1], static_cast<std::size_t>(table.Count())};
}

std::filesystem::path LibraryBrowser::activeLibraryFolder() const {
    return libraryFolder(programFolder_, checkedLibraryName(conf_.ActiveLibrary.text));
}

const core::TListOptions& LibraryBrowser::options(Panel panel) const {
    switch (panel) {
    case Panel::Left:
        return conf_.Left;
    case Panel::Right:
        return conf_.Right;
    case Panel::Albums:
        return conf_.Albom;
    case Panel::Songs:
        break;
    }
    return conf_.Song;
}

Panel LibraryBrowser::russianPanel() const {
    return conf_.Art_Pnl_Orientation == 0 ? Panel::Left : Panel::Right;
}
Panel LibraryBrowser::englishPanel() const {
    return conf_.Art_Pnl_Orientation == 0 ? Panel::Right : Panel::Left;
}

std::string LibraryBrowser::nameOfItem(Panel panel, int item) const {
    if (item < 0 || item >= itemCount(panel))
        return {};
    std::string name = (*items_[index(panel)])[static_cast<std::size_t>(item)];
    if (options(panel).Indexin) {
        // The number, its "." and the blank after it.
        const auto dot = name.find('.');
        name = dot == std::string::npos ? name : name.substr(std::min(name.size(), dot + 2));
    }
    return name;
}

int LibraryBrowser::itemCount(Panel panel) const {
    const auto& items = items_[index(panel)];
    return items ? static_cast<int>(items->size()) : 0;
}

int LibraryBrowser::scrollerRange(Panel panel) const {
    return std::max(itemCount(panel) - view_.visibleItems(panel) + 1, 0);
}

void LibraryBrowser::showItems(Panel panel, std::vector<std::string> names, bool numbered) {
    if (numbered)
        for (std::size_t i = 0; i < names.size(); ++i)
            names[i] = std::to_string(i + 1) + ". " + names[i];
    auto& items = items_[index(panel)];
    items = std::make_shared<const std::vector<std::string>>(std::move(names));
    view_.setItems(panel, items);
    view_.setScroller(panel, 0, scrollerRange(panel));
}

void LibraryBrowser::clearPanel(Panel panel) {
    showItems(panel, {}, false);
}

void LibraryBrowser::readArtistList() {
    clearPanel(Panel::Left);
    clearPanel(Panel::Right);
    // A library without an artist list has no artists: keeping the previous library's rows would let the
    // search show artists that are not there.
    if (!library::readArtistList(activeLibraryFolder(), artists_))
        artists_.clear();
    // The selector shows the library the panels show, from the start on.
    const auto shown = std::find(kStripLibraries.begin(), kStripLibraries.end(),
                                 checkedLibraryName(conf_.ActiveLibrary.text));
    if (shown != kStripLibraries.end())
        view_.setSelectorState(static_cast<int>(shown - kStripLibraries.begin()) + 1);
    switchLayout();
}

void LibraryBrowser::fillArtistPanels() {
    allSongs_.invalidate();
    if (!separateLayout()) {
        showItems(Panel::Left, columnOf(artists_, kArtistNameColumn), conf_.Left.Indexin);
        clearPanel(Panel::Right);
        return;
    }
    std::vector<std::string> russian;
    std::vector<std::string> english;
    for (int row = 1; row <= artists_.Count(); ++row) {
        const std::string& name = artists_[row][kArtistNameColumn];
        (text::firstLetterClass(name) == text::LetterClass::Cyrillic ? russian : english).push_back(name);
    }
    showItems(russianPanel(), std::move(russian), options(russianPanel()).Indexin);
    showItems(englishPanel(), std::move(english), options(englishPanel()).Indexin);
}

void LibraryBrowser::switchLayout() {
    const auto picture = [&](std::string_view name) {
        return programFolder_.resolve(std::string("/Pictures/art_alb_song_pls/") + std::string(name));
    };
    ArtistLayout layout;
    layout.separate = separateLayout();
    layout.russianLeft = conf_.Art_Pnl_Orientation == 0;
    if (layout.separate) {
        const bool russianLeft = layout.russianLeft;
        layout.leftHeader = picture(russianLeft ? "rus_art.jpg" : "eng_art.jpg");
        layout.rightHeader = picture(russianLeft ? "eng_art.jpg" : "rus_art.jpg");
    } else {
        layout.leftHeader = picture("art.jpg");
    }
    view_.showLayout(layout);
    fillArtistPanels();
}

void LibraryBrowser::selectArtistItem(Panel panel, int item) {
    view_.setScroller(panel, view_.topItem(panel), scrollerRange(panel));
    view_.setSelectedItem(panel == Panel::Left ? Panel::Right : Panel::Left, -1);
    selectArtist(nameOfItem(panel, item));
}

void LibraryBrowser::artistKey(Panel panel, int selectedItem, ArrowKey key, bool ctrlOrAlt) {
    if (ctrlOrAlt) {
        view_.setSelectedItem(panel, -1);
        return;
    }
    const int item = selectedItem + (key == ArrowKey::Up ? -1 : 1);
    if (item < 0 || item >= itemCount(panel))
        return;
    view_.setSelectedItem(panel, item);
    selectArtistItem(panel, item);
}

const TrackTable& LibraryBrowser::songs() const {
    if (pendingSongs_) {
        songs_.clear();
        for (int row = 1; row <= pendingSongs_->Count(); ++row)
            songs_.append() = (*pendingSongs_)[row];
        pendingSongs_.reset();
    }
    return songs_;
}

void LibraryBrowser::selectArtist(const std::string& name) {
    activeArtist_ = name;
    activeAlbum_.clear();
    albumSongs_.clear();
    pendingSongs_.reset();
    songs_.clear();
    if (const std::string file = findArtistFile(artists_, name); !file.empty())
        readSongFile(libraryFile(activeLibraryFolder(), file), songs_);
    exchangeSort(songs_, byColumnText(kTitleColumn));
    albums_ = buildAlbums(songs_, collator_);
    showAlbumsAndSongs();
}

void LibraryBrowser::showAlbumsAndSongs() {
    orderAlbums();
    showAlbums();
    showSongs(SongPanelSource::Songs, conf_.Song.Indexin);
}

void LibraryBrowser::orderAlbums() {
    exchangeSort(albums_, byColumnText(conf_.mByAz ? kAlbumNameColumn : kAlbumYearColumn));
}

void LibraryBrowser::showAlbums() {
    showItems(Panel::Albums, columnOf(albums_, kAlbumNameColumn), conf_.Albom.Indexin);
}

void LibraryBrowser::showSongs(SongPanelSource source, bool numbered) {
    songSource_ = source;
    songsNumbered_ = numbered;
    std::vector<std::string> titles;
    const int count = songPanelCount();
    titles.reserve(static_cast<std::size_t>(count));
    for (int row = 1; row <= count; ++row)
        titles.push_back(songPanelRow(row)[kTitleColumn]);
    showItems(Panel::Songs, std::move(titles), numbered);
}

int LibraryBrowser::songPanelCount() const {
    switch (songSource_) {
    case SongPanelSource::AlbumSongs:
        return albumSongs_.Count();
    case SongPanelSource::Found:
        return foundSongs_.Count();
    case SongPanelSource::Songs:
        break;
    }
    return pendingSongs_ ? pendingSongs_->Count() : songs_.Count();
}

const TrackRow& LibraryBrowser::songPanelRow(int row) const {
    switch (songSource_) {
    case SongPanelSource::AlbumSongs:
        return albumSongs_[row];
    case SongPanelSource::Found:
        return foundSongs_[row];
    case SongPanelSource::Songs:
        break;
    }
    return pendingSongs_ ? (*pendingSongs_)[row] : songs_[row];
}

TrackTable LibraryBrowser::songPanelRows() const {
    TrackTable rows;
    for (int row = 1; row <= songPanelCount(); ++row)
        rows.append() = songPanelRow(row);
    return rows;
}

void LibraryBrowser::selectAlbumItem(int item, SelectedBy by) {
    selectAlbum(nameOfItem(Panel::Albums, item), by);
}

void LibraryBrowser::albumKey(int selectedItem, ArrowKey key, bool ctrlOrAlt) {
    if (ctrlOrAlt) {
        view_.setSelectedItem(Panel::Albums, -1);
        return;
    }
    const int item = selectedItem + (key == ArrowKey::Up ? -1 : 1);
    if (item < 0 || item >= itemCount(Panel::Albums))
        return;
    view_.setSelectedItem(Panel::Albums, item);
    selectAlbumItem(item, SelectedBy::Keys);
}

void LibraryBrowser::selectAlbum(const std::string& name, SelectedBy by) {
    activeAlbum_ = name;
    albumSongs_.clear();
    // The same comparison that grouped the albums, so every song of a listed album is reachable.
    const TrackTable& artistRows = songs();
    for (int row = 1; row <= artistRows.Count(); ++row)
        if (collator_.equal(artistRows[row][kAlbumColumn], name))
            albumSongs_.append() = artistRows[row];
    if (!conf_.mByNomSong)
        exchangeSort(albumSongs_, byColumnText(kTitleColumn));
    else
        exchangeSort(albumSongs_,
                     by == SelectedBy::Mouse ? byColumnNumber(kTrackColumn) : byColumnText(kTrackColumn));
    showSongs(SongPanelSource::AlbumSongs, conf_.Song.Indexin);
}

void LibraryBrowser::orderAlbumsByYear(bool byYear) {
    if (byYear ? conf_.mByyear : conf_.mByAz)
        return;
    conf_.mByyear = byYear;
    conf_.mByAz = !byYear;
    if (albums_.Count() == 0)
        return;
    orderAlbums();
    showAlbums();
}

void LibraryBrowser::orderSongsByNumber(bool byNumber) {
    if (byNumber ? conf_.mByNomSong : conf_.mByAZsong)
        return;
    conf_.mByNomSong = byNumber;
    conf_.mByAZsong = !byNumber;
    const RowKey key = byNumber ? byColumnNumber(kTrackColumn) : byColumnText(kTitleColumn);
    switch (songSource_) {
    case SongPanelSource::AlbumSongs:
        exchangeSort(albumSongs_, key);
        break;
    case SongPanelSource::Found:
        foundSongs_.sort(key);
        break;
    case SongPanelSource::Songs:
        songs();
        exchangeSort(songs_, key);
        break;
    }
    showSongs(songSource_, songsNumbered_);
}

void LibraryBrowser::sendToPlaylist(Panel panel, int item) {
    const auto mode = addModeOf(options(panel));
    switch (panel) {
    case Panel::Left:
    case Panel::Right:
        playlist_.AddRows(rowsOf(songs()), mode);
        return;
    case Panel::Albums:
        playlist_.AddRows(rowsOf(albumSongs_), mode);
        return;
    case Panel::Songs:
        break;
    }
    if (item >= 0 && item < songPanelCount())
        playlist_.AddRows(std::span(&songPanelRow(item + 1), 1), mode);
}

void LibraryBrowser::switchLibrary(int x, int width) {
    if (width <= 0 || x < 0 || x >= width)
        return;
    const int strip = x * 3 / width; // 0, 1, 2: LB1, LBCD, LB2
    conf_.ActiveLibrary.text = std::string(kStripLibraries[static_cast<std::size_t>(strip)]);
    view_.setSelectorState(strip + 1);
    if (strip != 1) {
        readArtistList();
        return;
    }
    if (cdBuilds_.buildRunning()) {
        cdBuilds_.queueCdBuild();
        return;
    }
    clearPanel(Panel::Left);
    clearPanel(Panel::Right);
    cdBuilds_.startCdBuild();
}

void LibraryBrowser::hoverSong(int item) {
    const int row = item >= 0 && item < songPanelCount() ? item + 1 : -1;
    if (row == hintedRow_)
        return;
    hintedRow_ = row;
    if (row < 0) {
        view_.setSongHint({});
        return;
    }
    const TrackRow& song = songPanelRow(row);
    view_.setSongHint(song[kArtistColumn] + " - " + song[kAlbumColumn] + " - " + song[kTitleColumn] + " - " +
                      text::formatDuration(std::string_view(song[kDurationColumn])) + " - " +
                      song[kBitRateColumn] + " kbps");
}

std::string LibraryBrowser::hintedSongFile() const {
    return hintedRow_ >= 1 && hintedRow_ <= songPanelCount() ? songPanelRow(hintedRow_)[kPathColumn]
                                                             : std::string();
}

std::vector<TrackRow> LibraryBrowser::allSongs() const {
    TrackTable all;
    readSongFile(libraryFile(activeLibraryFolder(), kAllSongsFile), all);
    const auto rows = rowsOf(all);
    return {rows.begin(), rows.end()};
}

} // namespace kavrel::library::browser
