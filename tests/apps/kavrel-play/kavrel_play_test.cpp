// kavrel-play run as a process, recording into WAV files so that no test touches an audio device.
#include "platform/bass/audio_rig.h"
#include "playlist/ppl_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <sys/wait.h>

namespace kavrel::test {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class KavrelPlayTest : public ::testing::Test {
protected:
    // Runs kavrel-play with `arguments` (shell words) and `input` fed to its standard input by `sh`.
    Outcome play(const std::string& arguments, const std::string& environment = {},
                 const std::string& input = "true") {
        // Window messages to an outside player stay in the test's own folder.
        const std::string command = "(" + input + ") | XDG_RUNTIME_DIR=" + quoted(runtime) + " " +
                                    environment + " '" + KAVREL_PLAY + "' " + arguments + " > '" +
                                    (dir / "out.txt").string() + "' 2> '" + (dir / "err.txt").string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(dir / "out.txt"),
                readFile(dir / "err.txt")};
    }
    static std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

    // The left channel of a 16-bit stereo WAV file.
    std::vector<float> wavLeft(const std::filesystem::path& file) {
        const std::string bytes = readFile(file);
        const auto data = bytes.find("data");
        EXPECT_NE(data, std::string::npos);
        std::vector<float> left;
        for (std::size_t i = data + 8; i + 3 < bytes.size(); i += 4) {
            std::int16_t sample;
            std::memcpy(&sample, bytes.data() + i, 2);
            left.push_back(static_cast<float>(sample) / 32768.0f);
        }
        return left;
    }

