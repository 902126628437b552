#pragma once
// The files the player is asked to open (by the desktop's "Open with", a second start, its own command
// line): songs, folders of songs and playlist files, read into rows and added to the active playlist by
// the song list's add mode. A folder's tags take a while to read, so that runs on a worker of its own.
#include "platform/dispatch/dispatcher.h"
#include "platform/text/collation.h"
#include "playlist/song_sink.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace kavrel::playlist {

struct OpenedRows {
    std::vector<TrackRow> rows;
    // The paths given that yielded no row: missing, unreadable, neither a song nor a playlist, a folder
    // without songs.
    std::vector<std::string> refused;
};

// Rows in the order given. A folder gives its songs, its own files before its subfolders', each level in
// name order (`order`, digits by value); hidden entries and links to folders are passed over. A playlist
// file gives its rows. Stops early with what it has when `stop` is requested.
OpenedRows rowsOfOpenedPaths(const std::vector<std::string>& paths, const text::LocaleCollator& order,
                             std::stop_token stop = {});

class OpenedFiles {
public:
    struct Handlers {
        std::function<AddMode()> addMode; // the song list's, read when the rows are added
        std::function<void(const std::string&)> reportRefused; // one message naming what was not added
    };

    // The dispatcher and the playlist outlive the object; handlers run on the main thread.
    OpenedFiles(dispatch::MainThreadDispatcher& dispatcher, SongSink& playlist, Handlers handlers);
    // Waits for the file being read; what is still to be read or added is dropped.
    ~OpenedFiles();
    OpenedFiles(const OpenedFiles&) = delete;
    OpenedFiles& operator=(const OpenedFiles&) = delete;

    // Any thread. Each call's rows are added at once, in the order of the calls.
    void open(std::vector<std::string> paths);

private:
    void work(std::stop_token stop);
    void add(const OpenedRows& opened);

    dispatch::MainThreadDispatcher& dispatcher_;
    SongSink& playlist_;
    Handlers handlers_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<std::vector<std::string>> pending_;
    // Posted additions check it, so none runs after the object is gone (main thread only).
    std::shared_ptr<OpenedFiles*> self_ = std::make_shared<OpenedFiles*>(this);
    std::jthread worker_; // last: it starts once the rest exists
};

} // namespace kavrel::playlist
