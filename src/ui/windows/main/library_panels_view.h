#pragma once
// The main window's side of the library browser's view: the artist, album and song lists with their
// scrollers, the artist columns with their header pictures, the library selector and the song hint.
#include "library/browser/browser_view.h"
#include "ui/controls/row_hint_popup.h"

namespace kavrel::ui {

class TForm1;
class TCListView;
class TQelScrollerVr;

class LibraryPanelsView final : public library::browser::BrowserView {
public:
    using Panel = library::browser::Panel;

    explicit LibraryPanelsView(TForm1& window);

    TCListView& list(Panel panel) const;
    TQelScrollerVr& scroller(Panel panel) const;
    // The song under the pointer (0-based, -1 for none): where the next song hint goes.
    void setHoveredSong(int item) { hoveredSong_ = item; }
    const RowHintPopup& songHint() const { return songHint_; }
    void cancelSongHint() { songHint_.cancel(); }

    void setItems(Panel panel, const library::browser::PanelItems& items) override;
    void setSelectedItem(Panel panel, int item) override;
    void setScroller(Panel panel, int position, int range) override;
    int topItem(Panel panel) const override;
    int visibleItems(Panel panel) const override;
    void showLayout(const library::browser::ArtistLayout& layout) override;
    void setSelectorState(int state) override;
    void setSongHint(const std::string& text) override;

private:
    TForm1& window_;
    RowHintPopup songHint_;
    int hoveredSong_ = -1;
};

} // namespace kavrel::ui
