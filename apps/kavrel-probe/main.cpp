// kavrel-probe: reads audio files with the metadata readers.
//   kavrel-probe --json FILE...       every reader's fields, one JSON object a line per file
//   kavrel-probe --song-line FILE...  the song line the library build would write for each file
// Exit status: 0 when every file was read, 1 when some could not be, 2 on bad usage.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>

#include "json_object.h"
#include "library/song_scan.h"
#include "metadata/byte_source.h"
#include "reader_report.h"

namespace {

using namespace kavrel;

constexpr int kAllRead = 0;
constexpr int kSomeUnreadable = 1;
constexpr int kBadUsage = 2;

int usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s --json FILE...\n"
                 "       %s --song-line FILE...\n",
                 program, program);
    return kBadUsage;
}

void reportUnreadable(const char* program, const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    const char* reason = "the file cannot be opened for reading";
    if (status.type() == std::filesystem::file_type::not_found)
        reason = "no such file";
    else if (status.type() == std::filesystem::file_type::directory)
        reason = "is a folder, not a file";
    else if (!error && status.type() != std::filesystem::file_type::regular)
        reason = "not a regular file";
    std::fprintf(stderr, "%s: %s: %s\n", program, path.c_str(), reason);
}

bool printJson(const std::filesystem::path& path) {
    auto source = metadata::CachedFileSource::open(path);
    if (!source)
        return false;
    metadata::TID3v1 id3v1;
    metadata::TID3v2 id3v2;
    metadata::TMPEGaudio mpeg;
    metadata::TOggVorbis ogg;
    metadata::TWMAfile wma;
    probe::JsonObject line;
    line.text("path", path.string());
    line.object("id3v1", probe::report(id3v1, id3v1.Load(*source)));
    line.object("id3v2", probe::report(id3v2, id3v2.Load(*source)));
    line.object("mpeg", probe::report(mpeg, mpeg.Load(*source)));
    line.object("ogg", probe::report(ogg, ogg.Load(*source)));
    line.object("wma", probe::report(wma, wma.Load(*source)));
    std::printf("%s\n", line.str().c_str());
    return true;
}

bool printSongLine(const std::filesystem::path& path, library::SongReaders& readers) {
    const auto song = library::scanSongFile(path, readers);
    if (!song)
        return true; // the build does not scan this extension: nothing to print
    if (!song->opened)
        return false;
    std::printf("%s\n", song->songLine.c_str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const char* program = argc > 0 ? argv[0] : "kavrel-probe";
    if (argc < 3)
        return usage(program);
    const std::string_view mode = argv[1];
    if (mode != "--json" && mode != "--song-line")
        return usage(program);

    library::SongReaders readers;
    int status = kAllRead;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path path = argv[i];
        const bool read = mode == "--json" ? printJson(path) : printSongLine(path, readers);
        if (!read) {
            reportUnreadable(program, path);
            status = kSomeUnreadable;
        }
    }
    return status;
}
