#include "playlist_panel_fixture.h"

#include "browser_fixture.h"
#include "platform/bass/audio_rig.h"
#include "playlist/ppl_file.h"

namespace kavrel::test {

namespace {

void threeTonesAndALibrary(const std::filesystem::path& folder, core::TConfRecord& settings) {
    settings.O_Run_Playlist = 1; // the saved list, not playing
    settings.ActiveLibrary.text = "LB1";
    settings.S_All.text = "25";
    playlist::TPlist pl1 = listOf(3);
    for (std::int32_t row = 1; row <= pl1.Count(); ++row)
        pl1.Rows[row][library::kPathColumn] = engineFixture("tone_1k.mp3").string();
    std::filesystem::create_directories(folder / "PlayLists");
    playlist::writePlaylistFile(folder / "PlayLists/PlayListMainPL1.ppl", pl1);
    library::browser::test::writeLibrary(
        folder, "LB1", {{"Alpha", "One", "A1"}, {"Alpha", "One", "A2"}, {"Alpha", "Two", "B1"}});
}

} // namespace

PlaylistPanelFixture::PlaylistPanelFixture() : BoundMainWindow(threeTonesAndALibrary) {
    panel().setFileDialogs(files);
    window->show();
}

std::vector<std::string> PlaylistPanelFixture::titles() {
    std::vector<std::string> result;
    for (std::int32_t row = 1; row <= list().Count(); ++row)
        result.push_back(list().row(row)[library::kTitleColumn]);
    return result;
}

std::vector<std::string> PlaylistPanelFixture::shownRows() {
    std::vector<std::string> result;
    for (int i = 0; i < window->ListBox5->count(); ++i)
        result.push_back(window->ListBox5->item(i)->text().toStdString());
    return result;
}

} // namespace kavrel::test
