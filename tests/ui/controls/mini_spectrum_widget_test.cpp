#include "platform/fmod/fmod_rig.h"
#include "ui/controls/mini_spectrum_widget.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace std::chrono_literals;

class MiniSpectrumWidgetTest : public ::testing::Test {
protected:
    MiniSpectrumWidgetTest() { initialise(rig.fmod); }

    // How many pixels of columns [from, to) are nearly white.
    static int whitePixels(const QImage& image, int from, int to) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = from; x < to; ++x)
                if (qGray(image.pixel(x, y)) > 200)
                    ++count;
        return count;
    }

    FmodRig rig;
    engine::TMiniSpectrum control{rig.fmod};
};

TEST_F(MiniSpectrumWidgetTest, DisabledItShowsTheTextInTheMiddle) {
    QWidget panel;
    panel.resize(248, 17);
    ui::MiniSpectrumPanel placer(panel);
    placer.Place(control);
    ASSERT_NE(placer.widget(), nullptr);
    panel.show();
    const QImage image = placer.widget()->grab().toImage();
    EXPECT_EQ(image.size(), QSize(248, 17));
    EXPECT_GT(whitePixels(image, 60, 188), 20) << "the text is drawn";
    EXPECT_EQ(whitePixels(image, 0, 20), 0) << "centred, so the edges stay black";
    EXPECT_EQ(whitePixels(image, 228, 248), 0);
    placer.Place(control);
    EXPECT_EQ(panel.findChildren<ui::MiniSpectrumWidget*>().size(), 1) << "placed once";
}

TEST_F(MiniSpectrumWidgetTest, EnabledItPaintsTheBarsOfWhatPlays) {
    const auto tone = engineFixture("tone_1k.mp3").string();
    rig.fmod.FSOUND_Stream_Play(fmod::kFsoundFree,
                                rig.fmod.FSOUND_Stream_Open(tone.c_str(), fmod::kFsoundNormal, 0, 0));
    rig.run(300ms);
    ui::MiniSpectrumWidget widget(control);
    control.SetEnabled(true);
    const QImage image = widget.grab().toImage();
    EXPECT_EQ(image.pixel(5, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(5, 16), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(100, 16), qRgb(0, 0, 0));

    widget.show();
    widget.resize(120, 30);
    EXPECT_EQ(control.Width(), 120);
    EXPECT_EQ(control.Height(), 30);
}

} // namespace
} // namespace kavrel::test
