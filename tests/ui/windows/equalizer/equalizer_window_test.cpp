#include "ui/controls/picture_swaps.h"
#include "ui/controls/widget_events.h"
#include "ui/skin/skin_error_reporter.h"
#include "ui/windows/equalizer/t_equalizer.h"

#include <QAccessible>
#include <gtest/gtest.h>

#include <array>
#include <map>

namespace kavrel::test {
namespace {

using ui::TEqualizer;

class NoSkinErrors final : public ui::skin::SkinErrorReporter {
public:
    void reportSkinError(const QString& message) override { ADD_FAILURE() << message.toStdString(); }
};

// The gain table and the engine's state as the window leaves them.
class RecordingPort final : public ui::EqualizerPort {
public:
    bool enabled() const override { return on; }
    void setEnabled(bool value) override { on = value; }
    void setBandGain(int band, std::int32_t gain) override { gains[band] = gain; }
    void setBandGainAlways(int band, std::int32_t gain) override {
        gains[band] = gain;
        always[band] = gain;
    }

    bool on = false;
    std::map<int, std::int32_t> gains;
    std::map<int, std::int32_t> always;
};

class EqualizerWindowTest : public ::testing::Test {
protected:
    NoSkinErrors skinErrors;
    RecordingPort port;
    TEqualizer window{fs::ProgramFolder(KAVREL_DATA_DIR), skinErrors, port};
};

TEST_F(EqualizerWindowTest, ControlsStandWhereTheWindowPlacesThem) {
    EXPECT_EQ(window.size(), QSize(367, 187));
    EXPECT_EQ(window.ImgFonEq->geometry(), QRect(8, 4, 351, 158));
    for (int n = 1; n <= TEqualizer::BandCount; ++n)
        EXPECT_EQ(window.band(n)->geometry(), QRect(60 + (n - 1) * 18, 34, 10, 108)) << "band " << n;
    EXPECT_EQ(window.QelScrollerVr17->geometry(), QRect(30, 34, 10, 108));
    EXPECT_EQ(window.mask().boundingRect(), QRect(8, 4, 351, 158));
    EXPECT_FALSE(window.mask().contains(QPoint(8, 4))) << "the corners are rounded";
    EXPECT_TRUE(window.mask().contains(QPoint(20, 20)));
    const auto nameOf = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    EXPECT_EQ(nameOf(&window), "Equalizer");
    EXPECT_EQ(nameOf(window.band(1)), "80 Hz");
    EXPECT_EQ(nameOf(window.band(5)), "560 Hz");
    EXPECT_EQ(nameOf(window.band(16)), "16000 Hz");
    EXPECT_EQ(nameOf(window.ImgFonEq), "ImgFonEq") << "no control is nameless";
}

TEST_F(EqualizerWindowTest, SliderFiveToTheTopAndBottomSets560HzToItsLimits) {
    struct Case {
        int key;
        std::int32_t gain;
    };
    for (const Case& c : {Case{Qt::Key_Home, 15}, Case{Qt::Key_End, -15}}) {
        sendKey(*window.band(5), c.key);
        EXPECT_EQ(port.gains[5], c.gain);
        EXPECT_EQ(port.gains.size(), 1u) << "only band 5 moved";
    }
}

TEST_F(EqualizerWindowTest, TheSeventeenthSliderDoesNothing) {
    sendKey(*window.QelScrollerVr17, Qt::Key_Home);
    EXPECT_EQ(window.QelScrollerVr17->Position(), 0);
    EXPECT_TRUE(port.gains.empty());
}

TEST_F(EqualizerWindowTest, ResetWhileOffLeavesEveryGainAtZeroAndTheEqualizerOff) {
    std::array<std::int32_t, 20> stored{};
    stored[0] = 7;
    stored[4] = -12;
    stored[15] = 15;
    window.applyStartup(stored, false);
    sendMouse(*window.ImgPreset, QEvent::MouseButtonPress, {2, 2});
    sendMouse(*window.ImgPreset, QEvent::MouseButtonRelease, {2, 2});
    EXPECT_FALSE(port.on);
    ASSERT_EQ(port.gains.size(), 16u);
    for (const auto& [band, gain] : port.gains) {
        EXPECT_EQ(gain, 0) << "band " << band;
        EXPECT_EQ(window.band(band)->Position(), 15);
    }
    EXPECT_FALSE(ui::isToggleOn(*window.ImgEnabled));
}

TEST_F(EqualizerWindowTest, StartUpPutsStoredGainsOnSlidersAndEngineThenTheStoredState) {
    std::array<std::int32_t, 20> stored{};
    for (int i = 0; i < 16; ++i)
        stored[std::size_t(i)] = i - 8;
    window.applyStartup(stored, true);
    EXPECT_TRUE(port.on);
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(port.always[n], n - 9);
        EXPECT_EQ(window.band(n)->Position(), 15 - (n - 9));
    }
    EXPECT_EQ(window.ImgEnabled->picture(), window.ImgEnabled->slot(1)) << "on shows picture 1";
}

TEST_F(EqualizerWindowTest, EnabledTogglesTheEqualizerAndItsPicture) {
    for (bool expected : {true, false}) {
        sendMouse(*window.ImgEnabled, QEvent::MouseButtonPress, {2, 2});
        sendMouse(*window.ImgEnabled, QEvent::MouseButtonRelease, {2, 2});
        EXPECT_EQ(port.on, expected);
        EXPECT_EQ(window.ImgEnabled->picture(), window.ImgEnabled->slot(expected ? 1 : 2));
        // A screen reader hears the switch's state, not only its picture.
        const QAccessible::State state = QAccessible::queryAccessibleInterface(window.ImgEnabled)->state();
        EXPECT_TRUE(state.checkable);
        EXPECT_EQ(bool(state.checked), expected);
    }
}

TEST_F(EqualizerWindowTest, CloseHidesAndKeepsTheGains) {
    window.show();
    sendKey(*window.band(2), Qt::Key_Home);
    sendMouse(*window.ImgClose, QEvent::MouseButtonPress, {2, 2});
    sendMouse(*window.ImgClose, QEvent::MouseButtonRelease, {2, 2});
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.band(2)->Position(), 0);
    EXPECT_EQ(port.gains[2], 15);
}

} // namespace
} // namespace kavrel::test
