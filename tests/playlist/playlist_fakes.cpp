#include "playlist/playlist_fakes.h"

#include <stdexcept>

namespace kavrel::test {

void RecordingView::setItem(int position, const std::string& text) {
    if (position == itemCount())
        items.push_back(text);
    else if (position >= 0 && position < itemCount())
        items[static_cast<std::size_t>(position)] = text;
    else
        throw std::out_of_range("setItem past the end of the list box");
}

void FakeEngine::Play(const std::string& file, std::int32_t startMs, bool paused) {
    calls.push_back("Play " + file + " " + std::to_string(startMs) + (paused ? " paused" : ""));
    state = paused ? 2 : 1;
    position = startMs;
}

void FakeEngine::Pause() {
    calls.push_back("Pause");
    state = 2;
}

void FakeEngine::Resume() {
    calls.push_back("Resume");
    state = 1;
}

void FakeEngine::Stop() {
    calls.push_back("Stop");
    state = 0;
}

void FakeEngine::SetPosition(std::int32_t ms) {
    calls.push_back("SetPosition " + std::to_string(ms));
    position = ms;
}

playlist::TrackRow songRow(int n, std::int64_t durationMs, std::int64_t size) {
    const std::string id = std::to_string(n);
    return {"Artist " + id,
            "Album " + id,
            "Title " + id,
            "2001",
            "Rock",
            id,
            "192",
            std::to_string(durationMs),
            "44100",
            "Stereo",
            "/music/" + id + ".mp3",
            std::to_string(size),
            ""};
}

playlist::TPlist listOf(int count, std::int64_t durationMs) {
    playlist::TPlist list;
    for (int i = 1; i <= count; ++i)
        list.Rows.push_back(songRow(i, durationMs));
    return list;
}

std::vector<std::string> titles(const playlist::TPlist& list) {
    std::vector<std::string> out;
    for (int i = 1; i <= list.Count(); ++i)
        out.push_back(list.row(i)[2]);
    return out;
}

} // namespace kavrel::test
