#pragma once
// The real main window with sample rows, a playing title and the analyser drawing a made-up signal.
// With a screenshot folder it saves the built-in layout, a widened and heightened one and full screen,
// then quits.
#include <QString>
#include <filesystem>
#include <optional>

namespace kavrel::demo {

int runMainWindowDemo(const std::filesystem::path& skinRoot, const std::optional<QString>& screenshotFolder);

} // namespace kavrel::demo
