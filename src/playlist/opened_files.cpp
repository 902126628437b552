#include "playlist/opened_files.h"

#include "library/song_scan.h"
#include "playlist/ppl_file.h"

#include <algorithm>
#include <exception>
#include <filesystem>

namespace kavrel::playlist {

namespace fs = std::filesystem;

namespace {

class RowReader {
public:
    RowReader(const text::LocaleCollator& order, std::stop_token stop)
        : order_(order), stop_(std::move(stop)) {}

    // False when `path` gave no row.
    bool readGiven(const fs::path& path, std::vector<TrackRow>& rows) {
        const std::size_t before = rows.size();
        std::error_code error;
        if (fs::is_directory(path, error))
            readFolder(path, rows);
        else if (isPlaylistFile(path))
            readPlaylist(path, rows);
        else
            readSong(path, rows);
        return rows.size() > before;
    }

private:
    static bool isPlaylistFile(const fs::path& path) {
        return text::equalsIgnoreCase(path.extension().string(), kPlaylistExtension);
    }

    void readSong(const fs::path& path, std::vector<TrackRow>& rows) {
        std::error_code error;
        if (!fs::is_regular_file(path, error))
            return;
        const auto song = library::scanSongFile(path, readers_);
        if (!song || !song->opened)
            return;
        const library::SongColumns columns = library::splitSongLine(song->songLine);
        TrackRow& row = rows.emplace_back();
        std::move(columns.begin(), columns.end(), row.begin());
    }

    static void readPlaylist(const fs::path& path, std::vector<TrackRow>& rows) {
        try {
            const auto list = readPlaylistFile(path);
            if (list)
                rows.insert(rows.end(), list->Rows.begin() + 1, list->Rows.end());
        } catch (const std::exception&) {
            // A header that is no number, or a read that failed: no row, and it is named among the refused.
        }
    }

    void readFolder(const fs::path& folder, std::vector<TrackRow>& rows) {
        std::vector<fs::path> files;
        std::vector<fs::path> folders;
        std::error_code error;
        for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            const fs::path& path = entry->path();
            if (path.filename().string().starts_with('.'))
                continue;
            std::error_code kindError;
            if (entry->is_symlink(kindError) && entry->is_directory(kindError))
                continue; // a link may lead back up and never end
            if (entry->is_directory(kindError))
                folders.push_back(path);
            else if (library::songKindOf(path))
                files.push_back(path);
        }
        const auto byName = [this](const fs::path& a, const fs::path& b) {
            return order_.compare(a.filename().string(), b.filename().string()) < 0;
        };
        std::sort(files.begin(), files.end(), byName);
        std::sort(folders.begin(), folders.end(), byName);
        for (const fs::path& file : files) {
            if (stop_.stop_requested())
                return;
            readSong(file, rows);
        }
        for (const fs::path& inner : folders)
            if (!stop_.stop_requested())
                readFolder(inner, rows);
    }

    const text::LocaleCollator& order_;
    std::stop_token stop_;
    library::SongReaders readers_;
};

std::string refusedMessage(const std::vector<std::string>& refused) {
    std::string message = "Nothing to play was found in:";
    for (const std::string& path : refused)
        message += "\n" + path;
    return message;
}

} // namespace

OpenedRows rowsOfOpenedPaths(const std::vector<std::string>& paths, const text::LocaleCollator& order,
                             std::stop_token stop) {
    OpenedRows opened;
    RowReader reader(order, stop);
    for (const std::string& path : paths) {
        if (stop.stop_requested())
            break;
        if (!reader.readGiven(path, opened.rows))
            opened.refused.push_back(path);
    }
    return opened;
}

OpenedFiles::OpenedFiles(dispatch::MainThreadDispatcher& dispatcher, SongSink& playlist, Handlers handlers)
    : dispatcher_(dispatcher), playlist_(playlist), handlers_(std::move(handlers)),
      worker_([this](std::stop_token stop) { work(std::move(stop)); }) {}

OpenedFiles::~OpenedFiles() {
    worker_.request_stop();
    worker_.join();
}

void OpenedFiles::open(std::vector<std::string> paths) {
    if (paths.empty())
        return;
    {
        const std::lock_guard lock(mutex_);
        pending_.push_back(std::move(paths));
    }
    wake_.notify_one();
}

void OpenedFiles::work(std::stop_token stop) {
    // The worker's own: a collator serves one thread at a time.
    text::LocaleCollator order;
    order.orderDigitsByValue();
    while (true) {
        std::vector<std::string> paths;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return !pending_.empty(); }))
                return;
            paths = std::move(pending_.front());
            pending_.pop_front();
        }
        OpenedRows opened = rowsOfOpenedPaths(paths, order, stop);
        if (stop.stop_requested())
            return;
        dispatcher_.post([self = std::weak_ptr<OpenedFiles*>(self_), opened = std::move(opened)] {
            if (const auto files = self.lock())
                (*files)->add(opened);
        });
    }
}

void OpenedFiles::add(const OpenedRows& opened) {
    if (!opened.rows.empty())
        playlist_.AddRows(opened.rows, handlers_.addMode ? handlers_.addMode() : AddMode::End);
    if (!opened.refused.empty() && handlers_.reportRefused)
        handlers_.reportRefused(refusedMessage(opened.refused));
}

} // namespace kavrel::playlist
