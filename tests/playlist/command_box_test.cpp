#include "playlist/command_box.h"
#include "playlist/playback_fixture.h"

#include <gtest/gtest.h>

namespace kavrel::test {
namespace {

using namespace playlist;

class RecordingLine : public CommandLineView {
public:
    void clearCommandLine() override { ++clears; }
    int clears = 0;
};

class RecordingPower : public shell::PowerService {
public:
    bool requestShutdown() override {
        ++shutdowns;
        return false;
    }
    int shutdowns = 0;
};

struct CommandBoxFixture : PlaybackFixture {
    CommandBoxFixture() { load(3); }
    RecordingLine line;
    RecordingShell shell;
    RecordingPower power;
    PlaylistCommands commands{control};
    int closes = 0;
    CommandBox box{line, shell, power, control, commands, [this] { ++closes; }};
};

TEST(CommandBoxTest, PrefixesDecideWhatRuns) {
    struct Case {
        std::string typed;
        std::vector<std::string> shellCalls;
    };
    const Case cases[] = {
        {"///example.org/a b", {"url http://example.org/a b"}},
        {"\\\\\\example.org", {"url http://example.org"}},
        {"///https://example.org", {"url https://example.org"}},
        {"///www.http-guide.org", {"url www.http-guide.org"}},
        {"//vlc --help; rm -rf ~", {"program vlc --help; rm -rf ~"}},
        {"\\\\notes.txt", {"program notes.txt"}},
        {"/Play", {}},
        {"/unknown", {}},
        {"", {}},
        {"plain search text", {}},
    };
    for (const Case& c : cases) {
        CommandBoxFixture f;
        f.box.Enter(c.typed);
        EXPECT_EQ(f.shell.calls, c.shellCalls) << c.typed;
        EXPECT_EQ(f.line.clears, 1) << c.typed;
        EXPECT_TRUE(f.engine.calls.empty()) << c.typed;
        EXPECT_EQ(f.list().Count(), 3) << c.typed;
    }
}

TEST(CommandBoxTest, AProgramThatWillNotStartIsOpenedAsADocument) {
    CommandBoxFixture f;
    f.shell.programStarts = false;
    f.box.Enter("//report.pdf");
    EXPECT_EQ(f.shell.calls, (std::vector<std::string>{"program report.pdf", "document report.pdf"}));
}

TEST(CommandBoxTest, PlayerCommands) {
    CommandBoxFixture f;
    f.box.Enter("/play");
    EXPECT_EQ(f.engine.calls.back(), "Play /music/1.mp3 0");
    f.box.Enter("\\pause");
    EXPECT_EQ(f.engine.calls.back(), "Pause");
    f.box.Enter("/reboot");
    EXPECT_EQ(f.power.shutdowns, 1) << "refused silently";
    f.box.Enter("/cp");
    EXPECT_TRUE(f.list().Empty());
    f.box.Enter("/close");
    EXPECT_EQ(f.closes, 1);
    EXPECT_EQ(f.line.clears, 5);
    EXPECT_TRUE(f.shell.calls.empty());
}

} // namespace
} // namespace kavrel::test
