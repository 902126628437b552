#pragma once
// What the library panels show, as the main window draws it. The browser decides; the window only draws
// and reports input back.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace kavrel::library::browser {

// ListBox1 (left artists), ListBox2 (right artists), ListBox3 (albums), ListBox4 (songs).
enum class Panel { Left = 1, Right = 2, Albums = 3, Songs = 4 };

// A panel's item texts, shared with the view instead of copied: never null.
using PanelItems = std::shared_ptr<const std::vector<std::string>>;

struct ArtistLayout {
    bool separate = true;    // false: every artist in ListBox1, ListBox2 and its header hidden
    bool russianLeft = true; // the separate layout's orientation
    std::filesystem::path leftHeader;
    std::filesystem::path rightHeader; // empty when the incorporated layout hides it
};

class BrowserView {
public:
    virtual ~BrowserView() = default;
    virtual void setItems(Panel panel, const PanelItems& items) = 0;
    // 0-based; -1 clears the selection.
    virtual void setSelectedItem(Panel panel, int item) = 0;
    virtual void setScroller(Panel panel, int position, int range) = 0;
    // The 0-based item shown at the top of the panel.
    virtual int topItem(Panel panel) const = 0;
    // How many items the panel's height holds (its height over the item height, rounded).
    virtual int visibleItems(Panel panel) const = 0;
    virtual void showLayout(const ArtistLayout& layout) = 0;
    // The library selector picture: 1 "LB1", 2 "LBCD", 3 "LB2".
    virtual void setSelectorState(int state) = 0;
    // Cancels the shown hint and sets the song panel's hint text (empty: no hint).
    virtual void setSongHint(const std::string& text) = 0;
};

// The library build window's side of a CD library build.
class CdLibraryBuilds {
public:
    virtual ~CdLibraryBuilds() = default;
    virtual bool buildRunning() const = 0;
    // Builds the "LBCD" library from the files of the CD; the old one stays until the new one is saved.
    virtual void startCdBuild() = 0;
    // Builds the CD library once the running build has finished.
    virtual void queueCdBuild() = 0;
};

} // namespace kavrel::library::browser
