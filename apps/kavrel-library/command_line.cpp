#include "command_line.h"

#include <filesystem>

namespace {

std::string absolute(const std::string& path) {
    return std::filesystem::absolute(path).lexically_normal().string();
}

} // namespace

std::optional<BuildCommand> parseBuildCommand(const std::vector<std::string>& arguments, std::string& error) {
    if (arguments.empty() || arguments[0] != "build") {
        error = arguments.empty() ? "missing command" : "unknown command: " + arguments[0];
        return std::nullopt;
    }
    BuildCommand command;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isOption = !optionsEnded && argument.starts_with("--");
        if (!isOption) {
            command.folders.push_back(absolute(argument));
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--add") {
            command.addMode = true;
        } else if (argument == "--mask" || argument == "--library") {
            if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
                error = argument + " needs a value";
                return std::nullopt;
            }
            const std::string& value = arguments[++i];
            if (argument == "--mask")
                command.masks.push_back(value);
            else
                command.library = absolute(value);
        } else {
            error = "unknown option: " + argument;
            return std::nullopt;
        }
    }
    if (command.library.empty()) {
        error = "--library is missing";
        return std::nullopt;
    }
    if (command.folders.empty()) {
        error = "no folder to search";
        return std::nullopt;
    }
    if (command.masks.empty())
        command.masks = {"*.mp3", "*.ogg", "*.wma"};
    return command;
}
