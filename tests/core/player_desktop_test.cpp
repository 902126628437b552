// The player as a desktop reaches it: files handed over by a second start, and the media-player
// interface on a session bus of the test's own, driven with dbus-send as playerctl would.
#include "platform/bass/audio_rig.h"
#include "player_process.h"
#include "playlist/ppl_file.h"

#include <array>
#include <memory>

namespace kavrel::core {
namespace {

using namespace std::chrono_literals;

// A session bus daemon of the test's own, ended with it.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        int output[2];
        if (::pipe(output) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(output[0]);
            // Its notices (a root without the right to raise its file limit) are no test's concern.
            if (!std::freopen("/dev/null", "w", stderr))
                ::_exit(127);
            const std::string fd = "--print-address=" + std::to_string(output[1]);
            ::execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", fd.c_str(),
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(output[1]);
        std::array<char, 512> buffer{};
        for (ssize_t got; (got = ::read(output[0], buffer.data(), buffer.size())) > 0;) {
            address_.append(buffer.data(), static_cast<std::size_t>(got));
            if (address_.find('\n') != std::string::npos)
                break;
        }
        ::close(output[0]);
        address_ = address_.substr(0, address_.find('\n'));
    }
    ~PrivateSessionBus() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    const std::string& address() const { return address_; }

    // dbus-send's reply to a call on the player's object ("" when the call failed).
    std::string call(const std::string& arguments) const {
        const std::string command = "DBUS_SESSION_BUS_ADDRESS='" + address_ +
                                    "' dbus-send --print-reply --reply-timeout=10000 "
                                    "--dest=org.mpris.MediaPlayer2.kavrel /org/mpris/MediaPlayer2 " +
                                    arguments + " 2>/dev/null";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
        std::string reply;
        std::array<char, 4096> buffer{};
        while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get()))
            reply += buffer.data();
        return reply;
    }
    std::string property(const std::string& interface, const std::string& name) const {
        return call("org.freedesktop.DBus.Properties.Get string:" + interface + " string:" + name);
    }
    std::string playerProperty(const std::string& name) const {
        return property("org.mpris.MediaPlayer2.Player", name);
    }

private:
    pid_t pid_ = -1;
    std::string address_;
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class PlayerDesktopTest : public PlayerProcessTest {
protected:
    PlayerDesktopTest() { busAddress = bus.address(); }

    // Waits until `condition` holds, asking every 100 ms.
    static bool eventually(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(100ms);
        }
        return true;
    }

    std::vector<std::string> savedPaths() const {
        const auto saved = playlist::readPlaylistFile(program / "PlayLists/PlayListMainPL1.ppl");
        std::vector<std::string> paths;
        if (saved)
            for (int row = 1; row <= saved->Count(); ++row)
                paths.push_back(saved->row(row)[library::kPathColumn]);
        return paths;
    }

    PrivateSessionBus bus;
};

TEST_F(PlayerDesktopTest, FilesGivenToAFirstAndASecondStartReachTheOneRunningPlayer) {
    ASSERT_FALSE(bus.address().empty());
    const std::filesystem::path first = dir / "music/first song.ogg";
    const std::filesystem::path second = dir / "music/второй.ogg";
    std::filesystem::create_directories(first.parent_path());
    // Long tracks: each still plays when a loaded machine gets round to asking.
    std::filesystem::copy_file(test::engineFixture("long_tone.ogg"), first);
    std::filesystem::copy_file(test::engineFixture("long_tone.ogg"), second);

    const pid_t player = start({runtime, {}}, {}, {first.string()});
    ASSERT_TRUE(waitUntilReady(player));
    // The song list adds at the end and plays: the desktop sees each file as it arrives.
    ASSERT_TRUE(eventually([&] { return contains(bus.playerProperty("Metadata"), "first%20song.ogg"); }))
        << bus.playerProperty("Metadata");
    const pid_t secondStart = start({runtime, {}}, {}, {"file://" + second.string()});
    EXPECT_EQ(waitFor(secondStart, 20s), 0);
    EXPECT_TRUE(eventually([&] { return contains(bus.playerProperty("Metadata"), "%D0%B2%D1%82"); }))
        << bus.playerProperty("Metadata");
    EXPECT_EQ(waitFor(player, 0ms), -1) << "the running copy was disturbed";

    ::kill(player, SIGTERM);
    ASSERT_EQ(waitFor(player, 20s), 0);
    EXPECT_EQ(savedPaths(), (std::vector<std::string>{first.string(), second.string()}));
}

