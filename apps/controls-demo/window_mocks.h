#pragma once
// Stand-ins for the player's small skinned windows with the skin loaded and every control at its place in
// the built-in layout, to show that the pictures fit their neighbours.
#include <QWidget>
#include <filesystem>

namespace kavrel::demo {

// The mini player, the mini playlist and the equalizer, one under the other.
QWidget* makeSmallWindowMocks(const std::filesystem::path& skinRoot, QWidget* parent);

} // namespace kavrel::demo
