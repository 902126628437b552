#include "engine/mini_spectrum.h"
#include "platform/fmod/fmod_rig.h"

#include <gtest/gtest.h>

#include <string>

namespace kavrel::test {
namespace {

using engine::Colour;
using engine::PixelBuffer;
using engine::TMiniSpectrum;
using namespace std::chrono_literals;

constexpr Colour kRed = 0x0000FF;
constexpr Colour kYellow = 0x00FFFF;

// Marks the box it was given and remembers what it was asked to write.
class RecordingText final : public engine::SpectrumText {
public:
    void DrawCentred(PixelBuffer& target, std::string_view text, Colour colour) override {
        written = std::string(text);
        this->colour = colour;
        target.setPixel(target.width() / 2, target.height() / 2, colour);
    }
    std::string written;
    Colour colour = 0;
};

class TMiniSpectrumTest : public ::testing::Test {
protected:
    TMiniSpectrumTest() {
        initialise(rig.fmod);
        const auto tone = engineFixture("tone_1k.mp3").string();
        rig.fmod.FSOUND_Stream_Play(fmod::kFsoundFree,
                                    rig.fmod.FSOUND_Stream_Open(tone.c_str(), fmod::kFsoundNormal, 0, 0));
        rig.run(300ms);
    }

    PixelBuffer paint() {
        PixelBuffer box(TMiniSpectrum::kDefaultWidth, TMiniSpectrum::kDefaultHeight, 0x123456);
        mini.Paint(box, text);
        return box;
    }
    // Rows of column x that are not the background, counted from the bottom up.
    static int barHeight(const PixelBuffer& box, int x) {
        int rows = 0;
        while (rows < box.height() && box.pixel(x, box.height() - 1 - rows) != 0)
            ++rows;
        return rows;
    }

    FmodRig rig;
    TMiniSpectrum mini{rig.fmod};
    RecordingText text;
};

TEST_F(TMiniSpectrumTest, TheBarStripRunsFromRedToYellowWithADarkGap) {
    EXPECT_EQ(mini.BarStrip.width(), 4);
    ASSERT_EQ(mini.BarStrip.height(), 17);
    EXPECT_EQ(mini.BarStrip.pixel(0, 0), kRed);
    EXPECT_EQ(mini.BarStrip.pixel(2, 8), 0x0080FFu) << "orange: red 255, green 128";
    EXPECT_EQ(mini.BarStrip.pixel(1, 16), kYellow);
    for (int row = 0; row < 17; ++row)
        EXPECT_EQ(mini.BarStrip.pixel(3, row), 0u) << row;
}

TEST_F(TMiniSpectrumTest, DisabledItShowsOnlyTheTextAndTheFftUnitRests) {
    const PixelBuffer box = paint();
    EXPECT_EQ(text.written, "Click for spectrum");
    EXPECT_EQ(text.colour, 0xFFFFFFu);
    EXPECT_EQ(box.pixel(124, 8), 0xFFFFFFu);
    EXPECT_EQ(box.pixel(5, 16), 0u) << "no bars, the control's black elsewhere";
    EXPECT_EQ(rig.fmod.FSOUND_DSP_GetSpectrum()[23], 0.0f);
}

TEST_F(TMiniSpectrumTest, AOneKilohertzToneStandsInItsColumnsInStyleZero) {
    mini.SetEnabled(true);
    const PixelBuffer box = paint();
    EXPECT_EQ(text.written, "") << "no text while enabled";
    // 1000 Hz lies in FFT bin 23, folded with bins 20..23 into level 5; its window spills into bin 24.
    for (const int x : {5, 6}) {
        EXPECT_EQ(barHeight(box, x), 17) << x;
        EXPECT_EQ(box.pixel(x, 0), kRed);
        EXPECT_EQ(box.pixel(x, 16), kYellow);
    }
    for (int x = 12; x < box.width(); ++x)
        ASSERT_EQ(barHeight(box, x), 0) << x;
    EXPECT_FLOAT_EQ(mini.Levels[5], 1.0f) << "capped";
}

TEST_F(TMiniSpectrumTest, StyleOneDrawsFourPixelBarsAtEveryFourthColumn) {
    mini.SetEnabled(true);
    mini.SetStyle(1);
    const PixelBuffer box = paint();
    // Levels 4..7 hold the tone; their bar stands at x = 7 .. 10 with the strip's dark fourth column.
    for (int x = 7; x < 10; ++x) {
        EXPECT_EQ(barHeight(box, x), 17) << x;
        EXPECT_EQ(box.pixel(x, 0), kRed);
    }
    EXPECT_EQ(box.pixel(10, 16), 0u);
    EXPECT_EQ(barHeight(box, 3), 0) << "levels 0..3 are too quiet to show";
    for (int x = 15; x < box.width(); ++x)
        ASSERT_EQ(barHeight(box, x), 0) << x;
}

TEST_F(TMiniSpectrumTest, ScaleSetsTheHeightAndAStyleChangeClearsTheLevels) {
    mini.SetEnabled(true);
    mini.Scale = 2.0f; // the tone reads about 0.25: half the height
    const PixelBuffer box = paint();
    EXPECT_GE(barHeight(box, 5), 7);
    EXPECT_LE(barHeight(box, 5), 10);
    EXPECT_EQ(box.pixel(5, 16), kYellow) << "the strip's bottom rows";

    ASSERT_GT(mini.Levels[5], 0.0f);
    mini.SetStyle(1);
    EXPECT_EQ(mini.Levels[5], 0.0f);
}

TEST_F(TMiniSpectrumTest, ResizingResizesThePictureAndRepaintRequestsReachTheWindow) {
    int requests = 0;
    mini.SetInvalidateHandler([&] { ++requests; });
    mini.Resize(100, 30);
    EXPECT_EQ(mini.DrawBitmap.width(), 100);
    EXPECT_EQ(mini.DrawBitmap.height(), 30);
    mini.SetEnabled(true);
    EXPECT_EQ(requests, 2);

    PixelBuffer box(100, 30);
    mini.Paint(box, text);
    EXPECT_EQ(barHeight(box, 5), 30) << "a full bar fills the taller control";
    EXPECT_EQ(box.pixel(5, 29), kYellow);
}

} // namespace
} // namespace kavrel::test
