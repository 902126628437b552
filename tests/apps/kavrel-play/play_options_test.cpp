#include "play_options.h"

#include <gtest/gtest.h>

namespace kavrel::play {
namespace {

std::variant<PlayOptions, std::string> parse(std::vector<std::string_view> arguments) {
    return parsePlayOptions(arguments);
}

TEST(PlayOptions, ReadsEveryOption) {
    const auto parsed =
        parse({"--engine", "BASS", "--volume", "250", "--band", "3=12", "--band", "16=-15", "--start-ms",
               "30000", "--paused", "--out", "x.wav", "--fast", "--events", "a.mp3", "--", "--odd.ogg"});
    ASSERT_TRUE(std::holds_alternative<PlayOptions>(parsed)) << std::get<std::string>(parsed);
    const auto& options = std::get<PlayOptions>(parsed);
    EXPECT_EQ(options.volume, 250);
    EXPECT_EQ(options.bands, (std::vector<std::pair<int, int>>{{3, 12}, {16, -15}}));
    EXPECT_TRUE(options.equalizerOn()) << "a band turns the equalizer on unless --eq off";
    EXPECT_EQ(options.startMs, 30000);
    EXPECT_TRUE(options.paused && options.fast && options.events);
    EXPECT_EQ(options.out, std::filesystem::path("x.wav"));
    EXPECT_EQ(options.files, (std::vector<std::string>{"a.mp3", "--odd.ogg"}));

    const auto listed = parse({"--playlist", "in.ppl", "--repeat", "all", "--quick-play", "--shuffle",
                               "playlist", "--save", "out.ppl"});
    ASSERT_TRUE(std::holds_alternative<PlayOptions>(listed)) << std::get<std::string>(listed);
    const auto& playlistOptions = std::get<PlayOptions>(listed);
    EXPECT_EQ(playlistOptions.playlist, std::filesystem::path("in.ppl"));
    EXPECT_EQ(playlistOptions.repeat, RepeatMode::All);
    EXPECT_TRUE(playlistOptions.quickPlay && playlistOptions.shufflePlaylist);
    EXPECT_EQ(playlistOptions.save, std::filesystem::path("out.ppl"));

    const auto off = parse({"--band", "3=12", "--eq", "off", "a.mp3"});
    EXPECT_FALSE(std::get<PlayOptions>(off).equalizerOn());
}

TEST(PlayOptions, RefusesBadCommandLinesWithAReason) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{}, "no file to play"},
        {{"--volume", "1001", "a.mp3"}, "--volume takes a whole number 0..1000, not \"1001\""},
        {{"--volume", "5x", "a.mp3"}, "--volume takes a whole number 0..1000, not \"5x\""},
        {{"--band", "17=3", "a.mp3"}, "--band takes K=DB with K 1..16 and DB -15..15, not \"17=3\""},
        {{"--band", "3=16", "a.mp3"}, "--band takes K=DB with K 1..16 and DB -15..15, not \"3=16\""},
        {{"--band", "3", "a.mp3"}, "--band takes K=DB with K 1..16 and DB -15..15, not \"3\""},
        {{"--eq", "maybe", "a.mp3"}, "--eq takes on or off, not \"maybe\""},
        {{"--start-ms", "-5", "a.mp3"}, "--start-ms takes a whole number of milliseconds, not \"-5\""},
        {{"--fast", "a.mp3"}, "--fast needs --out FILE.wav"},
        {{"--engine", "bass", "a.mp3"}, "--engine takes BASS, FMOD or APOLLO, not \"bass\""},
        {{"--apollo", "./kavrel-apollo", "a.mp3"}, "--apollo needs --engine APOLLO"},
        {{"--engine", "APOLLO", "--out", "a.wav", "--fast", "a.mp3"},
         "--fast cannot be used with --engine APOLLO: the outside player plays in real time"},
        {{"a.mp3", "--out"}, "--out needs a value"},
        {{"--loud", "a.mp3"}, "unknown option --loud"},
        {{"--playlist", "a.ppl", "b.mp3"}, "--playlist plays the list alone; give no files with it"},
        {{"--playlist", "a.ppl", "--start-ms", "5"},
         "--start-ms cannot be used with --playlist, which starts where the list stands"},
        {{"--playlist", "a.ppl", "--repeat", "twice"}, "--repeat takes one or all, not \"twice\""},
        {{"--playlist", "a.ppl", "--shuffle", "library"}, "--shuffle takes playlist, not \"library\""},
        {{"--save", "b.ppl", "a.mp3"},
         "--repeat, --quick-play, --shuffle and --save need --playlist FILE.ppl"},
    };
    for (const auto& [arguments, message] : cases) {
        const auto parsed = parse(arguments);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << message;
        EXPECT_EQ(std::get<std::string>(parsed), message);
    }
    EXPECT_TRUE(std::holds_alternative<PlayOptions>(parse({"--cd-info"})));
}

} // namespace
} // namespace kavrel::play
