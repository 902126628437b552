#include "ui/skin/skin_tables.h"

namespace kavrel::ui::skin {

namespace {

// Picture sizes follow the window layouts: each button fits between its neighbours, and the lower bar's
// buttons rise toward the centre with their bottoms on one line.
constexpr QSize TopButton{12, 12};
constexpr QSize ArrowLeft{9, 16};
constexpr QSize ArrowRight{11, 16};
constexpr QSize MiniButton{17, 17};

std::vector<SkinFile> threeStates(std::string_view normal, std::string_view over, std::string_view pressed) {
    return {{1, normal}, {2, over}, {3, pressed}};
}

std::vector<SkinFile> twoStates(std::string_view normal, std::string_view over) {
    return {{1, normal}, {2, over}};
}

} // namespace

const SkinSet& mainWindowSkin() {
    static const SkinSet set{
        "TForm1",
        {
            {"ImgPlayPause",
             {{1, "\\play\\play1.jpg"},
              {2, "\\play\\play2.jpg"},
              {3, "\\play\\play3.jpg"},
              {4, "\\play\\Pause1.jpg"},
              {5, "\\play\\Pause2.jpg"},
              {6, "\\play\\Pause3.jpg"}},
             {29, 29},
             "Play/Pause (Win + Space)"},
            {"ImgStop",
             threeStates("\\Stop\\Stop1.jpg", "\\Stop\\Stop2.jpg", "\\Stop\\Stop3.jpg"),
             {25, 23},
             "Stop"},
            {"ImgPrev",
             threeStates("\\Prev\\Prev1.jpg", "\\Prev\\Prev2.jpg", "\\Prev\\Prev3.jpg"),
             {23, 21},
             "Prev (Win + Left)"},
            {"ImgNext",
             threeStates("\\Next\\Next1.jpg", "\\Next\\Next2.jpg", "\\Next\\Next3.jpg"),
             {21, 19},
             "Next (Win + Rigth)"},
            {"ImgAnStr", twoStates("\\strelki\\vlevo1.jpg", "\\strelki\\vlevo2.jpg"), ArrowLeft,
             "Analizator options"},
            {"ImgAn",
             threeStates("\\Analizer\\Analizer1.jpg", "\\Analizer\\Analizer2.jpg",
                         "\\Analizer\\Analizer3.jpg"),
             {21, 18},
             "Analizator On/Off"},
            {"ImgVis",
             threeStates("\\visualization\\visualization1.jpg", "\\visualization\\visualization2.jpg",
                         "\\visualization\\visualization3.jpg"),
             {19, 17},
             "Visualization"},
            {"ImgVisStr", twoStates("\\strelki\\vpravo1.jpg", "\\strelki\\vpravo2.jpg"), ArrowRight,
             "Visualization options"},
            {"ImgCmdPref",
             threeStates("\\CmdPref\\CmdPref1.jpg", "\\CmdPref\\CmdPref2.jpg", "\\CmdPref\\CmdPref3.jpg"),
             {21, 16},
             "Search options"},
            {"ImgRepStr", twoStates("\\strelki\\vlevo1.jpg", "\\strelki\\vlevo2.jpg"), ArrowLeft,
             "Repeat options"},
            {"ImgRepeat",
             threeStates("\\Repeat\\Repeat1.jpg", "\\Repeat\\Repeat2.jpg", "\\Repeat\\Repeat3.jpg"),
             {21, 16},
             "Repeat On/Off"},
            {"ImgUndo",
             threeStates("\\Undo\\Undo1.jpg", "\\Undo\\Undo2.jpg", "\\Undo\\Undo3.jpg"),
             {19, 17},
             "Undo"},
            {"ImgShuffle",
             threeStates("\\Shuffle\\Shuffle1.jpg", "\\Shuffle\\Shuffle2.jpg", "\\Shuffle\\Shuffle3.jpg"),
             {19, 18},
             "Shuffle On/Off"},
            {"ImgShuffStr", twoStates("\\strelki\\vpravo1.jpg", "\\strelki\\vpravo2.jpg"), ArrowRight,
             "Shuffle options"},
            {"ImgHelp",
             threeStates("\\Help\\Help1.jpg", "\\Help\\Help2.jpg", "\\Help\\Help3.jpg"),
             {21, 19},
             "Help"},
            {"ImgEqualizer",
             threeStates("\\Equalizer\\Equalizer1.jpg", "\\Equalizer\\Equalizer2.jpg",
                         "\\Equalizer\\Equalizer3.jpg"),
             {21, 21},
             "Equalizer"},
            {"ImgLibrary",
             threeStates("\\Library\\Library1.jpg", "\\Library\\Library2.jpg", "\\Library\\Library3.jpg"),
             {25, 23},
             "Library"},
            {"ImgPref",
             threeStates("\\Pref\\Pref1.jpg", "\\Pref\\Pref2.jpg", "\\Pref\\Pref3.jpg"),
             {29, 29},
             "Preferences"},
            {"ImgClose", twoStates("\\verhnieknopki\\x1.jpg", "\\verhnieknopki\\x2.jpg"), TopButton, "Close"},
            {"ImgVniz", twoStates("\\verhnieknopki\\vniz1.jpg", "\\verhnieknopki\\vniz2.jpg"), TopButton, ""},
            {"ImgMini", twoStates("\\verhnieknopki\\mini1.jpg", "\\verhnieknopki\\mini2.jpg"), TopButton,
             "Mini Panel"},
            {"ImgTray", twoStates("\\verhnieknopki\\Tray1.jpg", "\\verhnieknopki\\Tray2.jpg"), TopButton,
             "Tray"},
            {"ImgMark",
             threeStates("\\Mark\\Mark1.jpg", "\\Mark\\Mark2.jpg", "\\Mark\\Mark2.jpg"),
             {15, 14},
             "Mark"},
            {"ImgCDmp3Libr",
             threeStates("\\LB1LBCDLB2\\lb1.jpg", "\\LB1LBCDLB2\\lbcd.jpg", "\\LB1LBCDLB2\\lb2.jpg"),
             {90, 14},
             "",
             false,
             true},
            {"ImgSleep",
             threeStates("\\sleep\\s1.jpg", "\\sleep\\s2.jpg", "\\sleep\\s2.jpg"),
             {13, 14},
             "Sleep"},
            {"ImgFullScreen", twoStates("\\FullScreen\\F1.jpg", "\\FullScreen\\F2.jpg"), TopButton,
             "FullScreen/Normal"},
            // No skin files: it keeps its built-in picture.
            {"ImgOptSleep", {}, {10, 14}, "Sleep Options"},
        }};
    return set;
}

const SkinSet& miniPlayerSkin() {
    static const SkinSet set{
        "TMinFrm",
        {
            {"ImgPlayPause",
             {{1, "\\mini\\play1.jpg"},
              {2, "\\mini\\play2.jpg"},
              {3, "\\mini\\play2.jpg"},
              {4, "\\mini\\Pause1.jpg"},
              {5, "\\mini\\Pause2.jpg"},
              {6, "\\mini\\Pause2.jpg"}},
             MiniButton,
             "Play/Pause (Win + Space)"},
            {"ImgStop", threeStates("\\mini\\Stop1.jpg", "\\mini\\Stop2.jpg", "\\mini\\Stop2.jpg"),
             MiniButton, "Stop"},
            {"ImgPrew", threeStates("\\mini\\Prew1.jpg", "\\mini\\Prew2.jpg", "\\mini\\Prew2.jpg"),
             MiniButton, "Prev (Win + Left)"},
            {"ImgNext", threeStates("\\mini\\Next1.jpg", "\\mini\\Next2.jpg", "\\mini\\Next2.jpg"),
             MiniButton, "Next (Win + Rigth)"},
            {"ImgClose", twoStates("\\verhnieknopki\\x1.jpg", "\\verhnieknopki\\x2.jpg"), TopButton, "Close"},
            {"ImgMinimize", twoStates("\\verhnieknopki\\vniz1.jpg", "\\verhnieknopki\\vniz2.jpg"), TopButton,
             ""},
            {"ImgNormal", twoStates("\\verhnieknopki\\mini1.jpg", "\\verhnieknopki\\mini2.jpg"), TopButton,
             "Normal Panel"},
            {"ImgTray", twoStates("\\verhnieknopki\\Tray1.jpg", "\\verhnieknopki\\Tray2.jpg"), TopButton,
             "Tray"},
            {"ImgPls", twoStates("\\mini\\Pls1.jpg", "\\mini\\Pls2.jpg"), {19, 17}, "Show PlayList"},
        }};
    return set;
}

const SkinSet& miniPlaylistSkin() {
    static const SkinSet set{"TNerix", {{"ImgFon", {{0, "\\MiniPlayList\\pls_small.jpg"}}, {198, 280}, ""}}};
    return set;
}

const SkinSet& equalizerSkin() {
    static const SkinSet set{
        "TEqualizer",
        {
            {"ImgFonEq", {{0, "\\eq\\eqforma.jpg"}}, {351, 158}, ""},
            // Its pictures show the equalizer's state, so the pointer does not swap them.
            {"ImgEnabled", twoStates("\\eq\\Enabled.jpg", "\\eq\\Enabled2.jpg"), {44, 14}, "", false},
            {"ImgPreset", twoStates("\\eq\\Presets.jpg", "\\eq\\Presets2.jpg"), {44, 14}, ""},
            // The file with the "2" is the normal picture here.
            {"ImgClose", {{2, "\\Shuffle\\close.jpg"}, {1, "\\Shuffle\\close2.jpg"}}, TopButton, ""},
        }};
    return set;
}

const SkinSet& welcomeSkin() {
    static const SkinSet set{
        "TWelcome",
        {
            {"Image1", {{0, "\\Welcome\\Welcome.jpg"}}, {451, 568}, ""},
            {"Image2",
             threeStates("\\Welcome\\Finish1.jpg", "\\Welcome\\Finish2.jpg", "\\Welcome\\Finish3.jpg"),
             {39, 15},
             "Finish (Enter)"},
            {"Image3",
             threeStates("\\Welcome\\Skip1.jpg", "\\Welcome\\Skip2.jpg", "\\Welcome\\Skip3.jpg"),
             {55, 15},
             "Skip (Esc)"},
        }};
    return set;
}

std::vector<const SkinSet*> allSkinSets() {
    return {&mainWindowSkin(), &miniPlayerSkin(), &miniPlaylistSkin(), &equalizerSkin(), &welcomeSkin()};
}

} // namespace kavrel::ui::skin
