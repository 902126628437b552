// The window's slider heard through the engine: the two-tone fixture on the capture sink.
#include "core/design_defaults.h"
#include "platform/bass/audio_rig.h"
#include "ui/controls/widget_events.h"
#include "ui/skin/skin_error_reporter.h"
#include "ui/windows/equalizer/engine_settings_equalizer.h"
#include "ui/windows/equalizer/t_equalizer.h"

#include <gtest/gtest.h>

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
    const fs::ProgramFolder folder(KAVREL_DATA_DIR);
    core::TConfRecord settings = core::designDefaults();
    core::EqualizerValues gains{};
    core::EngineSettings engineSettings(facade, settings, gains, folder);
    ui::EngineSettingsEqualizer port(engineSettings, facade, gains);
    IgnoredSkinErrors skinErrors;
    ui::TEqualizer window(folder, skinErrors, port);
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
    ASSERT_EQ(gains[2], 15) << "the gain table save-state writes";
    const Tones boosted = listen();
    EXPECT_NEAR(decibels(boosted.low / flat.low), 15.0, 1.5);
    EXPECT_NEAR(decibels(boosted.high / flat.high), 0.0, 0.5);
}

} // namespace
} // namespace kavrel::test
