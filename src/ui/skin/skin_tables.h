#pragma once
// Each window's skin set as data: its controls in loading order, the files of each and the slots they go
// into, the size of the shipped pictures and the control's built-in tooltip. Paths are relative to the
// skin root (the program folder's "Pictures" folder) and are spelled as the program has always spelled
// them; on disk they resolve ignoring letter case.
#include <QSize>

#include <span>
#include <string_view>
#include <vector>

namespace kavrel::ui::skin {

struct SkinFile {
    int slot; // 1..6 for an image button; 0 for a plain picture's displayed picture
    std::string_view path;
};

struct SkinItem {
    std::string_view control;
    std::vector<SkinFile> files;
    QSize size;            // of every picture the item loads, in the shipped skin
    std::string_view hint; // built-in tooltip; empty for none
    bool changePictures = true;
    // The library selector shows its slot 1 only once the whole window has loaded.
    bool showFirstSlotAtEnd = false;

    bool isPicture() const { return !files.empty() && files.front().slot == 0; }
};

struct SkinSet {
    std::string_view window;
    std::vector<SkinItem> items;
};

const SkinSet& mainWindowSkin();
const SkinSet& miniPlayerSkin();
const SkinSet& miniPlaylistSkin();
const SkinSet& equalizerSkin();
const SkinSet& welcomeSkin();
// The five sets.
std::vector<const SkinSet*> allSkinSets();

// The main window's artist column headers, relative to the program folder (they include the skin
// folder's name), all of ArtistHeaderSize.
inline constexpr std::string_view ArtistHeaderIncorporated = "\\Pictures\\art_alb_song_pls\\art.jpg";
inline constexpr std::string_view ArtistHeaderRussian = "\\Pictures\\art_alb_song_pls\\rus_art.jpg";
inline constexpr std::string_view ArtistHeaderEnglish = "\\Pictures\\art_alb_song_pls\\eng_art.jpg";
inline constexpr QSize ArtistHeaderSize{66, 14};

// The picture of the preferences' About page, relative to the program folder.
inline constexpr std::string_view AboutPicture = "\\Pictures\\Welcome\\About.jpg";
inline constexpr QSize AboutPictureSize{96, 96};

// The skin root under a program folder.
inline constexpr std::string_view SkinFolder = "\\Pictures";

} // namespace kavrel::ui::skin
