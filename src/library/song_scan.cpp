#include "library/song_scan.h"

#include <algorithm>

#include "platform/text/collation.h"
#include "platform/text/numbers.h"
#include "platform/text/utf8.h"

namespace kavrel::library {

namespace {

std::string wholeMilliseconds(double seconds) {
    return std::to_string(text::roundHalfEven(seconds * 1000.0));
}

bool isYear(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void fillAudioColumns(SongColumns& columns, std::int64_t bitRate, double duration, std::int64_t sampleRate,
                      std::string channelMode) {
    columns[kBitRateColumn] = std::to_string(bitRate);
    columns[kDurationColumn] = wholeMilliseconds(duration);
    columns[kSampleRateColumn] = std::to_string(sampleRate);
    columns[kChannelModeColumn] = std::move(channelMode);
}

} // namespace

std::optional<SongKind> songKindOf(const std::filesystem::path& path) {
    const std::string extension = text::toLowerCase(path.extension().string());
    if (extension == ".mp3")
        return SongKind::Mpeg;
    if (extension == ".ogg")
        return SongKind::OggVorbis;
    if (extension == ".wma")
        return SongKind::Wma;
    return std::nullopt;
}

void fillMpegColumns(SongColumns& columns, const SongReaders& readers, bool id3v1Read, bool id3v2Read,
                     bool mpegRead) {
    const auto& v1 = readers.id3v1;
    const auto& v2 = readers.id3v2;
    if (id3v1Read && v1.Exists()) {
        columns[kArtistColumn] = v1.Artist();
        columns[kAlbumColumn] = v1.Album();
        columns[kTitleColumn] = v1.Title();
        columns[kYearColumn] = v1.Year();
        columns[kTrackColumn] = std::to_string(v1.Track());
    }
    if (id3v2Read && v2.Exists()) {
        auto prefer = [&](SongColumn column, const std::string& value) {
            if (!value.empty())
                columns[column] = value;
        };
        prefer(kArtistColumn, v2.Artist());
        prefer(kAlbumColumn, v2.Album());
        prefer(kTitleColumn, v2.Title());
        prefer(kYearColumn, v2.Year());
        columns[kGenreColumn] = v2.Genre();
        // A tag without a track frame says nothing about the track; the ID3v1.1 number stays.
        if (v2.Track() != 0)
            columns[kTrackColumn] = std::to_string(v2.Track());
    }
    const auto& mpeg = readers.mpeg;
    if (mpegRead && mpeg.Valid())
        fillAudioColumns(columns, mpeg.BitRate(), mpeg.Duration(), mpeg.SampleRate(), mpeg.ChannelMode());
}

void fillOggColumns(SongColumns& columns, const metadata::TOggVorbis& ogg) {
    if (!ogg.Valid())
        return;
    columns[kArtistColumn] = ogg.Artist();
    columns[kAlbumColumn] = ogg.Album();
    columns[kTitleColumn] = ogg.Title();
    columns[kYearColumn] = ogg.Date();
    columns[kGenreColumn] = ogg.Genre();
    columns[kTrackColumn] = std::to_string(ogg.Track());
    fillAudioColumns(columns, ogg.BitRate(), ogg.Duration(), ogg.SampleRate(), ogg.ChannelMode());
}

void fillWmaColumns(SongColumns& columns, const metadata::TWMAfile& wma) {
    if (!wma.Valid())
        return;
    columns[kArtistColumn] = wma.Artist();
    columns[kAlbumColumn] = wma.Album();
    columns[kTitleColumn] = wma.Title();
    columns[kYearColumn] = wma.Year();
    columns[kGenreColumn] = wma.Genre();
    columns[kTrackColumn] = std::to_string(wma.Track());
    fillAudioColumns(columns, wma.BitRate(), wma.Duration(), wma.SampleRate(), wma.ChannelMode());
}

void normaliseSongColumns(SongColumns& columns) {
    // A year holding a zero byte is not a year; look before zero bytes become blanks.
    if (!isYear(columns[kYearColumn]))
        columns[kYearColumn].clear();
    for (auto& column : columns)
        column = text::blankLineBreaks(column);
    auto orDefault = [&](SongColumn column, const std::string& fallback) {
        if (columns[column].empty())
            columns[column] = fallback;
    };
    orDefault(kArtistColumn, "Unknown");
    orDefault(kAlbumColumn, "Unsorted");
    orDefault(kTitleColumn, columns[kPathColumn]);
    for (SongColumn column : {kTrackColumn, kBitRateColumn, kDurationColumn, kFileSizeColumn})
        orDefault(column, "0");
}

std::optional<ScannedSong> scanSongFile(const std::filesystem::path& path, SongReaders& readers) {
    const auto kind = songKindOf(path);
    if (!kind)
        return std::nullopt;
    ScannedSong song;
    std::unique_ptr<metadata::ByteSource> source = metadata::CachedFileSource::open(path);
    song.opened = source != nullptr;
    if (!source)
        source = std::make_unique<metadata::MemorySource>(std::string_view());
    song.fileSize = source->size();
    const auto columns = scanSongColumns(*kind, path.string(), song.fileSize, readers,
                                         [&](auto& reader) { return reader.Load(*source); });
    song.songLine = joinSongLine(columns);
    return song;
}

} // namespace kavrel::library
