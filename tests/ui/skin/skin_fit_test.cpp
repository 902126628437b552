// The shipped pictures fit the windows' built-in layouts: placed at their positions, no button covers
// another button or a neighbouring control, and each stays inside its window's visible area.
#include "ui/skin/skin_tables.h"

#include <gtest/gtest.h>

#include <QRect>
#include <map>
#include <string>
#include <vector>

namespace kavrel::ui::skin {
namespace {

struct Neighbour {
    std::string name;
    QRect area;
};

std::vector<Neighbour> placedButtons(const SkinSet& set, const std::map<std::string, QPoint>& positions) {
    std::vector<Neighbour> placed;
    for (const SkinItem& item : set.items) {
        const auto at = positions.find(std::string(item.control));
        if (at != positions.end())
            placed.push_back({std::string(item.control), QRect(at->second, item.size)});
    }
    EXPECT_EQ(placed.size(), positions.size()) << "every position names a control of the set";
    return placed;
}

void expectFit(const std::vector<Neighbour>& buttons, const std::vector<Neighbour>& others,
               const QRect& visible) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_TRUE(visible.contains(buttons[i].area)) << buttons[i].name;
        for (std::size_t j = i + 1; j < buttons.size(); ++j)
            EXPECT_FALSE(buttons[i].area.intersects(buttons[j].area))
                << buttons[i].name << " " << buttons[j].name;
        for (const Neighbour& other : others)
            EXPECT_FALSE(buttons[i].area.intersects(other.area)) << buttons[i].name << " " << other.name;
    }
}

TEST(SkinFit, MainWindowButtonsFitTheBuiltInLayout) {
    const std::map<std::string, QPoint> positions = {
        {"ImgPlayPause", {14, 462}},  {"ImgStop", {44, 468}},       {"ImgPrev", {70, 470}},
        {"ImgNext", {94, 472}},       {"ImgAnStr", {116, 474}},     {"ImgAn", {126, 473}},
        {"ImgVis", {148, 474}},       {"ImgVisStr", {168, 475}},    {"ImgCmdPref", {180, 475}},
        {"ImgRepStr", {492, 475}},    {"ImgRepeat", {502, 475}},    {"ImgUndo", {524, 474}},
        {"ImgShuffle", {544, 473}},   {"ImgShuffStr", {564, 472}},  {"ImgHelp", {576, 472}},
        {"ImgEqualizer", {598, 470}}, {"ImgLibrary", {620, 468}},   {"ImgPref", {646, 462}},
        {"ImgCDmp3Libr", {498, 13}},  {"ImgTray", {592, 10}},       {"ImgMini", {609, 10}},
        {"ImgVniz", {626, 10}},       {"ImgFullScreen", {643, 10}}, {"ImgClose", {660, 10}},
        {"ImgMark", {20, 30}},        {"ImgSleep", {655, 30}},      {"ImgOptSleep", {669, 30}},
    };
    // The title strip and the volume bar already touch the library selector and the sleep button in the
    // layout itself, so they are left out.
    const std::vector<Neighbour> others = {{"CmdSearch", {202, 476, 288, 17}},
                                           {"TimeSKRL", {36, 29, 202, 15}},
                                           {"StaticText1", {241, 30, 91, 13}},
                                           {"StaticText2", {339, 30, 111, 13}},
                                           {"column headers", {19, 48, 650, 14}}};
    expectFit(placedButtons(mainWindowSkin(), positions), others, QRect(QPoint(7, 7), QPoint(681, 502)));
}

TEST(SkinFit, MiniPlayerButtonsFitTheBuiltInLayout) {
    const std::map<std::string, QPoint> positions = {
        {"ImgPlayPause", {11, 6}}, {"ImgStop", {29, 6}},      {"ImgPrew", {47, 6}},
        {"ImgNext", {65, 6}},      {"ImgPls", {455, 6}},      {"ImgTray", {617, 5}},
        {"ImgNormal", {634, 5}},   {"ImgMinimize", {652, 5}}, {"ImgClose", {670, 5}},
    };
    const std::vector<Neighbour> others = {{"Label3", {82, 7, 221, 13}},
                                           {"StaticText1", {303, 7, 149, 15}},
                                           {"SCRLtimeMIN", {476, 7, 141, 8}},
                                           {"SCRLvolumeMIN", {476, 13, 141, 9}},
                                           {"ImgRigth", {682, 2, 11, 24}}};
    expectFit(placedButtons(miniPlayerSkin(), positions), others, QRect(10, 2, 673, 24));
}

} // namespace
} // namespace kavrel::ui::skin
