#pragma once
// The whole player built by its application object on a program folder of the test's own, with fake
// shell services, a power service that records and fails as told, and the capture sink; its main thread
// is a task queue the test runs.
#include "core/application.h"
#include "core/conf_record_codec.h"
#include "core/design_defaults.h"
#include "platform/bass/audio_rig.h"
#include "platform/dispatch/task_queue.h"
#include "playlist/playlist_fakes.h"
#include "recording_reporter.h"
#include "shell_fakes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kavrel::core {

// Rows as the library writes them, for the engine's fixture files.
inline playlist::TrackRow fixtureRow(const std::string& name, int durationMs) {
    playlist::TrackRow row = test::songRow(1, durationMs);
    row[library::kTitleColumn] = name;
    row[library::kPathColumn] = test::engineFixture(name).string();
    return row;
}

class ApplicationTest : public ::testing::Test {
protected:
    ApplicationTest() {
        test::writeFile(dir / "PlSysFile/DefaultConf.pcf", encodeConfRecord(designDefaults()));
        saveEqualizerPreset(dir / "PlSysFile" / designDefaults().PresetFileName.text, EqualizerValues{});
        std::filesystem::create_directories(dir / "PlayLists");
    }

    std::unique_ptr<Application> makeApplication(audio::CapturePacing pacing) {
        audio::EngineOptions output;
        output.sink = audio::SinkKind::Capture;
        output.capture.pacing = pacing;
        output.capture.keepInMemory = false;
        auto application =
            std::make_unique<Application>(ApplicationOptions{fs::ProgramFolder(dir.path()), "", output},
                                          ShellServices{errors, shell, power}, loop);
        application->setQuitAction([this] { ++quits; });
        return application;
    }

    test::TempDir dir;
    RecordingReporter errors;
    test::RecordingShell shell;
    test::ScriptedPower power;
    dispatch::TaskQueue loop;
    int quits = 0;
};

} // namespace kavrel::core
