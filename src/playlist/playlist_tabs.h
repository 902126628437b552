#pragma once
// The three tabs "PL1", "CD" and "PL2": each keeps its list and undo copy while another is active, and
// each is saved in its own playlist file. Main thread.
#include "platform/fs/program_folder.h"
#include "playlist/playback_control.h"

#include <array>
#include <string>
#include <vector>

namespace kavrel::playlist {

enum class Tab { PL1 = 0, CD = 1, PL2 = 2 };
inline constexpr std::array<Tab, 3> kAllTabs = {Tab::PL1, Tab::CD, Tab::PL2};

// The tab files inside the program folder.
std::string tabFileName(Tab tab);
// The tab of a click at x on a tab picture `width` wide: the left, middle or right third.
Tab tabAt(int x, int width);
// The tab whose picture the settings show (Img2Pl1Visible, Img2CDVisible, Img2PL2Visible), and back.
Tab visibleTabOf(const core::TConfRecord& settings);
void storeVisibleTab(core::TConfRecord& settings, Tab tab);

// The CD tracks on the drive. Blocking while the drive answers.
class CdTrackSource {
public:
    virtual ~CdTrackSource() = default;
    // Replaces `list` with the disc's tracks, nothing current and stopped at 0, unless it already holds
    // them or there is no disc; true when it replaced it (the engine has then been stopped).
    virtual bool RefreshTracks(TPlist& list) = 0;
};

// Shows which tab is active (its picture is the visible one).
class TabView {
public:
    virtual ~TabView() = default;
    virtual void showTab(Tab tab) = 0;
};

class PlaylistTabs {
public:
    // `cd` may be null on a machine without a CD drive.
    PlaylistTabs(PlaybackControl& control, TabView& view, CdTrackSource* cd);

    Tab visible() const { return visible_; }
    // At start-up, from the configuration; the active list is not touched. The settings keep it.
    void setVisible(Tab tab);
    TPlayMasiv& record(Tab tab) { return records_[static_cast<std::size_t>(tab)]; }

    void SwitchTab(Tab target);
    void TabClick(int x, int width) { SwitchTab(tabAt(x, width)); }
    // Reads the disc into the CD tab; when the CD tab is the active one its list is refilled and stopped.
    void RefreshCd() { refreshCd(visible_ == Tab::CD); }
    // Reads the disc into the CD tab's stored record (at start-up, before any tab is active).
    void RefreshCdRecord() { refreshCd(false); }

    // Reads each tab file into its record (all but `skip` when given). A file that cannot be read leaves its
    // tab empty; the messages of such failures are returned.
    std::vector<std::string> readTabFiles(const fs::ProgramFolder& folder, std::optional<Tab> skip = {});
    // Throws std::system_error naming the file.
    void writeTabFile(const fs::ProgramFolder& folder, Tab tab) const;
    void copyActiveIntoVisible() { record(visible_) = control_.state().active; }
    void copyVisibleIntoActive() { control_.state().active = record(visible_); }
    // After "Load Playlist": every tab record is marked playing.
    void markAllPlaying();

private:
    void refreshCd(bool cdActive);
    const TPlayMasiv& record(Tab tab) const { return records_[static_cast<std::size_t>(tab)]; }

    PlaybackControl& control_;
    TabView& view_;
    CdTrackSource* cd_;
    Tab visible_ = Tab::PL1;
    std::array<TPlayMasiv, 3> records_;
};

} // namespace kavrel::playlist