    void SetUp() override {
        std::filesystem::create_directory(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    }

    TempDir dir;
    std::filesystem::path wav = dir / "out.wav";
    std::filesystem::path runtime = dir / "run";
};

// A ".ppl" file as the player writes it: current row, play state and position in seconds, then one
// tagged song line per fixture.
std::filesystem::path writePlaylist(const std::filesystem::path& file, int currentRow, int positionSeconds,
                                    const std::vector<std::pair<std::string, int>>& tracks) {
    std::string text = "KavrelPlayListFile&$$$!@@#!(&*&#^@%%@\r\nNoEmptyPlayList\r\n" +
                       std::to_string(currentRow) + "\r\n1\r\n" + std::to_string(positionSeconds) + "\r\n";
    int n = 0;
    for (const auto& [name, ms] : tracks) {
        ++n;
        text += "Artist " + std::to_string(n) + " endart Album endalb Title " + std::to_string(n) +
                " endtit 2001 endyer Blues endgen " + std::to_string(n) + " endtrk 128 endbit " +
                std::to_string(ms) + " enddur 44100 endsmr Stereo endchm " + engineFixture(name).string() +
                " endPth 32000 endfln \r\n";
    }
    writeFile(file, text);
    return file;
}

TEST_F(KavrelPlayTest, RecordsTheFilesOneAfterAnotherAndReportsEvents) {
    const Outcome run =
        play("--out " + quoted(wav) + " --fast --events " + quoted(engineFixture("tone_1k.mp3")) + " " +
             quoted(engineFixture("tone_1k.ogg")));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto left = wavLeft(wav);
    EXPECT_NEAR(static_cast<double>(left.size()) / AudioRig::kRate, 4.0, 0.05);
    const std::vector<float> second(left.begin() + 2 * AudioRig::kRate + 2205,
                                    left.begin() + 3 * AudioRig::kRate);
    EXPECT_NEAR(zeroCrossingFrequency(second), 1000.0, 2.0);

    const std::string first = "play " + engineFixture("tone_1k.mp3").string() + "\nstate 1 0\n";
    EXPECT_EQ(run.out.substr(0, first.size()), first);
    const auto next = run.out.find("play " + engineFixture("tone_1k.ogg").string() + "\nstate 1 0\n");
    EXPECT_GT(next, run.out.find("state 0 2000\npoll 0 2000\n")) << run.out;
    EXPECT_TRUE(run.out.ends_with("state 0 2000\npoll 0 2000\n")) << run.out;
}

// The same files give the same recording and the same events through either engine of the audio core,
// a CD track included.
TEST_F(KavrelPlayTest, FmodPlaysWhatBassPlays) {
    const auto cue = writeCdImage(dir.path(), {{2, 880.0}});
    const std::string files =
        quoted(engineFixture("tone_1k.wma")) + " " + quoted(dir / "disc.cue/Track01.cda");
    std::map<std::string, Outcome> runs;
    std::map<std::string, std::vector<float>> recordings;
    for (const std::string engine : {"BASS", "FMOD"}) {
        runs[engine] = play("--engine " + engine + " --out " + quoted(wav) + " --fast --events " + files,
                            "KAVREL_CD_DEVICE=" + quoted(cue));
        ASSERT_EQ(runs[engine].status, 0) << engine << ": " << runs[engine].err;
        recordings[engine] = wavLeft(wav);
    }
    // BASS tells positions in whole seconds, FMOD in milliseconds; the files and their ends are the same.
    const auto startsAndEnds = [](const std::string& events) {
        std::string kept;
        std::istringstream lines(events);
        for (std::string line; std::getline(lines, line);)
            if (line.starts_with("play ") || line.starts_with("state "))
                kept += line.substr(0, line.find(' ', 6)) + "\n";
        return kept;
    };
    EXPECT_EQ(startsAndEnds(runs["FMOD"].out), startsAndEnds(runs["BASS"].out)) << runs["FMOD"].out;
    EXPECT_EQ(startsAndEnds(runs["FMOD"].out),
              "play " + engineFixture("tone_1k.wma").string() + "\nstate 1\nstate 0\nplay " +
                  (dir / "disc.cue/Track01.cda").string() + "\nstate 1\nstate 0\n");
    const auto& bass = recordings["BASS"];
    const auto& fmod = recordings["FMOD"];
    ASSERT_NEAR(static_cast<double>(fmod.size()), static_cast<double>(bass.size()), AudioRig::kRate * 0.05);
    ASSERT_GT(fmod.size(), 3u * AudioRig::kRate);
    const auto second = [](const std::vector<float>& left, int start) {
        return std::vector<float>(left.begin() + start * AudioRig::kRate + 2205,
                                  left.begin() + (start + 1) * AudioRig::kRate - 2205);
    };
    for (const auto* left : {&bass, &fmod}) {
        EXPECT_NEAR(zeroCrossingFrequency(second(*left, 0)), 1000.0, 3.0);
        EXPECT_NEAR(zeroCrossingFrequency(second(*left, 2)), 880.0, 3.0);
    }
}

TEST_F(KavrelPlayTest, TheOutsidePlayerRecordsWhatItIsHandedAndIsClosedAtTheEnd) {
    const std::string file = engineFixture("tone_1k.mp3").string();
    const Outcome run = play("--engine APOLLO --apollo '" + std::string(KAVREL_APOLLO) + "' --out " +
                             quoted(wav) + " --events --start-ms 500 " + quoted(file));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("play " + file + "\nstate 1 500\n")) << run.out;
    EXPECT_NE(run.out.find("\nstate 0 "), std::string::npos) << run.out;
    // The outside player recorded the 1.5 s from the start position, in real time, between silences.
    const auto left = wavLeft(wav);
    std::vector<float> sounding;
    for (std::size_t at = 0; at + 441 <= left.size(); at += 441) {
        const std::vector<float> block(left.begin() + at, left.begin() + at + 441);
        if (rms(block) > 0.05)
            sounding.insert(sounding.end(), block.begin(), block.end());
    }
    EXPECT_NEAR(static_cast<double>(sounding.size()) / AudioRig::kRate, 1.5, 0.15);
    EXPECT_NEAR(zeroCrossingFrequency(sounding), 1000.0, 5.0);
    // It was closed: none of its windows is left.
    for (const auto& entry : std::filesystem::directory_iterator(runtime / "kavrel-windows"))
        EXPECT_FALSE(entry.is_socket()) << entry.path();
}

TEST_F(KavrelPlayTest, RecordsAfterEqualizerAndVolume) {
    const Outcome run = play("--out " + quoted(wav) + " --fast --volume 500 --band 3=12 " +
                             quoted(engineFixture("two_tones.mp3")));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto left = wavLeft(wav);
    ASSERT_GT(left.size(), 44100u + 4410u);
    const std::vector<float> second(left.begin() + 4410, left.begin() + 4410 + 44100);
    EXPECT_NEAR(amplitudeAt(second, 230), 0.25 * 4 * 0.5, 0.05);
    EXPECT_NEAR(amplitudeAt(second, 6000), 0.25 * 0.5, 0.01);
}

