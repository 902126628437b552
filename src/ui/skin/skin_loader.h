#pragma once
// Loads a window's skin set into its controls, found by object name: image buttons (TMegaImage) take
// their slots, plain pictures (TMegaImage or QLabel) their displayed picture.
#include "ui/skin/skin_tables.h"

#include <filesystem>
#include <string_view>

class QWidget;

namespace kavrel::fs {
class ProgramFolder;
}

namespace kavrel::ui::skin {

class SkinErrorReporter;

// The skin root of a program folder: its "Pictures" folder.
std::filesystem::path skinRootOf(const fs::ProgramFolder& programFolder);

// Gives every control of the set its built-in look, the one it keeps when its skin file cannot be
// loaded: a plain picture of the shipped size, its built-in tooltip and whether it swaps pictures by
// itself. A window calls it once it has made its controls, before loading the skin.
void prepareSkinControls(QWidget& window, const SkinSet& set);

// In table order, decodes every file of every control into its slot, then shows the control's slot 1.
// At the first file that is missing or not a readable JPEG the reporter gets the file name and the
// file system's or the decoder's message, and loading stops: controls already loaded keep their pictures,
// the rest their built-in ones. Returns whether the whole set loaded. A control the window lacks is a
// defect of the window and throws std::logic_error.
bool loadSkinSet(QWidget& window, const SkinSet& set, const std::filesystem::path& skinRoot,
                 SkinErrorReporter& reporter);

// One picture file, relative to the program folder, into a picture control (the artist column headers).
bool loadSkinPicture(QWidget& target, const fs::ProgramFolder& programFolder, std::string_view relativePath,
                     SkinErrorReporter& reporter);

} // namespace kavrel::ui::skin