TEST_F(PlayerDesktopTest, TheMediaPlayerInterfaceDrivesTheRealPlayer) {
    ASSERT_FALSE(bus.address().empty());
    playlist::TPlist saved;
    // Two rows of a long track, so neither ends while a loaded machine answers.
    for (const char* name : {"tone_1k.mp3", "two_tones.mp3"}) {
        playlist::TrackRow row;
        row[library::kTitleColumn] = name;
        row[library::kDurationColumn] = "35000";
        row[library::kPathColumn] = test::engineFixture("long_tone.ogg").string();
        saved.Rows.push_back(row);
    }
    std::filesystem::create_directories(program / "PlayLists");
    playlist::writePlaylistFile(program / "PlayLists/PlayListMainPL1.ppl", saved);
    const pid_t player = start();
    ASSERT_TRUE(waitUntilReady(player));
    ASSERT_TRUE(eventually([&] { return !bus.property("org.mpris.MediaPlayer2", "Identity").empty(); }));
    EXPECT_TRUE(contains(bus.property("org.mpris.MediaPlayer2", "Identity"), "\"Kavrel\""));
    EXPECT_TRUE(contains(bus.playerProperty("PlaybackStatus"), "\"Stopped\""));

    bus.call("org.mpris.MediaPlayer2.Player.Play");
    EXPECT_TRUE(eventually([&] { return contains(bus.playerProperty("PlaybackStatus"), "\"Playing\""); }));
    EXPECT_TRUE(contains(bus.playerProperty("Metadata"), "\"tone_1k.mp3\""))
        << bus.playerProperty("Metadata");
    bus.call("org.mpris.MediaPlayer2.Player.Pause");
    EXPECT_TRUE(contains(bus.playerProperty("PlaybackStatus"), "\"Paused\""));
    bus.call("org.mpris.MediaPlayer2.Player.Next");
    EXPECT_TRUE(contains(bus.playerProperty("Metadata"), "\"two_tones.mp3\""))
        << bus.playerProperty("Metadata");
    // Paused, so the position stays where the seek put it.
    bus.call("org.mpris.MediaPlayer2.Player.Pause");
    bus.call(
        "org.mpris.MediaPlayer2.Player.SetPosition objpath:/io/github/kavrel/Kavrel/track/2 int64:1000000");
    EXPECT_TRUE(contains(bus.playerProperty("Position"), "int64 1000000")) << bus.playerProperty("Position");
    bus.call("org.mpris.MediaPlayer2.Player.Seek int64:-5000000");
    EXPECT_TRUE(contains(bus.playerProperty("Position"), "int64 0")) << bus.playerProperty("Position");
    bus.call("org.freedesktop.DBus.Properties.Set string:org.mpris.MediaPlayer2.Player string:Volume "
             "variant:double:0.25");
    EXPECT_TRUE(contains(bus.playerProperty("Volume"), "double 0.25")) << bus.playerProperty("Volume");

    bus.call("org.mpris.MediaPlayer2.Quit");
    ASSERT_EQ(waitFor(player, 20s), 0);
    TConfRecord settings;
    ASSERT_TRUE(decodeConfRecord(test::readFile(program / "PlSysFile/Conf.pcf"), settings));
    EXPECT_EQ(settings.VolumePosition, 250) << "quit ran save-state";
}

} // namespace
} // namespace kavrel::core
