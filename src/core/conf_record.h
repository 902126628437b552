#pragma once
// The stored settings: one field per control, named after the control it mirrors. This is the settings
// model the windows bind to; ConfRecordCodec turns it into the 2056-byte configuration record and back.
#include <array>
#include <cstdint>
#include <string>

namespace kavrel::core {

// A length-prefixed text of at most N bytes on disk, held as UTF-8.
template <std::size_t N> struct ShortString {
    static constexpr std::size_t capacity = N;
    std::string text;
    bool operator==(const ShortString&) const = default;
};

struct TFontRecord {
    std::int32_t Height = 0;
    ShortString<50> Name;
    std::int32_t Size = 0;
    std::int32_t Style = 0; // bits 0..3: bold, italic, underline, strike-out
    std::int32_t Color = 0; // red in the low byte
    bool operator==(const TFontRecord&) const = default;
};

// How a list reacts to a double-click, and whether it numbers its rows.
struct TListOptions {
    bool Indexin = false;
    bool OnDb_E = false;   // add to the end of the playlist
    bool OnDb_E_P = false; // add to the end and play
    bool OnDb_A_P = false; // add after the playing song and play
    bool OnDb_A = false;   // add after the playing song
    bool operator==(const TListOptions&) const = default;
};

struct TConfRecord {
    bool En_Fmod = false;
    bool En_Bass = false;
    bool En_Apollo = false;
    bool En_Foobar = false;
    ShortString<200> gPath_Apollo;
    ShortString<200> gPath_Foobar;

    std::int32_t GLanguage = 0; // 0 Russian, 1 English
    std::int32_t O_Run_Playlist = 0;
    bool O_Run_Refresh = false;
    std::int32_t O_Run_Position = 0;
    std::int32_t O_Run_Size = 0;
    std::int32_t O_Run_Kiind = 0;
    std::int32_t O_Run_Volume = 0;
    ShortString<10> O_Run_NM_Vol;
    bool O_Run_ScanAndClearLibrury = false;
    std::int32_t Art_Pnl_Distribution = 0;
    std::int32_t Art_Pnl_Orientation = 0;

    TFontRecord ListBox1Font; // left artists
    TListOptions Left;
    TFontRecord ListBox2Font; // right artists
    std::array<std::uint8_t, 4> Reserved600{};
    TListOptions Right;
    TFontRecord ListBox3Font; // albums
    TListOptions Albom;
    TFontRecord ListBox4Font; // songs
    TListOptions Song;
    TFontRecord ListBox5Font; // playlist
    std::int32_t Playlist_F_P_Color = 0;
    bool PlayList_Indexin = false;
    bool Name_PlayList_T = false;
    bool Name_PlayList_A_T = false;

    ShortString<200> ePath_Copy;
    std::int32_t S_Copy_Artist = 0;
    std::int32_t S_Copy_Albom = 0;
    std::int32_t S_Copy_Title = 0;

    ShortString<10> Interval_Pos_1;
    ShortString<10> Interval_Pos_2;
    ShortString<10> Interval_Pos_3;
    ShortString<10> Interval_Len_1;
    ShortString<10> Interval_Len_2;
    ShortString<10> Interval_Len_3;
    ShortString<10> S_All;
    ShortString<10> S_Rus_A;
    ShortString<10> S_Eng_A;
    ShortString<10> S_A_Art;
    ShortString<10> S_A_Alb;

    bool mByyear = false;
    bool mByAz = false;
    bool mByAZsong = false;
    bool mByNomSong = false;
    bool mArtist = false;
    bool mAlbum = false;
    bool mAlbomInAllLibrary = false;
    bool mAlbomInActivArtist = false;
    bool mSong = false;
    bool mSongInAllLibrary = false;
    bool mSongInActivArtist = false;
    bool mSongInActiveAlbum = false;
    bool mStartAt = false;
    bool mConsistof = false;
    bool mShuffLib = false;
    bool mShuffRus = false;
    bool mShuffEng = false;
    bool mShuffActArt = false;
    bool mShuffActAlb = false;
    bool mShuffLib100 = false;
    bool mShuffRus100 = false;
    bool mShuffEng100 = false;
    bool mShuffPlist = false;
    bool mRepeatOneSong = false;
    bool mRepeatAllPlayList = false;

    std::uint8_t AnalyserStateMinusOne = 0; // 1: the analyser is on
    bool Img2Pl1Visible = false;
    bool Img2CDVisible = false;
    bool Img2PL2Visible = false;

    std::int32_t WindowLeft = 0;
    std::int32_t WindowTop = 0;
    std::int32_t NormalWidth = 0; // the normal bounds saved before full screen
    std::int32_t NormalHeight = 0;
    std::int32_t NormalLeft = 0;
    std::int32_t NormalTop = 0;
    bool FullScreen = false;
    std::int32_t ExtraWidth = 0;     // bottom-centre piece width minus its design width
    std::int32_t ExtraHeight = 0;    // left edge piece height minus its design height
    std::int32_t VolumePosition = 0; // 0..1000

    ShortString<200> CdIdentifier;
    std::array<std::uint8_t, 201> ReservedText{}; // kept byte for byte as read
    ShortString<200> PresetFileName;
    ShortString<200> ActiveLibrary;
    std::int32_t EqualizerEnabled = 0;

    bool operator==(const TConfRecord&) const = default;
};

} // namespace kavrel::core
