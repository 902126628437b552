#pragma once
// Every control of the main window with its place in the built-in layout (left, top, width, height). The
// image buttons carry the size of their shipped pictures. One list, so the control names, their order and
// their built-in places cannot drift apart.
//
// X(name, left, top, width, height)
#define KAVREL_MAIN_WINDOW_CONTROLS(X)                                                                       \
    /* frame */                                                                                              \
    X(ImgVerhLEvo, 7, 7, 268, 48)                                                                            \
    X(ImgVerhCenter, 270, 7, 173, 48)                                                                        \
    X(ImgVerhPravo, 442, 7, 240, 48)                                                                         \
    X(imgLeftLine, 7, 55, 12, 394)                                                                           \
    X(imgRigthLine, 672, 54, 10, 393)                                                                        \
    X(ImgNizLevo, 7, 446, 268, 57)                                                                           \
    X(ImgNizCenter, 275, 446, 172, 57)                                                                       \
    X(ImgNizPravo, 442, 446, 240, 57)                                                                        \
    /* title and upper bar */                                                                                \
    X(Label3, 68, 12, 431, 13)                                                                               \
    X(ImgMark, 20, 30, 15, 14)                                                                               \
    X(TimeSKRL, 36, 29, 202, 15)                                                                             \
    X(StaticText1, 241, 30, 91, 13)                                                                          \
    X(StaticText2, 339, 30, 111, 13)                                                                         \
    X(StaticText3, 339, 30, 111, 13)                                                                         \
    X(VolumeSKRL, 455, 29, 202, 15)                                                                          \
    X(ImgSleep, 655, 30, 13, 14)                                                                             \
    X(ImgOptSleep, 669, 30, 10, 14)                                                                          \
    X(MarkL, 106, 29, 2, 15)                                                                                 \
    X(MarkR, 144, 29, 2, 15)                                                                                 \
    /* top-right buttons */                                                                                  \
    X(ImgCDmp3Libr, 498, 13, 90, 14)                                                                         \
    X(ImgTray, 592, 10, 12, 12)                                                                              \
    X(ImgMini, 609, 10, 12, 12)                                                                              \
    X(ImgVniz, 626, 10, 12, 12)                                                                              \
    X(ImgFullScreen, 643, 10, 12, 12)                                                                        \
    X(ImgClose, 660, 10, 12, 12)                                                                             \
    /* column headers */                                                                                     \
    X(ImgRusArt, 19, 48, 66, 14)                                                                             \
    X(ImgPolosaLeftArt, 80, 48, 29, 14)                                                                      \
    X(ImgLsrtSortBy, 107, 48, 56, 14)                                                                        \
    X(ImgAlbAlboms, 177, 48, 66, 14)                                                                         \
    X(ImgPolosaAlb, 232, 48, 43, 14)                                                                         \
    X(ImgAblSortBy, 273, 48, 56, 14)                                                                         \
    X(ImgPlayListAZ, 357, 48, 66, 14)                                                                        \
    X(ImgPolosaPlist, 418, 48, 33, 14)                                                                       \
    X(ImgPlistSortBy, 450, 48, 56, 14)                                                                       \
    X(ImgEng, 521, 48, 66, 14)                                                                               \
    X(ImgingCenter, 586, 48, 29, 14)                                                                         \
    X(ImgEngSortBy, 613, 48, 56, 14)                                                                         \
    /* column 1, left artists */                                                                             \
    X(ListBox1, 17, 64, 150, 385)                                                                            \
    X(QelScrollerVr1, 165, 46, 10, 423)                                                                      \
    /* column 2, albums over songs */                                                                        \
    X(ListBox3, 179, 66, 150, 177)                                                                           \
    X(QelScrollerVr3, 331, 46, 10, 199)                                                                      \
    X(ImgSongSongs, 181, 244, 66, 14)                                                                        \
    X(ImgPolosaSong, 247, 244, 30, 14)                                                                       \
    X(ImgSongSortBy, 273, 244, 56, 14)                                                                       \
    X(ListBox4, 179, 260, 150, 209)                                                                          \
    X(QelScrollerVr4, 331, 244, 10, 227)                                                                     \
    /* column 3, playlist */                                                                                 \
    X(ImgLeftPlist, 350, 64, 20, 22)                                                                         \
    X(ImgCenterPlist, 370, 64, 119, 22)                                                                      \
    X(ImgRigthPlist, 478, 64, 27, 22)                                                                        \
    X(Img2Pl1, 377, 65, 109, 22)                                                                             \
    X(Img2CD, 377, 65, 109, 22)                                                                              \
    X(Img2PL2, 377, 65, 109, 22)                                                                             \
    X(ListBox5, 355, 86, 150, 384)                                                                           \
    X(QelScrollerVr5, 343, 46, 10, 425)                                                                      \
    /* column 4, right artists */                                                                            \
    X(ListBox2, 520, 64, 150, 385)                                                                           \
    X(QelScrollerVr2, 508, 46, 10, 423)                                                                      \
    /* lower bar, left */                                                                                    \
    X(ImgPlayPause, 14, 462, 29, 29)                                                                         \
    X(ImgStop, 44, 468, 25, 23)                                                                              \
    X(ImgPrev, 70, 470, 23, 21)                                                                              \
    X(ImgNext, 94, 472, 21, 19)                                                                              \
    X(ImgAnStr, 116, 474, 9, 16)                                                                             \
    X(ImgAn, 126, 473, 21, 18)                                                                               \
    X(ImgVis, 148, 474, 19, 17)                                                                              \
    X(ImgVisStr, 168, 475, 11, 16)                                                                           \
    X(ImgCmdPref, 180, 475, 21, 16)                                                                          \
    /* lower bar, centre: one slot shared by the command line and the analyser */                            \
    X(CmdSearch, 202, 476, 288, 17)                                                                          \
    X(PaintFrame, 202, 476, 288, 17)                                                                         \
    X(Gauge1, 202, 476, 288, 17)                                                                             \
    X(pnlSpectrum, 202, 477, 289, 16)                                                                        \
    /* lower bar, right */                                                                                   \
    X(ImgRepStr, 492, 475, 9, 16)                                                                            \
    X(ImgRepeat, 502, 475, 21, 16)                                                                           \
    X(ImgUndo, 524, 474, 19, 17)                                                                             \
    X(ImgShuffle, 544, 473, 19, 18)                                                                          \
    X(ImgShuffStr, 564, 472, 11, 16)                                                                         \
    X(ImgHelp, 576, 472, 21, 19)                                                                             \
    X(ImgEqualizer, 598, 470, 21, 21)                                                                        \
    X(ImgLibrary, 620, 468, 25, 23)                                                                          \
    X(ImgPref, 646, 462, 29, 29)
