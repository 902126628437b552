#include "play_options.h"

#include "platform/text/numbers.h"

namespace kavrel::play {

const char* const kUsage =
    "usage: kavrel-play [--engine E [--apollo PATH]] [--volume N] [--eq on|off] [--band K=DB]...\n"
    "                   [--start-ms MS] [--paused] [--out FILE.wav [--fast]] [--events] FILE...\n"
    "       kavrel-play --playlist FILE.ppl [--repeat one|all] [--quick-play] [--shuffle playlist]\n"
    "                   [--save FILE.ppl] [--engine E [--apollo PATH]] [--volume N] [--eq on|off]\n"
    "                   [--band K=DB]... [--paused] [--out FILE.wav [--fast]] [--events]\n"
    "       kavrel-play --cd-info\n"
    "\n"
    "Plays the files one after another. A CD track is the CD drive path followed by Track03.cda\n"
    "(the drive is KAVREL_CD_DEVICE, a device or a .cue/.toc image, else the last drive found).\n"
    "  --engine E      BASS (the default), FMOD, or APOLLO: the outside player, started hidden and\n"
    "                  closed at the end; it records --out itself, in real time only\n"
    "  --apollo PATH   the outside player (the installed kavrel-apollo, else ./kavrel-apollo)\n"
    "  --volume N      output volume 0..1000 (1000)\n"
    "  --eq on|off     equalizer on or off (on when a band is given, else off)\n"
    "  --band K=DB     gain of equalizer band K (1..16) in dB (-15..15); may be repeated\n"
    "  --start-ms MS   start the first file at MS milliseconds\n"
    "  --paused        start the first file paused; a line on standard input toggles pause\n"
    "  --out FILE.wav  record what the device would receive into FILE.wav instead of playing it\n"
    "  --fast          record as fast as the machine allows\n"
    "  --events        print \"play FILE\", \"state S POSITION_MS\" on each change and \"poll S "
    "POSITION_MS\"\n"
    "                  (a playlist prints \"row N START_MS FILE\" for each row started and\n"
    "                  \"end N next M\", \"end N again\" or \"end N stop\" for each track end)\n"
    "  --playlist FILE.ppl  play the playlist from its stored current row and position to its end\n"
    "  --repeat one|all     repeat the current track, or the whole playlist\n"
    "  --quick-play         play three short fragments of every track\n"
    "  --shuffle playlist   play the playlist's rows in random order from the first\n"
    "  --save FILE.ppl      write the playlist, with where it stands, when playing ends or is interrupted\n"
    "  --cd-info       print the CD drive path, the disc id, the track count and each track's length\n";

namespace {

std::optional<int> integerIn(std::string_view text, int low, int high) {
    const auto value = text::parseStrictInt(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return *value;
}

} // namespace

std::variant<PlayOptions, std::string> parsePlayOptions(const std::vector<std::string_view>& arguments) {
    PlayOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        auto value = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        auto missing = [&] { return std::string(argument) + " needs a value"; };

        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--engine") {
            const auto name = value();
            if (!name)
                return missing();
            if (*name != "BASS" && *name != "FMOD" && *name != "APOLLO")
                return "--engine takes BASS, FMOD or APOLLO, not \"" + std::string(*name) + "\"";
            options.engine = std::string(*name);
        } else if (argument == "--apollo") {
            const auto path = value();
            if (!path)
                return missing();
            options.apollo = std::filesystem::path(*path);
        } else if (argument == "--volume") {
            const auto text = value();
            if (!text)
                return missing();
            const auto volume = integerIn(*text, 0, 1000);
            if (!volume)
                return "--volume takes a whole number 0..1000, not \"" + std::string(*text) + "\"";
            options.volume = *volume;
        } else if (argument == "--eq") {
            const auto text = value();
            if (!text)
                return missing();
            if (*text != "on" && *text != "off")
                return "--eq takes on or off, not \"" + std::string(*text) + "\"";
            options.equalizer = *text == "on";
        } else if (argument == "--band") {
            const auto text = value();
            if (!text)
                return missing();
            const auto equals = text->find('=');
            const auto band =
                equals == std::string_view::npos ? std::nullopt : integerIn(text->substr(0, equals), 1, 16);
            const auto gain = band ? integerIn(text->substr(equals + 1), -15, 15) : std::nullopt;
            if (!gain)
                return "--band takes K=DB with K 1..16 and DB -15..15, not \"" + std::string(*text) + "\"";
            options.bands.emplace_back(*band, *gain);
        } else if (argument == "--start-ms") {
            const auto text = value();
            if (!text)
                return missing();
            const auto start = integerIn(*text, 0, 2147483647);
            if (!start)
                return "--start-ms takes a whole number of milliseconds, not \"" + std::string(*text) + "\"";
            options.startMs = *start;
        } else if (argument == "--paused") {
            options.paused = true;
        } else if (argument == "--out") {
            const auto file = value();
            if (!file)
                return missing();
            options.out = std::filesystem::path(*file);
        } else if (argument == "--fast") {
            options.fast = true;
        } else if (argument == "--events") {
            options.events = true;
        } else if (argument == "--cd-info") {
            options.cdInfo = true;
        } else if (argument == "--playlist" || argument == "--save") {
            const auto file = value();
            if (!file)
                return missing();
            (argument == "--playlist" ? options.playlist : options.save) = std::filesystem::path(*file);
        } else if (argument == "--repeat") {
            const auto text = value();
            if (!text)
                return missing();
            if (*text != "one" && *text != "all")
                return "--repeat takes one or all, not \"" + std::string(*text) + "\"";
            options.repeat = *text == "one" ? RepeatMode::One : RepeatMode::All;
        } else if (argument == "--quick-play") {
            options.quickPlay = true;
        } else if (argument == "--shuffle") {
            const auto text = value();
            if (!text)
                return missing();
            if (*text != "playlist")
                return "--shuffle takes playlist, not \"" + std::string(*text) + "\"";
            options.shufflePlaylist = true;
        } else if (argument == "--") {
            for (++i; i < arguments.size(); ++i)
                options.files.emplace_back(arguments[i]);
        } else if (argument.starts_with("-") && argument.size() > 1) {
            return "unknown option " + std::string(argument);
        } else {
            options.files.emplace_back(argument);
        }
    }
    if (options.help || options.cdInfo)
        return options;
    if (options.fast && !options.out)
        return std::string("--fast needs --out FILE.wav");
    if (options.apollo && options.engine != "APOLLO")
        return std::string("--apollo needs --engine APOLLO");
    if (options.fast && options.engine == "APOLLO")
        return std::string(
            "--fast cannot be used with --engine APOLLO: the outside player plays in real time");
    if (options.playlist) {
        if (!options.files.empty())
            return std::string("--playlist plays the list alone; give no files with it");
        if (options.startMs != 0)
            return std::string(
                "--start-ms cannot be used with --playlist, which starts where the list stands");
        return options;
    }
    if (options.repeat != RepeatMode::Off || options.quickPlay || options.shufflePlaylist || options.save)
        return std::string("--repeat, --quick-play, --shuffle and --save need --playlist FILE.ppl");
    if (options.files.empty())
        return std::string("no file to play");
    return options;
}

} // namespace kavrel::play
