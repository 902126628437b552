#pragma once
// The scan of one file for the library build: the readers its extension calls for, in their order and
// precedence, give the twelve columns of its song line. One scanning worker owns one SongReaders.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "library/song_line.h"
#include "metadata/byte_source.h"
#include "metadata/id3v1.h"
#include "metadata/id3v2.h"
#include "metadata/mpeg_audio.h"
#include "metadata/ogg_vorbis.h"
#include "metadata/wma_file.h"

namespace kavrel::library {

struct SongReaders {
    metadata::TID3v1 id3v1;
    metadata::TID3v2 id3v2;
    metadata::TMPEGaudio mpeg;
    metadata::TOggVorbis ogg;
    metadata::TWMAfile wma;
};

enum class SongKind { Mpeg, OggVorbis, Wma };

// By the lower-cased extension: ".mp3", ".ogg", ".wma"; nullopt for a file the build does not scan.
std::optional<SongKind> songKindOf(const std::filesystem::path& path);

// Columns 0..9 from readers that have read the file (each flag: its load succeeded).
void fillMpegColumns(SongColumns& columns, const SongReaders& readers, bool id3v1Read, bool id3v2Read,
                     bool mpegRead);
void fillOggColumns(SongColumns& columns, const metadata::TOggVorbis& ogg);
void fillWmaColumns(SongColumns& columns, const metadata::TWMAfile& wma);
// Line breaks and NUL become blanks; then the defaults: "Unknown", "Unsorted", the path for the title,
// a year of digits only, and "0" for an empty track, bit rate, duration or size.
void normaliseSongColumns(SongColumns& columns);

// The columns of one file. load(reader) makes a reader read the file and returns its result, so the
// readers can share one open file or each open their own.
template <class LoadReader>
SongColumns scanSongColumns(SongKind kind, const std::string& path, std::uint64_t fileSize,
                            SongReaders& readers, LoadReader load) {
    SongColumns columns;
    switch (kind) {
    case SongKind::Mpeg: {
        const bool id3v1Read = load(readers.id3v1);
        const bool id3v2Read = load(readers.id3v2);
        const bool mpegRead = load(readers.mpeg);
        fillMpegColumns(columns, readers, id3v1Read, id3v2Read, mpegRead);
        break;
    }
    case SongKind::OggVorbis:
        if (load(readers.ogg))
            fillOggColumns(columns, readers.ogg);
        break;
    case SongKind::Wma:
        if (load(readers.wma))
            fillWmaColumns(columns, readers.wma);
        break;
    }
    columns[kPathColumn] = path;
    columns[kFileSizeColumn] = std::to_string(fileSize);
    normaliseSongColumns(columns);
    return columns;
}

struct ScannedSong {
    std::string songLine;
    std::uint64_t fileSize = 0;
    // False when the file could not be opened: the line then holds only the path and the defaults.
    bool opened = false;
};

// Called on the scanning worker's thread with that worker's readers; blocks on the file's reads.
// Scans a file through one open file and one read of its head and tail shared by all its readers.
// nullopt for a file whose extension the build does not scan.
std::optional<ScannedSong> scanSongFile(const std::filesystem::path& path, SongReaders& readers);

} // namespace kavrel::library
