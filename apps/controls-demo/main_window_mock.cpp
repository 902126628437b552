#include "demo_parts.h"
#include "ui/controls/picture_swaps.h"
#include "ui/controls/skin_palette.h"
#include "ui/skin/skin_loader.h"
#include "window_mocks.h"

#include "platform/fs/program_folder.h"

#include <QLineEdit>

namespace kavrel::demo {

namespace {

const std::vector<Placed> MainButtons = {
    {"ImgPlayPause", 14, 462},  {"ImgStop", 44, 468},       {"ImgPrev", 70, 470},
    {"ImgNext", 94, 472},       {"ImgAnStr", 116, 474},     {"ImgAn", 126, 473},
    {"ImgVis", 148, 474},       {"ImgVisStr", 168, 475},    {"ImgCmdPref", 180, 475},
    {"ImgRepStr", 492, 475},    {"ImgRepeat", 502, 475},    {"ImgUndo", 524, 474},
    {"ImgShuffle", 544, 473},   {"ImgShuffStr", 564, 472},  {"ImgHelp", 576, 472},
    {"ImgEqualizer", 598, 470}, {"ImgLibrary", 620, 468},   {"ImgPref", 646, 462},
    {"ImgClose", 660, 10},      {"ImgVniz", 626, 10},       {"ImgMini", 609, 10},
    {"ImgTray", 592, 10},       {"ImgMark", 20, 30},        {"ImgCDmp3Libr", 498, 13},
    {"ImgSleep", 655, 30},      {"ImgFullScreen", 643, 10}, {"ImgOptSleep", 669, 30},
};

QStringList numbered(const QString& stem, int count) {
    QStringList rows;
    for (int i = 1; i <= count; ++i)
        rows << QStringLiteral("%1 %2").arg(stem).arg(i);
    return rows;
}

ui::TQelScrollerH* placeBar(QWidget& window, const QRect& at, int max, int position, double scale) {
    auto* bar = new ui::TQelScrollerH(&window);
    bar->setGeometry(at);
    bar->setThumbSize(38);
    bar->setMax(max);
    bar->setPosition(position);
    bar->setVkoef(scale);
    bar->setRoundThumb(true);
    bar->setThumbShowText(true);
    bar->setColorBand(QColor(0x26, 0x27, 0x2c));
    bar->setColorThumb(ui::palette::accentDeep);
    return bar;
}

} // namespace

QWidget* makeMainWindowMock(const std::filesystem::path& skinRoot, QWidget* parent) {
    auto* window = new MockWindow(
        QSize(692, 513), {{7, 7, 675, 41}, {7, 55, 12, 394}, {672, 54, 10, 393}, {7, 446, 675, 57}}, parent);
    placeButtons(*window, MainButtons);
    for (const auto& [name, x] : {std::pair{"ImgRusArt", 19}, std::pair{"ImgEng", 521}}) {
        auto* header = new QLabel(window);
        header->setObjectName(name);
        header->setGeometry(x, 48, 66, 14);
    }

    placeText(*window, {68, 12, 431, 13}, "Artist - Album - Title", Qt::white,
              ui::colorFromRgbValue(6446516));
    placeBar(*window, {36, 29, 202, 15}, 245, 65, 0);
    placeText(*window, {241, 30, 91, 13}, "01:05/04:05", ui::palette::text, ui::palette::frame);
    placeText(*window, {339, 30, 111, 13}, "12:40/58:10", ui::palette::text, ui::palette::frame);
    placeBar(*window, {455, 29, 202, 15}, 1000, 700, 0.1);
    for (const auto& [text, x, width] : {std::tuple{"ALBUMS", 177, 66}, std::tuple{"PLAYLIST", 357, 66}})
        placeText(*window, {x, 48, width, 14}, text, ui::palette::text, Qt::black)
            ->setAlignment(Qt::AlignCenter);

    placeList(*window, {17, 64, 150, 385}, numbered("Artist", 30));
    placeListScroller(*window, {165, 46, 10, 423}, 7, 0);
    placeList(*window, {179, 66, 150, 177}, numbered("Album", 8))->setCurrentRow(2);
    placeListScroller(*window, {331, 46, 10, 199}, 0, 0);
    placeList(*window, {179, 260, 150, 209}, numbered("Song", 20));
    placeListScroller(*window, {331, 244, 10, 227}, 8, 3);
    placeText(*window, {377, 65, 109, 20}, "  PL1     CD     PL2", ui::palette::text, ui::palette::frame);
    auto* playlist = placeList(*window, {355, 86, 150, 384}, numbered("Track", 40));
    playlist->SetItemFont(3, QColor(0x4c, 0xd0, 0x7a), "Play", 0);
    placeListScroller(*window, {343, 46, 10, 425}, 17, 5);
    placeList(*window, {520, 64, 150, 385}, numbered("Artist", 12));
    placeListScroller(*window, {508, 46, 10, 423}, 0, 0);

    auto* command = new QLineEdit(window);
    command->setGeometry(202, 476, 288, 17);
    command->setPlaceholderText("search or command");
    command->setStyleSheet("background: black; color: #d2d2d2; border: 1px solid #45495a; font-size: 11px;");

    ui::skin::prepareSkinControls(*window, ui::skin::mainWindowSkin());
    PrintingSkinErrorReporter reporter;
    if (ui::skin::loadSkinSet(*window, ui::skin::mainWindowSkin(), skinRoot, reporter)) {
        const fs::ProgramFolder folder(skinRoot.parent_path());
        ui::skin::loadSkinPicture(*window->findChild<QLabel*>("ImgRusArt"), folder,
                                  ui::skin::ArtistHeaderRussian, reporter);
        ui::skin::loadSkinPicture(*window->findChild<QLabel*>("ImgEng"), folder,
                                  ui::skin::ArtistHeaderEnglish, reporter);
    }
    window->stackFrame();
    ui::showPlayingLook(*window->findChild<ui::TMegaImage*>("ImgPlayPause"));
    ui::setToggleOn(*window->findChild<ui::TMegaImage*>("ImgRepeat"), true);
    return window;
}

} // namespace kavrel::demo
