#include "ui/controls/built_in_pictures.h"
#include "ui/controls/mega_image.h"
#include "ui/controls/picture_swaps.h"
#include "widget_events.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <initializer_list>
#include <string>
#include <vector>

namespace kavrel::ui {
namespace {

using test::sendEnter;
using test::sendLeave;
using test::sendMouse;

constexpr QSize ButtonSize(20, 10);

// Slot n holds a picture filled with a colour that names it; the built-in picture is black.
QImage slotPicture(int slot) {
    QImage image(ButtonSize, QImage::Format_RGB32);
    image.fill(QColor(slot * 40, 255 - slot * 40, 7));
    return image;
}

QImage builtIn() {
    QImage image(ButtonSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// The slot whose picture is on screen; 0 for the built-in picture.
int shownSlot(const TMegaImage& button) {
    for (int slot = 1; slot <= TMegaImage::SlotCount; ++slot)
        if (button.hasSlot(slot) && button.picture() == button.slot(slot))
            return slot;
    return 0;
}

struct Button {
    explicit Button(std::initializer_list<int> filled, bool changePictures = true) {
        widget.setPicture(builtIn());
        for (int slot : filled)
            widget.setSlot(slot, slotPicture(slot));
        widget.setChangePictures(changePictures);
    }
    TMegaImage widget;
};

enum class Step { Enter, Leave, Press, ReleaseInside, ReleaseOutside, ReleaseOnEdge };

void run(TMegaImage& button, Step step) {
    switch (step) {
    case Step::Enter:
        return sendEnter(button);
    case Step::Leave:
        return sendLeave(button);
    case Step::Press:
        return sendMouse(button, QEvent::MouseButtonPress, QPoint(3, 3));
    case Step::ReleaseInside:
        return sendMouse(button, QEvent::MouseButtonRelease, QPoint(3, 3));
    case Step::ReleaseOutside:
        return sendMouse(button, QEvent::MouseButtonRelease, QPoint(button.width() + 1, 3));
    case Step::ReleaseOnEdge:
        return sendMouse(button, QEvent::MouseButtonRelease, QPoint(button.width(), button.height()));
    }
}

struct SwapCase {
    std::string name;
    std::vector<int> filled;
    bool changePictures;
    int addToNom;
    int restSlot;
    // Each step and the slot shown after it.
    std::vector<std::pair<Step, int>> steps;
};

class MegaImageSwap : public ::testing::TestWithParam<SwapCase> {};

TEST_P(MegaImageSwap, ShowsTheExpectedSlotAfterEachStep) {
    const SwapCase& c = GetParam();
    TMegaImage button;
    button.setPicture(builtIn());
    for (int slot : c.filled)
        button.setSlot(slot, slotPicture(slot));
    button.setChangePictures(c.changePictures);
    button.setAddToNom(c.addToNom);
    button.setNomPicRealVid(c.restSlot);
    if (!c.filled.empty() && c.changePictures)
        button.showSlot(c.addToNom + c.restSlot);
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
        run(button, c.steps[i].first);
        EXPECT_EQ(shownSlot(button), c.steps[i].second) << "after step " << i;
    }
}

using enum Step;
INSTANTIATE_TEST_SUITE_P(
    Cases, MegaImageSwap,
    ::testing::Values(
        SwapCase{
            "ThreeStates", {1, 2, 3}, true, 0, 1, {{Enter, 2}, {Press, 3}, {ReleaseInside, 2}, {Leave, 1}}},
        SwapCase{"TwoPicturesKeepHoverWhilePressed",
                 {1, 2},
                 true,
                 0,
                 1,
                 {{Enter, 2}, {Press, 2}, {ReleaseOutside, 1}, {Leave, 1}}},
        SwapCase{"ReleaseOnRightAndBottomEdgeIsInside",
                 {1, 2, 3},
                 true,
                 0,
                 1,
                 {{Enter, 2}, {Press, 3}, {ReleaseOnEdge, 2}}},
        // A toggle that is on shows its off picture after a release outside, until the pointer passes
        // over it again; the leave Qt reports after that release is not a new leave.
        SwapCase{"ToggleOnReleasedOutside",
                 {1, 2, 3},
                 true,
                 0,
                 2,
                 {{Enter, 2}, {Press, 3}, {ReleaseOutside, 1}, {Leave, 1}, {Enter, 2}, {Leave, 2}}},
        SwapCase{"SecondLook",
                 {1, 2, 3, 4, 5, 6},
                 true,
                 3,
                 1,
                 {{Leave, 4}, {Enter, 5}, {Press, 6}, {ReleaseInside, 5}, {ReleaseOutside, 4}}},
        SwapCase{
            "MarkSetRestsOnItsSecondPicture", {1, 2, 3}, true, 1, 1, {{Enter, 3}, {Leave, 2}, {Press, 2}}},
        SwapCase{"ChangePicturesOffNeverSwaps",
                 {1, 2, 3},
                 false,
                 0,
                 1,
                 {{Enter, 0}, {Press, 0}, {ReleaseInside, 0}, {Leave, 0}, {ReleaseOutside, 0}}},
        SwapCase{"EmptySlotsAreNeverShown",
                 {},
                 true,
                 0,
                 1,
                 {{Enter, 0}, {Press, 0}, {ReleaseOutside, 0}, {Leave, 0}}}),
    [](const auto& info) { return info.param.name; });

TEST(MegaImage, NotifiesAfterTheSwapAndClicksOnlyInside) {
    Button button({1, 2, 3});
    int slotAtEnter = -1;
    int slotAtExit = -1;
    QObject::connect(&button.widget, &TMegaImage::OnMouseEnter,
                     [&] { slotAtEnter = shownSlot(button.widget); });
    QObject::connect(&button.widget, &TMegaImage::OnMouseExit,
                     [&] { slotAtExit = shownSlot(button.widget); });
    QSignalSpy clicks(&button.widget, &TMegaImage::clicked);

    sendEnter(button.widget);
    sendMouse(button.widget, QEvent::MouseButtonPress, QPoint(2, 2));
    sendMouse(button.widget, QEvent::MouseButtonRelease, QPoint(2, 2));
    sendMouse(button.widget, QEvent::MouseButtonPress, QPoint(2, 2));
    sendMouse(button.widget, QEvent::MouseButtonRelease, QPoint(-1, 2));
    sendEnter(button.widget);
    sendLeave(button.widget);

    EXPECT_EQ(slotAtEnter, 2);
    EXPECT_EQ(slotAtExit, 1);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(MegaImage, SizesItselfToThePictureItShows) {
    TMegaImage button;
    button.setPicture(builtInButtonPicture(QSize(12, 13)));
    EXPECT_EQ(button.size(), QSize(12, 13));
    QImage wide(30, 8, QImage::Format_RGB32);
    wide.fill(Qt::red);
    button.setSlot(1, wide);
    ASSERT_TRUE(button.showSlot(1));
    EXPECT_EQ(button.size(), QSize(30, 8));
    EXPECT_FALSE(button.showSlot(7));
    EXPECT_FALSE(button.hasSlot(0));
}

TEST(PictureSwaps, PlayAndPauseLooks) {
    Button button({1, 2, 3, 4, 5, 6});
    showPlayingLook(button.widget);
    EXPECT_EQ(shownSlot(button.widget), 4);
    EXPECT_EQ(button.widget.AddToNom(), 3);
    sendEnter(button.widget);
    EXPECT_EQ(shownSlot(button.widget), 5);

    showPlayLook(button.widget);
    EXPECT_EQ(shownSlot(button.widget), 1);
    EXPECT_EQ(button.widget.AddToNom(), 0);
}

TEST(PictureSwaps, ProgramSwapsIgnoreChangePictures) {
    Button toggle({1, 2, 3}, false);
    setToggleOn(toggle.widget, true);
    EXPECT_EQ(shownSlot(toggle.widget), 2);
    EXPECT_TRUE(isToggleOn(toggle.widget));
    setToggleOn(toggle.widget, false);
    EXPECT_EQ(shownSlot(toggle.widget), 1);
    EXPECT_EQ(toggle.widget.NomPicRealVid(), 1);

    Button selector({1, 2, 3}, false);
    for (const auto& [library, slot] :
         std::vector<std::pair<std::string, int>>{{"LBCD", 2}, {"LB2", 3}, {"LB1", 1}, {"LB7", 1}, {"", 1}}) {
        showLibraryChoice(selector.widget, library);
        EXPECT_EQ(shownSlot(selector.widget), slot) << library;
    }

    Button enabled({1, 2}, false);
    showEqualizerEnabled(enabled.widget, false);
    EXPECT_EQ(shownSlot(enabled.widget), 2);
    showEqualizerEnabled(enabled.widget, true);
    EXPECT_EQ(shownSlot(enabled.widget), 1);
}

TEST(PictureSwaps, MarkRestsOnMarkTwoWhileSet) {
    Button mark({1, 2, 3});
    setMarkLook(mark.widget, true);
    EXPECT_EQ(mark.widget.AddToNom(), 1);
    EXPECT_EQ(shownSlot(mark.widget), 2);
    setMarkLook(mark.widget, false);
    EXPECT_EQ(mark.widget.AddToNom(), 0);
    EXPECT_EQ(shownSlot(mark.widget), 1);
}

} // namespace
} // namespace kavrel::ui
