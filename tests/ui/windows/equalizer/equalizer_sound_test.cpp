// The window's slider heard through the engine: the two-tone fixture on the capture sink.
#include "platform/bass/audio_rig.h"
#include "ui/controls/widget_events.h"
#include "ui/skin/skin_error_reporter.h"
#include "ui/windows/equalizer/master_engine_equalizer.h"
#include "ui/windows/equalizer/t_equalizer.h"

#include <gtest/gtest.h>

#include <array>

namespace kavrel::test {
namespace {

using namespace std::chrono_literals;

class IgnoredSkinErrors final : public ui::skin::SkinErrorReporter {
public:
    void reportSkinError(const QString&) override {}
};

struct Tones {
    double low;  // 230 Hz, band 3
    double high; // 6000 Hz, band 11
};

TEST(EqualizerSound, RaisingOneBandFromItsSliderLiftsThatToneOnly) {
    AudioRig rig;
    engine::TMasterEngine facade{rig.library, 0};
    facade.SelectEngine(engine::kEngineBass);
    facade.SetVolume(250); // the boosted tone stays below clipping
    std::array<std::int32_t, 20> gains{};
    ui::MasterEngineEqualizer port(facade, gains);
    IgnoredSkinErrors skinErrors;
    ui::TEqualizer window(fs::ProgramFolder(KAVREL_DATA_DIR), skinErrors, port);
    window.applyStartup(gains, true);

    facade.Play(engineFixture("two_tones.mp3").string(), 0, false);
    const auto listen = [&] {
        facade.SetPosition(0);
        rig.run(100ms); // the gain glide and the decoder start
        const auto block = leftChannel(rig.run(1000ms));
        return Tones{amplitudeAt(block, 230), amplitudeAt(block, 6000)};
    };
    const Tones flat = listen();
    ASSERT_GT(flat.low, 0.01);
    ASSERT_GT(flat.high, 0.01);

    sendKey(*window.band(3), Qt::Key_Home);
    ASSERT_EQ(gains[2], 15);
    const Tones boosted = listen();
    EXPECT_NEAR(decibels(boosted.low / flat.low), 15.0, 1.5);
    EXPECT_NEAR(decibels(boosted.high / flat.high), 0.0, 0.5);
}

} // namespace
} // namespace kavrel::test
