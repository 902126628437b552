#include "tools/desktop_entry.h"

namespace kavrel::tools {
namespace {

// A string value: the escapes the format defines for the characters a line cannot hold.
std::string escaped(std::string_view value) {
    std::string text;
    for (const char c : value) {
        switch (c) {
        case '\\':
            text += "\\\\";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\t':
            text += "\\t";
            break;
        case '\r':
            text += "\\r";
            break;
        default:
            text += c;
        }
    }
    return text;
}

bool reserved(char c) {
    return std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos;
}

} // namespace

std::string execArgument(std::string_view argument) {
    std::string plain;
    bool quote = argument.empty();
    for (const char c : argument) {
        quote = quote || reserved(c);
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            plain += '\\';
        plain += c == '%' ? std::string("%%") : std::string(1, c);
    }
    return quote ? '"' + plain + '"' : plain;
}

std::string desktopEntryText(const LauncherFields& launcher) {
    std::string exec = execArgument(launcher.program);
    for (const auto& argument : launcher.arguments)
        exec += ' ' + execArgument(argument);
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=" +
                       escaped(launcher.name) +
                       "\n"
                       "Exec=" +
                       escaped(exec) +
                       "\n"
                       "TryExec=" +
                       escaped(launcher.program) +
                       "\n"
                       "Path=" +
                       escaped(launcher.workingFolder) + "\n";
    if (!launcher.icon.empty())
        text += "Icon=" + escaped(launcher.icon) + "\n";
    text += "Terminal=false\n"
            "Categories=AudioVideo;Audio;Player;\n";
    return text;
}

} // namespace kavrel::tools
