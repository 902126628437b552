#include "ui/lang/language_tables.h"

namespace kavrel::ui::lang {

namespace {

constexpr LineTarget hint(int line, std::string_view control) {
    return {line, TargetKind::Hint, control};
}
constexpr LineTarget menu(int line, std::string_view item) {
    return {line, TargetKind::MenuItem, item};
}
constexpr LineTarget caption(int line, std::string_view control) {
    return {line, TargetKind::Caption, control};
}
constexpr LineTarget windowTitle(int line) {
    return {line, TargetKind::Caption, {}};
}
constexpr LineTarget choice(int line, std::string_view group, int choice) {
    return {line, TargetKind::RadioChoice, group, choice};
}
constexpr LineTarget state(int line, std::string_view button, int slot) {
    return {line, TargetKind::StateText, button, 0, slot};
}
constexpr LineTarget pageTree(int line, int entry) {
    return {line, TargetKind::PageTreeLabel, kPageTreeName, entry};
}

constexpr LineTarget mainLines[] = {
    hint(1, "ImgTray"),
    hint(2, "ImgMini"),
    hint(3, "ImgVniz"),
    hint(4, "ImgFullScreen"),
    hint(5, "ImgClose"),
    hint(6, "ImgMark"),
    hint(7, "VolumeSKRL"),
    hint(8, "ImgSleep"),
    hint(9, "ImgOptSleep"),
    hint(10, "ImgAblSortBy"),
    menu(11, "mByyear"),
    menu(12, "mByAz"),
    hint(13, "ImgSongSortBy"),
    menu(14, "mByNomSong"),
    menu(15, "mByAZsong"),
    hint(16, "ImgPlistSortBy"),
    menu(17, "ByTitle1"),
    menu(18, "ByArtist1"),
    menu(19, "ByAlbom1"),
    menu(20, "ByFileName1"),
    hint(21, "ImgPlayListAZ"),
    menu(22, "ClearPlayList1"),
    menu(23, "SavePlaylist1"),
    menu(24, "LoadPlaylist1"),
    menu(25, "Queic1"),
    menu(26, "Enabled1"),
    menu(27, "PlayListFileCoper2"),
    hint(28, "ImgPlayPause"),
    hint(29, "ImgStop"),
    hint(30, "ImgPrev"),
    hint(31, "ImgNext"),
    hint(32, "ImgAnStr"),
    hint(33, "ImgAn"),
    hint(34, "ImgVis"),
    hint(35, "ImgVisStr"),
    hint(36, "ImgCmdPref"),
    menu(37, "mArtist"),
    menu(38, "mAlbum"),
    menu(39, "mAlbomInAllLibrary"),
    menu(40, "mAlbomInActivArtist"),
    menu(41, "mSong"),
    menu(42, "mSongInAllLibrary"),
    menu(43, "mSongInActivArtist"),
    menu(44, "mSongInActiveAlbum"),
    menu(45, "Options3"),
    menu(46, "mStartAt"),
    menu(47, "mConsistof"),
    hint(48, "CmdSearch"),
    hint(49, "ImgRepStr"),
    menu(50, "mRepeatOneSong"),
    menu(51, "mRepeatAllPlayList"),
    hint(52, "ImgRepeat"),
    hint(53, "ImgUndo"),
    hint(54, "ImgShuffle"),
    hint(55, "ImgShuffStr"),
    menu(56, "mShuffLib"),
    menu(57, "mShuffRus"),
    menu(58, "mShuffEng"),
    menu(59, "mShuffActArt"),
    menu(60, "mShuffActAlb"),
    menu(61, "mShuffLib100"),
    menu(62, "mShuffRus100"),
    menu(63, "mShuffEng100"),
    menu(64, "mShuffPlist"),
    menu(65, "Options2"),
    hint(66, "ImgHelp"),
    hint(67, "ImgEqualizer"),
    hint(68, "ImgLibrary"),
    menu(69, "ClearLibraryandAdddir1"),
    menu(70, "Adddirectory1"),
    menu(71, "RefreshLibrary1"),
    hint(72, "ImgPref"),
    menu(73, "SHowfilelocation1"),
    menu(74, "MenuItem1"),
    menu(75, "PlayListFileCoper1"),
};

constexpr LineTarget miniLines[] = {
    hint(1, "ImgPlayPause"), hint(2, "ImgStop"),        hint(3, "ImgPrew"),   hint(4, "ImgNext"),
    hint(5, "ImgPls"),       hint(6, "ImgTray"),        hint(7, "ImgNormal"), hint(8, "ImgMinimize"),
    hint(9, "ImgClose"),     hint(10, "SCRLvolumeMIN"),
};

// The page tree's labels follow the captions of the pages they open; the last page has no caption line.
constexpr LineTarget preferencesLines[] = {
    windowTitle(1),
    caption(2, "oGeneral"),
    caption(3, "GroupBox15"),
    caption(4, "GroupBox35"),
    caption(5, "En_Bass"),
    caption(6, "En_Fmod"),
    caption(7, "En_Apollo"),
    caption(8, "En_Foobar"),
    caption(9, "GroupBox38"),
    caption(10, "GroupBox39"),
    caption(11, "GLanguage"),
    choice(12, "GLanguage", 1),
    choice(13, "GLanguage", 2),
    caption(14, "Button1"),
    caption(15, "oLoadpleer"),
    caption(16, "O_Run_Playlist"),
    choice(17, "O_Run_Playlist", 1),
    choice(18, "O_Run_Playlist", 2),
    choice(19, "O_Run_Playlist", 3),
    caption(20, "GroupBox13"),
    caption(21, "O_Run_Refresh"),
    caption(22, "GroupBox14"),
    caption(23, "O_Run_Position"),
    choice(24, "O_Run_Position", 1),
    choice(25, "O_Run_Position", 2),
    caption(26, "O_Run_Size"),
    choice(27, "O_Run_Size", 1),
    choice(28, "O_Run_Size", 2),
    choice(29, "O_Run_Size", 3),
    caption(30, "O_Run_Kiind"),
    choice(31, "O_Run_Kiind", 1),
    choice(32, "O_Run_Kiind", 2),
    choice(33, "O_Run_Kiind", 3),
    caption(34, "O_Run_Volume"),
    choice(35, "O_Run_Volume", 1),
    choice(36, "O_Run_Volume", 2),
    caption(37, "oArtistPanel"),
    caption(38, "Art_Pnl_Distribution"),
    choice(39, "Art_Pnl_Distribution", 1),
    choice(40, "Art_Pnl_Distribution", 2),
    caption(41, "Art_Pnl_Orientation"),
    choice(42, "Art_Pnl_Orientation", 1),
    choice(43, "Art_Pnl_Orientation", 2),
    caption(44, "GroupBox3"),
    caption(45, "GroupBox29"),
    caption(46, "GroupBox30"),
    caption(47, "Left_Indexin"),
    caption(48, "GroupBox6"),
    caption(49, "Left_OnDb_E"),
    caption(50, "Left_OnDb_E_P"),
    caption(51, "Left_OnDb_A_P"),
    caption(52, "Left_OnDb_A"),
    caption(53, "GroupBox2"),
    caption(54, "GroupBox32"),
    caption(55, "GroupBox33"),
    caption(56, "Right_Indexin"),
    caption(57, "GroupBox7"),
    caption(58, "Right_OnDb_E"),
    caption(59, "Right_OnDb_E_P"),
    caption(60, "Right_OnDb_A_P"),
    caption(61, "Right_OnDb_A"),
    caption(62, "oAtherPanels"),
    caption(63, "GroupBox8"),
    caption(64, "GroupBox23"),
    caption(65, "GroupBox24"),
    caption(66, "Albom_Indexin"),
    caption(67, "GroupBox9"),
    caption(68, "Albom_OnDb_E"),
    caption(69, "Albom_OnDb_E_P"),
    caption(70, "Albom_OnDb_A_P"),
    caption(71, "Albom_OnDb_A"),
    caption(72, "GroupBox1"),
    caption(73, "GroupBox26"),
    caption(74, "GroupBox27"),
    caption(75, "Song_Indexin"),
    caption(76, "GroupBox10"),
    caption(77, "Song_OnDb_E"),
    caption(78, "Song_OnDb_E_P"),
    caption(79, "Song_OnDb_A_P"),
    caption(80, "Song_OnDb_A"),
    caption(81, "GroupBox4"),
    caption(82, "GroupBox18"),
    caption(83, "GroupBox19"),
    caption(84, "GroupBox20"),
    caption(85, "GroupBox22"),
    caption(86, "Name_PlayList_T"),
    caption(87, "Name_PlayList_A_T"),
    caption(88, "PlayList_Indexin"),
    caption(89, "oQuickPlay"),
    caption(90, "GroupBox16"),
    caption(91, "Label15"),
    caption(92, "Label14"),
    caption(93, "TabSheet1"),
    caption(94, "GroupBox36"),
    caption(95, "Label1"),
    caption(96, "Label2"),
    caption(97, "Label3"),
    caption(98, "Label5"),
    caption(99, "Label6"),
    pageTree(2, 1),
    pageTree(15, 2),
    pageTree(37, 3),
    pageTree(62, 4),
    pageTree(89, 5),
    pageTree(93, 6),
    pageTree(100, 7),
};

// Lines 33..37 are reserved: read with the rest and shown nowhere.
constexpr LineTarget copierLines[] = {
    windowTitle(1),
    caption(2, "GroupBox11"),
    caption(3, "S_Copy_Artist"),
    choice(4, "S_Copy_Artist", 1),
    choice(5, "S_Copy_Artist", 2),
    caption(6, "S_Copy_Albom"),
    choice(7, "S_Copy_Albom", 1),
    choice(8, "S_Copy_Albom", 2),
    choice(9, "S_Copy_Albom", 3),
    caption(10, "S_Copy_Title"),
    choice(11, "S_Copy_Title", 1),
    choice(12, "S_Copy_Title", 2),
    choice(13, "S_Copy_Title", 3),
    choice(14, "S_Copy_Title", 4),
    choice(15, "S_Copy_Title", 5),
    caption(16, "GroupBox12"),
    caption(17, "GroupBox4"),
    state(18, "Button2", 0), // start button: no copy runs
    state(19, "Button2", 1), // start button: a copy runs
    state(20, "Button1", 0), // pause button: the copy runs
    state(21, "Button1", 1), // pause button: the copy is paused
    caption(22, "GroupBox1"),
    caption(23, "GroupBox2"),
    caption(24, "Label1"),
    caption(25, "Label7"),
    caption(26, "Label3"),
    caption(27, "Label8"),
    caption(28, "GroupBox3"),
    caption(29, "Label2"),
    caption(30, "Label5"),
    caption(31, "Label4"),
    caption(32, "Label6"),
};

constexpr LineTarget libraryBuildLines[] = {
    windowTitle(1),
    caption(2, "GroupBox3"),
    caption(3, "GroupBox5"),
    caption(4, "Button3"),
    caption(5, "Button2"),
    caption(6, "GroupBox4"),
    caption(7, "RadioButton1"),
    caption(8, "RadioButton2"),
    caption(9, "GroupBox6"),
    caption(10, "mp3"),
    caption(11, "ogg"),
    caption(12, "wma"),
    state(13, "Button1", 0), // start button: idle
    state(14, "Button1", 1), // start button: a build runs
    state(15, "Button4", 0), // pause button: the build runs
    state(16, "Button4", 1), // pause button: the build is paused
    caption(17, "GroupBox2"),
    caption(18, "Label2"),
    caption(19, "Label1"),
    caption(20, "Label3"),
    caption(21, "Label4"),
    caption(22, "Label5"),
    caption(23, "GroupBox1"),
    caption(24, "FindingFiles"),
    caption(25, "ScaningTags"),
    caption(26, "PerformingTags"),
    caption(27, "SortingTags"),
    caption(28, "SavingTagsToLibrary"),
    caption(29, "UpdatingLibrary"),
};

constexpr std::array<LanguageFileTable, kLanguageWindowCount> tables{{
    {LanguageWindow::Main, "main.plf", 75, mainLines},
    {LanguageWindow::Mini, "mini.plf", 10, miniLines},
    {LanguageWindow::Preferences, "Preferences.plf", 100, preferencesLines},
    {LanguageWindow::Copier, "File_Coper.plf", 37, copierLines},
    {LanguageWindow::LibraryBuild, "Tager.plf", 29, libraryBuildLines},
}};

} // namespace

const std::array<LanguageFileTable, kLanguageWindowCount>& languageFileTables() {
    return tables;
}

} // namespace kavrel::ui::lang