TEST_F(KavrelPlayTest, APausedStartWaitsPositionedUntilALineArrives) {
    const Outcome run = play("--out " + quoted(wav) + " --fast --events --start-ms 30000 --paused " +
                                 quoted(engineFixture("long_tone.ogg")),
                             {}, "sleep 0.5; echo");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("state 2 30000\n"), run.out.find('\n') + 1) << run.out;
    EXPECT_NE(run.out.find("state 1 30000\n"), std::string::npos) << run.out;
    EXPECT_NEAR(static_cast<double>(wavLeft(wav).size()) / AudioRig::kRate, 5.0, 0.05)
        << "nothing is recorded while paused";
}

TEST_F(KavrelPlayTest, PlaysCdImageTracksAndPrintsTheDisc) {
    const auto cue = writeCdImage(dir.path(), {{2, 440}, {3, 880}, {1, 1760}});
    const std::string device = "KAVREL_CD_DEVICE=" + quoted(cue);
    const Outcome info = play("--cd-info", device);
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out, "drive " + cue.string() + "/\ndisc id " + expectedCddbId({2, 3, 1}) +
                            "\ntracks 3\ntrack 1 2000\ntrack 2 3000\ntrack 3 1000\n");

    const Outcome run =
        play("--out " + quoted(wav) + " --fast " + quoted(cue.string() + "/Track03.cda"), device);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto left = wavLeft(wav);
    EXPECT_NEAR(static_cast<double>(left.size()) / AudioRig::kRate, 1.0, 0.02);
    EXPECT_NEAR(zeroCrossingFrequency(left), 1760.0, 4.0);
}

// Shell words that send SIGINT to the job just started `seconds` after it catches the signal: a background
// job starts with SIGINT ignored, so one sent before its handler is in place would be lost.
std::string interruptAfter(const std::string& seconds) {
    return "p=$!; for i in $(seq 600); do c=$(sed -n 's/^SigCgt:[[:space:]]*//p' /proc/$p/status); "
           "[ $((0x${c:-0} & 2)) -ne 0 ] && break; sleep 0.05; done; sleep " +
           seconds + "; kill -INT $p; wait $p";
}

TEST_F(KavrelPlayTest, AnInterruptEndsWithACompleteRecording) {
    const std::string command = "'" + std::string(KAVREL_PLAY) + "' --out " + quoted(wav) + " " +
                                quoted(engineFixture("long_tone.ogg")) + " < /dev/null > /dev/null & " +
                                interruptAfter("2");
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 130);
    const auto left = wavLeft(wav);
    EXPECT_GT(left.size(), 0u);
    EXPECT_LT(left.size(), 10u * AudioRig::kRate) << "recorded on the real-time clock until interrupted";
    EXPECT_NEAR(zeroCrossingFrequency(left), 440.0, 2.0);
}

TEST_F(KavrelPlayTest, PlaysAPlaylistFromItsStoredRowAndSavesItWhenItEnds) {
    const auto list = writePlaylist(dir / "in.ppl", 2, 1,
                                    {{"tone_1k.mp3", 2038}, {"two_tones.mp3", 2038}, {"tone_1k.ogg", 2000}});
    const auto saved = dir / "saved.ppl";
    const Outcome run = play("--playlist " + quoted(list) + " --out " + quoted(wav) +
                             " --fast --events --save " + quoted(saved));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "row 2 1000 " + engineFixture("two_tones.mp3").string() + "\nend 2 next 3\nrow 3 0 " +
                           engineFixture("tone_1k.ogg").string() + "\nend 3 stop\n");
    EXPECT_NEAR(static_cast<double>(wavLeft(wav).size()) / AudioRig::kRate, 1.038 + 2.0, 0.05)
        << "the stored row from its stored second, then the last row";

    const auto original = playlist::readPlaylistFile(list);
    const auto reread = playlist::readPlaylistFile(saved);
    ASSERT_TRUE(original && reread);
    EXPECT_EQ(reread->Rows, original->Rows);
    EXPECT_EQ(reread->CurrentIndex, 0) << "played to its end";
    EXPECT_EQ(reread->PlayState, playlist::kStopped);
}

