#pragma once
// Draws every picture of the shipped skin: a dark look with a rose accent; the pointer over a button
// lights its rim and symbol, a press sinks it. The hover picture doubles as the "on" picture of the
// on/off buttons, so it reads as lit.
#include <QImage>
#include <QSize>

#include <filesystem>
#include <string>
#include <vector>

namespace kavrel::skin_art {

struct SkinPicture {
    std::string path; // relative to the skin folder, with "/" separators and the spelling of the tables
    QSize size;
};

// Every picture the skin tables name (artist headers included), each once.
std::vector<SkinPicture> skinPictures();

// The picture for one path of skinPictures(); a null image for a path the generator does not know.
QImage drawSkinPicture(const SkinPicture& picture);

// Draws every picture into files under the skin folder. Throws std::runtime_error for a picture it cannot
// draw and std::system_error for a file it cannot write.
void writeSkin(const std::filesystem::path& skinFolder);

} // namespace kavrel::skin_art
