// The facade's outside-player column, the CD tab's plug-in step and the player's path, against a
// recording desktop.
#include "engine/apollo_cd_plugin.h"
#include "engine/apollo_path.h"
#include "engine/master_engine.h"
#include "fake_desktop.h"
#include "platform/bass/audio_rig.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace engine;
using namespace std::chrono_literals;
using Commands = std::vector<std::string>;

class ApolloFacadeTest : public ::testing::Test {
protected:
    ApolloFacadeTest() {
        desktop->answer = [](const winmsg::Message&) { return std::int64_t{0}; };
        facade.ApolloPath = (dir / "player" / "kavrel-apollo").string();
    }
    TApollo& apollo() { return *facade.Apollo; }
    Commands sent() { return playerCommands(desktop->log()); }

    TempDir dir;
    FakeDesktop* desktop = new FakeDesktop;
    FakeLauncher* launcher = new FakeLauncher(*desktop);
    std::vector<std::string> errors;
    AudioRig rig;
    TMasterEngine facade{
        rig.library, 0, nullptr,
        std::make_unique<TApollo>(
            std::unique_ptr<FakeDesktop>(desktop), std::unique_ptr<FakeLauncher>(launcher),
            [this](const std::string& m) { errors.push_back(m); },
            ApolloOptions{.settle = 10ms,
                          .windowWait = 500ms,
                          .pluginPause = 10ms,
                          .shippedCdPlugin = dir / "program" / "ForApollo" / "CDReader.so"})};
};

TEST_F(ApolloFacadeTest, SelectingTheOutsidePlayerStartsItHiddenAndGoesOnWithTheTrack) {
    facade.SelectEngine(kEngineBass);
    facade.SetVolume(500);
    facade.Play(engineFixture("tone_1k.mp3").string(), 500, false);
    rig.run(700ms); // at 1200 ms, which TBass tells in whole seconds
    facade.SelectEngine(kEngineApollo);
    apollo().Flush();
    EXPECT_EQ(launcher->starts(), (std::vector<std::pair<std::string, bool>>{{facade.ApolloPath, true}}));
    EXPECT_EQ(sent(), (Commands{"main show 0", "20:33000", "20:0",
                                "file " + engineFixture("tone_1k.mp3").string(), "18:1000", "20:33000"}));
    EXPECT_EQ(facade.Bass->GetState(), kStopped) << "the old engine stopped";

    desktop->clearLog();
    facade.SelectEngine(kEngineApollo);
    facade.SetVolume(1000);
    apollo().Flush();
    EXPECT_EQ(launcher->starts().size(), 1u) << "selecting it again does nothing";
    EXPECT_EQ(sent(), (Commands{"20:66000"})) << "every volume change reaches the player";
    EXPECT_FALSE(facade.HasSpectrum());
}

TEST_F(ApolloFacadeTest, VolumeGoesToThePlayerOnlyWhileItIsSelected) {
    facade.SelectEngine(kEngineBass);
    facade.SetVolume(250);
    apollo().Flush();
    EXPECT_TRUE(sent().empty());
    EXPECT_TRUE(facade.HasSpectrum());
}

class ApolloCdPluginTest : public ApolloFacadeTest {
protected:
    ApolloCdPluginTest() {
        writeFile(dir / "program" / "ForApollo" / "CDReader.so", "plug-in bytes");
        desktop->open(kApolloMainWindow);
        facade.SelectEngine(kEngineApollo);
        apollo().Flush();
        desktop->clearLog();
    }
    // What opening the CD tab does first.
    void refresh() {
        RefreshApolloCdPlugin(facade);
        apollo().Flush();
    }
    std::filesystem::path installed = dir / "player" / "Plug-ins" / "CDReader.so";
};

TEST_F(ApolloCdPluginTest, AMissingPlugInIsCopiedWithThePlayerClosedAndStartedAgainHidden) {
    refresh();
    EXPECT_EQ(readFile(installed), "plug-in bytes");
    EXPECT_EQ(sent(), (Commands{"9:0", "main close", "main show 0"}));
    EXPECT_EQ(launcher->starts().size(), 1u);
    EXPECT_TRUE(errors.empty());

    desktop->clearLog();
    refresh();
    EXPECT_TRUE(sent().empty()) << "the player has it now";
}

TEST_F(ApolloCdPluginTest, AFailedCopyIsReportedOnceAndThePlayerStillComesBack) {
    std::filesystem::remove(dir / "program" / "ForApollo" / "CDReader.so");
    refresh();
    refresh();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("could not be copied"), std::string::npos) << errors[0];
    EXPECT_EQ(launcher->starts().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(installed));
    EXPECT_TRUE(std::filesystem::is_empty(installed.parent_path())) << "no half copy left";
}

TEST_F(ApolloCdPluginTest, NothingHappensWithAnotherEngine) {
    facade.SelectEngine(kEngineBass);
    apollo().Flush();
    desktop->clearLog();
    refresh();
    EXPECT_FALSE(std::filesystem::exists(installed));
    EXPECT_EQ(sent(), Commands{});
}

TEST(ApolloPath, TheDialogIsNeededOnlyForAPathThatNamesNoFile) {
    TempDir dir;
    writeFile(dir / "kavrel-apollo", "");
    const std::string present = (dir / "kavrel-apollo").string();
    EXPECT_TRUE(apolloPathNeedsDialog(""));
    EXPECT_TRUE(apolloPathNeedsDialog((dir / "missing").string()));
    EXPECT_TRUE(apolloPathNeedsDialog(dir.path().string())) << "a folder is no program";
    EXPECT_FALSE(apolloPathNeedsDialog(present));

    std::vector<std::filesystem::path> askedIn;
    const AskForProgram ask = [&](const std::filesystem::path& folder) -> std::optional<std::string> {
        askedIn.push_back(folder);
        return "/chosen/player";
    };
    EXPECT_EQ(chooseApolloPath(present, "/program", ask), present);
    EXPECT_TRUE(askedIn.empty());
    EXPECT_EQ(chooseApolloPath("", "/program", ask), "/chosen/player");
    EXPECT_EQ(askedIn, std::vector<std::filesystem::path>{"/program"});
    EXPECT_EQ(chooseApolloPath("/gone", "/program", [](const auto&) { return std::nullopt; }), "/gone")
        << "a cancelled dialog keeps the box";

    EXPECT_EQ(startupApolloPath(present, "/program"), present);
    EXPECT_EQ(startupApolloPath("", "/program"), "/program/kavrel-apollo") << "start-up asks nothing";
}

} // namespace
} // namespace kavrel::test