TEST_F(KavrelPlayTest, QuickPlayAsFastAsPossibleGivesThreeFragmentsPerTrackAsInRealTime) {
    const std::pair<std::string, int> track{"long_tone.ogg", 35000};
    const auto list = writePlaylist(dir / "in.ppl", 1, 0, {track, track, track});
    const Outcome run =
        play("--playlist " + quoted(list) + " --quick-play --out " + quoted(wav) + " --fast --events");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string file = engineFixture("long_tone.ogg").string();
    EXPECT_EQ(run.out, "row 1 0 " + file + "\nend 1 next 2\nrow 2 0 " + file + "\nend 2 next 3\nrow 3 0 " +
                           file + "\nend 3 stop\n");
    // Fragments at 0 %, 33 % and 66 % for 4, 7 and 7 s, each ended by the first poll (one every 200 ms of
    // audio) that reads, in whole seconds, a position at or past its end: 4.0 s, then 11.55 to 19.15 s,
    // then 23.1 to 31.1 s.
    const double perTrack = 4.0 + 7.6 + 8.0;
    EXPECT_NEAR(static_cast<double>(wavLeft(wav).size()) / AudioRig::kRate, 3 * perTrack, 0.1);
}

TEST_F(KavrelPlayTest, AnInterruptedPlaylistIsSavedWhereItStood) {
    const auto list = writePlaylist(dir / "in.ppl", 2, 10, {{"tone_1k.ogg", 2000}, {"long_tone.ogg", 35000}});
    const auto saved = dir / "saved.ppl";
    const std::string command = "'" + std::string(KAVREL_PLAY) + "' --playlist " + quoted(list) + " --out " +
                                quoted(wav) + " --repeat all --save " + quoted(saved) +
                                " < /dev/null > /dev/null & " + interruptAfter("2");
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 130);
    const auto reread = playlist::readPlaylistFile(saved);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->Count(), 2);
    EXPECT_EQ(reread->CurrentIndex, 2);
    EXPECT_EQ(reread->PlayState, playlist::kPlaying);
    // It played on from its stored 10 s for as long as it ran, which the recording measures (a loaded
    // machine plays less than the 2 s of wall time). The saved position is the last poll's, in whole
    // seconds, so it may trail the recording by up to two seconds but never lead it.
    const double played = static_cast<double>(wavLeft(wav).size()) / AudioRig::kRate;
    EXPECT_GT(played, 0.3);
    EXPECT_LE(reread->Position, 10000 + played * 1000 + 50);
    EXPECT_GE(reread->Position, 10000 + played * 1000 - 2000);
}

TEST_F(KavrelPlayTest, ErrorsAreClearAndExitNonZero) {
    writeFile(dir / "notes.ogg", "not audio");
    const std::string tone = quoted(engineFixture("tone_1k.ogg"));
    const std::pair<std::string, std::string> cases[] = {
        {"--out " + quoted(wav) + " --fast " + quoted(dir / "missing.mp3") + " " + tone,
         "kavrel-play: " + (dir / "missing.mp3").string() + ": no such file\n"},
        {"--out " + quoted(wav) + " --fast " + quoted(dir / "notes.ogg"),
         "kavrel-play: " + (dir / "notes.ogg").string() +
             ": cannot be played (not an MP3, Ogg Vorbis or WMA file, nor a track of the disc in " +
             (dir / "none.cue").string() + "/)\n"},
        {"--engine APOLLO --apollo " + quoted(dir / "notes.ogg") + " --out " + quoted(wav) + " " + tone,
         "kavrel-play: The outside player cannot be started."},
        {"--out " + quoted(dir / "no/such/folder/x.wav") + " --fast " + tone, "kavrel-play: "},
        {"--cd-info", "kavrel-play: no audio disc in " + (dir / "none.cue").string() + "\n"},
        {"--out " + quoted(wav) + " --fast --playlist " + quoted(dir / "missing.ppl"),
         "kavrel-play: " + (dir / "missing.ppl").string() + ": no such file\n"},
        {"--out " + quoted(wav) + " --fast --playlist " + quoted(dir / "notes.ogg"),
         "kavrel-play: " + (dir / "notes.ogg").string() + ": not a playlist, or an empty one\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome run = play(arguments, "KAVREL_CD_DEVICE=" + quoted(dir / "none.cue"));
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.err.substr(0, message.size()), message) << arguments;
    }
    const Outcome usage = play("--volume loud x.mp3");
    EXPECT_EQ(usage.status, 2);
    EXPECT_TRUE(
        usage.err.starts_with("kavrel-play: --volume takes a whole number 0..1000, not \"loud\"\nusage:"));
}

} // namespace
} // namespace kavrel::test
