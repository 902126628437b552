#include "playlist/command_box.h"

namespace kavrel::playlist {

namespace {

bool startsWithEither(const std::string& text, std::string_view a, std::string_view b) {
    return text.starts_with(a) || text.starts_with(b);
}

} // namespace

CommandBox::CommandBox(CommandLineView& line, shell::DesktopShell& shell, shell::PowerService& power,
                       PlaybackControl& control, PlaylistCommands& commands, std::function<void()> close)
    : line_(line), shell_(shell), power_(power), control_(control), commands_(commands),
      close_(std::move(close)) {}

void CommandBox::Enter(const std::string& text) {
    if (startsWithEither(text, "\\\\\\", "///")) {
        const std::string address = text.substr(3);
        shell_.openUrl(text.find("http") != std::string::npos ? address : "http://" + address);
    } else if (startsWithEither(text, "\\\\", "//")) {
        const std::string program = text.substr(2);
        if (!shell_.startProgram(program))
            shell_.openDocument(program);
    } else if (startsWithEither(text, "\\", "/")) {
        runPlayerCommand(text.substr(1));
    }
    line_.clearCommandLine();
}

void CommandBox::runPlayerCommand(const std::string& word) {
    if (word == "reboot") {
        // Refused without the right to shut down; nothing is reported.
        power_.requestShutdown();
    } else if (word == "pause") {
        control_.TogglePause();
    } else if (word == "play") {
        control_.Start();
    } else if (word == "cp") {
        commands_.Clear();
    } else if (word == "close" && close_) {
        close_();
    }
}

} // namespace kavrel::playlist
