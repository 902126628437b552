#include "demo_parts.h"
#include "ui/controls/picture_swaps.h"
#include "ui/controls/skin_palette.h"
#include "ui/skin/skin_loader.h"
#include "window_mocks.h"

#include <QVBoxLayout>

namespace kavrel::demo {

namespace {

const QColor MiniBand = ui::colorFromRgbValue(5920431);

void loadSkin(QWidget& window, const ui::skin::SkinSet& set, const std::filesystem::path& skinRoot) {
    ui::skin::prepareSkinControls(window, set);
    PrintingSkinErrorReporter reporter;
    ui::skin::loadSkinSet(window, set, skinRoot, reporter);
}

ui::TQelScrollerH* placeMiniBar(QWidget& window, const QRect& at, int max, int position,
                                const QColor& thumb) {
    auto* bar = new ui::TQelScrollerH(&window);
    bar->setGeometry(at);
    bar->setThumbSize(25);
    bar->setMax(max);
    bar->setPosition(position);
    bar->setColorThumb(thumb);
    bar->setColorBand(MiniBand);
    return bar;
}

QWidget* miniPlayer(const std::filesystem::path& skinRoot, QWidget* parent) {
    auto* window = new MockWindow(QSize(733, 46), {{2, 2, 691, 24}}, parent);
    placeButtons(*window, {{"ImgPlayPause", 11, 6},
                           {"ImgStop", 29, 6},
                           {"ImgPrew", 47, 6},
                           {"ImgNext", 65, 6},
                           {"ImgPls", 455, 6},
                           {"ImgTray", 617, 5},
                           {"ImgNormal", 634, 5},
                           {"ImgMinimize", 652, 5},
                           {"ImgClose", 670, 5}});
    placeText(*window, {82, 7, 221, 13}, "Artist - Title", ui::colorFromRgbValue(13816530), MiniBand);
    placeText(*window, {303, 7, 149, 15}, "1:05/4:05...12:40/58:10", ui::colorFromRgbValue(13816530),
              MiniBand)
        ->setAlignment(Qt::AlignCenter);
    placeMiniBar(*window, {476, 7, 141, 8}, 245, 65, ui::colorFromRgbValue(4210752));
    placeMiniBar(*window, {476, 13, 141, 9}, 1000, 700, Qt::black);
    loadSkin(*window, ui::skin::miniPlayerSkin(), skinRoot);
    window->stackFrame();
    ui::showPlayingLook(*window->findChild<ui::TMegaImage*>("ImgPlayPause"));
    return window;
}

QWidget* miniPlaylist(const std::filesystem::path& skinRoot, QWidget* parent) {
    auto* window = new MockWindow(QSize(213, 291), {}, parent);
    auto* background = new QLabel(window);
    background->setObjectName("ImgFon");
    background->setGeometry(4, 0, 198, 280);
    background->setScaledContents(true);
    QStringList rows;
    for (int i = 1; i <= 30; ++i)
        rows << QStringLiteral("%1. Artist - Title %1").arg(i);
    auto* list = placeList(*window, {21, 13, 154, 254}, rows);
    list->SetItemFont(2, QColor(0x4c, 0xd0, 0x7a), "Pause", 0);
    list->setCurrentRow(2);
    auto* scroller = placeListScroller(*window, {177, 12, 10, 255}, 15, 4);
    scroller->setThumbSize(53);
    loadSkin(*window, ui::skin::miniPlaylistSkin(), skinRoot);
    return window;
}

QWidget* equalizer(const std::filesystem::path& skinRoot, QWidget* parent) {
    auto* window = new MockWindow(QSize(367, 187), {}, parent);
    auto* background = new QLabel(window);
    background->setObjectName("ImgFonEq");
    background->setGeometry(8, 4, 351, 158);
    const int gains[] = {3, 5, 8, 11, 13, 15, 16, 15, 14, 12, 10, 9, 10, 12, 14, 17};
    for (int band = 0; band < 17; ++band) {
        auto* slider = new ui::TQelScrollerVr(window);
        slider->setGeometry(band < 16 ? 60 + 18 * band : 30, 34, 10, 108);
        slider->setMax(30);
        slider->setPosition(band < 16 ? gains[band] : 15);
    }
    placeButtons(*window, {{"ImgEnabled", 24, 12}, {"ImgPreset", 72, 12}, {"ImgClose", 340, 10}});
    loadSkin(*window, ui::skin::equalizerSkin(), skinRoot);
    ui::showEqualizerEnabled(*window->findChild<ui::TMegaImage*>("ImgEnabled"), true);
    return window;
}

} // namespace

QWidget* makeSmallWindowMocks(const std::filesystem::path& skinRoot, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* column = new QVBoxLayout(page);
    column->addWidget(miniPlayer(skinRoot, page));
    auto* row = new QHBoxLayout;
    row->addWidget(miniPlaylist(skinRoot, page));
    row->addWidget(equalizer(skinRoot, page), 0, Qt::AlignTop);
    row->addStretch();
    column->addLayout(row);
    column->addStretch();
    return page;
}

} // namespace kavrel::demo
