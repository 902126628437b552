#include "platform/shell/start_message.h"

namespace kavrel::shell {

namespace {

constexpr std::string_view kMagic = "kavrel-start-1";
constexpr std::string_view kOpen = "open";
constexpr std::string_view kRaise = "raise";

void appendField(std::string& message, std::string_view field) {
    message += field;
    message += '\0';
}

} // namespace

std::string encodeStartMessage(const std::vector<std::string>& paths) {
    std::string message;
    appendField(message, kMagic);
    appendField(message, paths.empty() ? kRaise : kOpen);
    for (const std::string& path : paths)
        if (!path.empty())
            appendField(message, path);
    return message;
}

std::optional<StartMessage> decodeStartMessage(std::string_view message) {
    // Every field ends with a NUL, so a message cut short is no message.
    std::vector<std::string_view> fields;
    while (!message.empty()) {
        const auto end = message.find('\0');
        if (end == std::string_view::npos)
            return std::nullopt;
        fields.push_back(message.substr(0, end));
        message.remove_prefix(end + 1);
    }
    if (fields.size() < 2 || fields[0] != kMagic)
        return std::nullopt;
    StartMessage start;
    if (fields[1] == kRaise)
        return fields.size() == 2 ? std::optional(start) : std::nullopt;
    if (fields[1] != kOpen)
        return std::nullopt;
    for (std::size_t i = 2; i < fields.size(); ++i)
        if (!fields[i].empty())
            start.paths.emplace_back(fields[i]);
    return start;
}

} // namespace kavrel::shell
