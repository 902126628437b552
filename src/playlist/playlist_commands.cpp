#include "playlist/playlist_commands.h"

#include "playlist/ppl_file.h"

namespace kavrel::playlist {

void PlaylistCommands::Clear() {
    list().UndoKindValue = kUndoEdit;
    list().EditFirst = 0;
    list().EditExtent = 0;
    if (!list().Empty())
        control_.SaveUndoCopy();
    PlaylistView& view = control_.display().view();
    view.setScrollerPosition(0);
    view.setScrollerRange(0);
    control_.ResetPosition();
    view.markPlayingRow(0, {});
    state().settings.mRepeatOneSong = false;
    state().settings.mRepeatAllPlayList = false;
    view.setCheck(Check::RepeatOneSong, false);
    view.setCheck(Check::RepeatAllPlayList, false);
    control_.SetQuickPlayChecked(false);
    list().CurrentIndex = 0;
    list().Rows.resize(1);
    list().Rows.shrink_to_fit();
    view.clearItems();
    refreshTimes(list());
    control_.display().updateSizeTotal(list());
    control_.PublishCurrentRow();
}

void PlaylistCommands::Undo() {
    TPlayMasiv& active = state().active;
    if (!active.Undo)
        return;
    std::swap(active.List, *active.Undo);
    PlaylistView& view = control_.display().view();
    view.clearItems();
    view.setScrollerPosition(0);
    control_.display().showAllRows(list());
    refreshTimes(list());
    if (list().UndoKindValue != kUndoPlayback) {
        control_.SetQuickPlayChecked(list().QuickPlayEnabled);
        control_.RemarkPlayingRow();
    } else {
        control_.ActOnRestoredPlayState(false);
    }
    control_.PublishCurrentRow();
}

std::filesystem::path PlaylistCommands::Save(const std::string& chosenName) {
    const std::filesystem::path file = playlistFileName(chosenName);
    writePlaylistFile(file, list());
    return file;
}

void PlaylistCommands::Load(const std::filesystem::path& file) {
    control_.SetRepeatOneSong(false);
    list().UndoKindValue = kUndoPlayback;
    control_.SaveUndoCopy();
    control_.ResetPosition();
    std::optional<TPlist> read = readPlaylistFile(file);
    if (!read)
        return;
    static_cast<TPlist&>(list()) = std::move(*read);
    control_.display().view().markPlayingRow(0, {});
    control_.display().showAllRows(list());
    refreshTimes(list());
    if (state().settings.O_Run_Playlist == 0 && list().PlayState != kStopped) {
        if (list().CurrentIndex == 0)
            list().CurrentIndex = 1;
        list().PreviousIndex = list().CurrentIndex;
        control_.PlayCurrent(false);
    }
    if (onLoaded_)
        onLoaded_();
    control_.PublishCurrentRow();
}

} // namespace kavrel::playlist
