#include "tools/icon_creater.h"

#include "platform/fs/atomic_file.h"
#include "tools/desktop_entry.h"

#include <filesystem>
#include <system_error>

namespace kavrel::tools {
namespace {

// The place's folder; empty for a place that has none here.
std::filesystem::path placeFolder(const ShortcutRequest& request, const XdgEnvironment& environment) {
    std::filesystem::path folder;
    switch (request.place) {
    case ShortcutPlace::Desktop:
        folder = desktopFolder(environment);
        break;
    case ShortcutPlace::StartMenu:
        folder = applicationsFolder(environment);
        break;
    case ShortcutPlace::GivenFolder:
        return request.folder;
    case ShortcutPlace::QuickLaunch:
    case ShortcutPlace::SendTo:
        return {};
    }
    return request.folder.empty() ? folder : folder / request.folder;
}

} // namespace

ShortcutResult createShortcut(const ShortcutRequest& request, const XdgEnvironment& environment,
                              LauncherTrust& trust) {
    const auto folder = placeFolder(request, environment);
    if (folder.empty())
        return {};
    const std::filesystem::path target(request.target);
    const auto path = folder / target.filename().replace_extension(".desktop");
    const std::string workingFolder =
        request.workingFolder.empty() ? target.parent_path().string() : request.workingFolder;
    const LauncherFields launcher{request.description, request.target, request.arguments, workingFolder,
                                  kPlayerIconName};
    try {
        // The menu's folder is the desktop's to show once something is in it; a desktop folder that
        // does not exist is a desktop that shows no launchers.
        if (request.place != ShortcutPlace::Desktop)
            std::filesystem::create_directories(folder);
        else if (!std::filesystem::is_directory(folder))
            return {{}, "The desktop folder \"" + folder.string() + "\" does not exist."};
        fs::writeFileAtomically(path, desktopEntryText(launcher));
        std::filesystem::permissions(path,
                                     std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                                         std::filesystem::perms::others_exec,
                                     std::filesystem::perm_options::add);
    } catch (const std::exception& error) {
        return {{}, "The launcher \"" + path.string() + "\" could not be written: " + error.what()};
    }
    if (request.place == ShortcutPlace::Desktop)
        trust.trust(path.string());
    return {path.string(), {}};
}

} // namespace kavrel::tools
