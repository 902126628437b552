#include "core/design_defaults.h"

namespace kavrel::core {

namespace {

constexpr std::int32_t kListTextColor = 13421000; // light grey on the black lists
constexpr std::int32_t kPlayingRowColor = 9369512;

TFontRecord listFont() {
    TFontRecord font;
    font.Name.text = "DejaVu Sans";
    font.Size = 8;
    font.Height = -11; // the size in points at 96 dots per inch, negative as a character height
    font.Style = 0;
    font.Color = kListTextColor;
    return font;
}

TListOptions numberedAddAndPlay() {
    TListOptions options;
    options.Indexin = true;
    options.OnDb_E_P = true;
    return options;
}

} // namespace

TConfRecord designDefaults() {
    TConfRecord r;
    r.En_Bass = true;
    r.GLanguage = 1;      // English
    r.O_Run_Playlist = 0; // load the current playlist and play
    r.O_Run_Position = 0; // last position
    r.O_Run_Size = 0;     // last size
    r.O_Run_Kiind = 0;    // last kind
    r.O_Run_Volume = 0;   // last value
    r.O_Run_NM_Vol.text = "0";
    r.O_Run_ScanAndClearLibrury = true; // the first run's welcome clears it
    r.Art_Pnl_Distribution = 0;         // Russian and English artists apart
    r.Art_Pnl_Orientation = 0;          // Russian on the left

    r.ListBox1Font = r.ListBox2Font = r.ListBox3Font = r.ListBox4Font = r.ListBox5Font = listFont();
    r.Left = r.Right = r.Albom = r.Song = numberedAddAndPlay();
    r.Playlist_F_P_Color = kPlayingRowColor;
    r.PlayList_Indexin = true;
    r.Name_PlayList_T = true;

    r.S_Copy_Artist = 0; // artist folder from the tag
    r.S_Copy_Albom = 1;  // "Year - Album" folder
    r.S_Copy_Title = 2;  // "Artist - Title" file name

    r.Interval_Pos_1.text = "0";
    r.Interval_Pos_2.text = "33";
    r.Interval_Pos_3.text = "66";
    r.Interval_Len_1.text = "4";
    r.Interval_Len_2.text = "7";
    r.Interval_Len_3.text = "7";
    r.S_All.text = r.S_Rus_A.text = r.S_Eng_A.text = r.S_A_Art.text = r.S_A_Alb.text = "0";

    r.mByyear = true;
    r.mByNomSong = true;
    r.mArtist = true;
    r.mStartAt = true;
    r.mShuffLib100 = true; // the share-based sources start at 0 %, which would give an empty list
    r.mRepeatOneSong = true;

    r.AnalyserStateMinusOne = 1; // analyser on
    r.Img2Pl1Visible = true;
    r.WindowLeft = 100;
    r.WindowTop = 80;
    r.VolumePosition = 800;
    r.PresetFileName.text = "Default.pef";
    r.ActiveLibrary.text = "LB1";
    r.EqualizerEnabled = 0;
    return r;
}

} // namespace kavrel::core
