#include "tools/xdg_places.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace kavrel::tools {
namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An absolute setting of an XDG base folder; a relative one is to be ignored.
std::string absoluteOr(const std::string& value, std::string fallback) {
    return !value.empty() && value.front() == '/' ? value : fallback;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The value of one `KEY="value"` line, unquoted and unescaped; nullopt when it is not well formed.
std::optional<std::string> quotedValue(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        return std::nullopt;
    text = text.substr(1, text.size() - 2);
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            return std::nullopt;
        if (text[i] == '\\' && i + 1 < text.size())
            ++i;
        value += text[i];
    }
    return value;
}

} // namespace

XdgEnvironment XdgEnvironment::fromProcess() {
    return {variable("HOME"), variable("XDG_CONFIG_HOME"), variable("XDG_DATA_HOME"),
            variable("XDG_DESKTOP_DIR")};
}

std::optional<std::string> desktopDirFromUserDirs(std::string_view fileText, std::string_view home) {
    constexpr std::string_view key = "XDG_DESKTOP_DIR=";
    std::optional<std::string> found;
    std::istringstream lines{std::string(fileText)};
    for (std::string line; std::getline(lines, line);) {
        const auto entry = trimmed(line);
        if (!entry.starts_with(key))
            continue;
        auto value = quotedValue(trimmed(entry.substr(key.size())));
        if (!value)
            continue;
        if (value->starts_with("$HOME") && (value->size() == 5 || (*value)[5] == '/'))
            found = std::string(home) + value->substr(5);
        else if (value->starts_with('/'))
            found = *value;
    }
    return found;
}

std::string desktopFolder(const XdgEnvironment& environment) {
    const auto configHome = absoluteOr(environment.configHome, environment.home + "/.config");
    std::ifstream file(configHome + "/user-dirs.dirs", std::ios::binary);
    if (file) {
        std::ostringstream text;
        text << file.rdbuf();
        if (auto folder = desktopDirFromUserDirs(text.str(), environment.home))
            return *folder;
    }
    return absoluteOr(environment.desktopDir, environment.home + "/Desktop");
}

std::string applicationsFolder(const XdgEnvironment& environment) {
    return absoluteOr(environment.dataHome, environment.home + "/.local/share") + "/applications";
}

} // namespace kavrel::tools
