#include "playlist_panel_fixture.h"

#include "browser_fixture.h"
#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "core/equalizer_preset.h"
#include "platform/bass/audio_rig.h"
#include "playlist/ppl_file.h"

namespace kavrel::test {

PlaylistPanelFixture::PlaylistPanelFixture() {
    for (const char* shipped : {"Pictures", "Lang", "help"})
        std::filesystem::create_directory_symlink(std::filesystem::path(KAVREL_DATA_DIR) / shipped,
                                                  dir / shipped);
    core::TConfRecord defaults = core::designDefaults();
    defaults.O_Run_Playlist = 1; // the saved list, not playing
    defaults.ActiveLibrary.text = "LB1";
    defaults.S_All.text = "25";
    writeFile(dir / "PlSysFile/DefaultConf.pcf", core::encodeConfRecord(defaults));
    core::saveEqualizerPreset(dir / "PlSysFile" / defaults.PresetFileName.text, core::EqualizerValues{});
    playlist::TPlist pl1 = listOf(3);
    for (std::int32_t row = 1; row <= pl1.Count(); ++row)
        pl1.Rows[row][library::kPathColumn] = engineFixture("tone_1k.mp3").string();
    std::filesystem::create_directories(dir / "PlayLists");
    playlist::writePlaylistFile(dir / "PlayLists/PlayListMainPL1.ppl", pl1);
    library::browser::test::writeLibrary(
        dir.path(), "LB1", {{"Alpha", "One", "A1"}, {"Alpha", "One", "A2"}, {"Alpha", "Two", "B1"}});

    audio::EngineOptions output;
    output.sink = audio::SinkKind::Capture;
    application = std::make_unique<core::Application>(
        core::ApplicationOptions{fs::ProgramFolder(dir.path()), "", output},
        core::ShellServices{messages, shell, power}, loop);
    windowPtr = std::make_unique<ui::TForm1>(application->programFolder(), messages);
    binding = std::make_unique<ui::MainWindowBinding>(*windowPtr, *application, shell);
    panel().setFileDialogs(files);
    application->startUp([this] { binding->applySettings(); });
    windowPtr->show();
}

std::vector<std::string> PlaylistPanelFixture::titles() {
    std::vector<std::string> result;
    for (std::int32_t row = 1; row <= list().Count(); ++row)
        result.push_back(list().row(row)[library::kTitleColumn]);
    return result;
}

std::vector<std::string> PlaylistPanelFixture::shownRows() {
    std::vector<std::string> result;
    for (int i = 0; i < window().ListBox5->count(); ++i)
        result.push_back(window().ListBox5->item(i)->text().toStdString());
    return result;
}

} // namespace kavrel::test
